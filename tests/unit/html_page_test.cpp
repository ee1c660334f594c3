// The HTML page of vornak-report: the text conversion, what it reads from a
// report, the rankings, the axes, the difference marking and the page.
#include <algorithm>
#include <array>
#include <regex>

#include "bench/bench_tables.h"
#include "readback/profile_replay.h"
#include "test_support.h"
#include "vornak-report/html_charts.h"
#include "vornak-report/html_encoding.h"
#include "vornak-report/html_page.h"
#include "vornak-report/html_report.h"

namespace vornak::html {
namespace {

// The report of a profile as "&S)tart Analyz" builds it.
std::vector<ReportLine> ReplayReport(profile::Profile profile) {
  MemoryOutline tree;
  ReplayProfile(std::move(profile), tree, nullptr);
  return LinesOf(tree);
}

std::vector<ReportLine> ReplayFixture(const std::string& relative) {
  return ReplayReport(profile::Profile::Load(std::string(VORNAK_SOURCE_DIR) + "/tests/profiles/" + relative));
}

PageMachine MachineOf(const std::string& relative) {
  PageMachine pm;
  pm.report = ReplayFixture(relative);
  pm.facts = ReadFacts(pm.report, relative.substr(relative.rfind('/') + 1));
  return pm;
}

std::string NameOf(const MachineFacts& f) {
  TextConverter sjis, utf8(TextConverter::From::kFileName);
  return MachineName(f, sjis, utf8.ToUtf8(f.fileName));
}

size_t Count(const std::string& text, const std::string& needle) {
  size_t n = 0;
  for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) ++n;
  return n;
}

// --- Text -------------------------------------------------------------------

struct TextCase {
  const char* name;
  std::string sjis;
  std::string utf8;
};

class Conversion : public ::testing::TestWithParam<TextCase> {};

TEST_P(Conversion, Cp932ToUtf8) {
  TextConverter c;
  EXPECT_EQ(c.ToUtf8(GetParam().sjis), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, Conversion,
    ::testing::Values(
        TextCase{"MiddleDot", "Socket 5\xA5" "7", "Socket 5\xEF\xBD\xA5" "7"},
        TextCase{"FontName", "\x82l\x82r \x83S\x83V\x83" "b\x83N", "\xEF\xBC\xAD\xEF\xBC\xB3 \xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF"},
        TextCase{"BackslashStays", "C:\\WINDOWS", "C:\\WINDOWS"},
        TextCase{"NoSuchByte", "a\x80" "b", "a\xEF\xBF\xBD" "b"},
        TextCase{"LeadByteCutOff", "ab\x82", "ab\xEF\xBF\xBD"},
        TextCase{"BadTrailByte", "\x82\x20x", "\xEF\xBF\xBD x"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HtmlEscape, MarkupAndControls) {
  EXPECT_EQ(Escape("<a & \"b\">"), "&lt;a &amp; &quot;b&quot;&gt;");
  EXPECT_EQ(Escape("a\tb"), "a\tb");
  EXPECT_EQ(Escape(std::string("\x01\x1b\x7f", 3)), "\xE2\x90\x81\xE2\x90\x9B\xE2\x90\xA1");
}

// --- Reading the report -----------------------------------------------------

struct BenchLineCase {
  const char* name;
  const char* line;
  const char* prefix;
  const char* suffix;
  bool parsed;
  uint32_t points, time;
};

class BenchLines : public ::testing::TestWithParam<BenchLineCase> {};

TEST_P(BenchLines, ReadPointsAndTime) {
  const BenchLineCase& c = GetParam();
  std::optional<BenchFigure> f = ParseBenchLine(c.line, c.prefix, c.suffix);
  ASSERT_EQ(f.has_value(), c.parsed);
  if (!f) return;
  EXPECT_EQ(f->points, c.points);
  EXPECT_EQ(f->time, c.time);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BenchLines,
    ::testing::Values(
        BenchLineCase{"TimeStampInteger", "Integer : 250000 Point [  200(00c8H)]", "Integer : ", "", true, 250000, 200},
        BenchLineCase{"NoWaitIsNotFloat", "Float   : 111607 Point [  448(01c0H)] NoWait", "Float   : ", "", false, 0, 0},
        BenchLineCase{"NoWaitBySuffix", "Float   : 111607 Point [  448(01c0H)] NoWait", "Float   : ", " NoWait", true, 111607, 448},
        BenchLineCase{"FailedBlock", "MemCopy 32MB   :      2 Point [16777215(ffffffH)]", "MemCopy 32MB   : ", "", true, 2, 16777215},
        BenchLineCase{"WideTime", "MemCopy 16K   :      0 Point [4294967295(ffffffffH)]", "MemCopy 16K   : ", "", true, 0, 4294967295u},
        BenchLineCase{"OtherLabel", "MemCopy 1MB   :   8000 Point [ 6250(186aH)]", "MemCopy 16K   : ", "", false, 0, 0},
        BenchLineCase{"Cut", "Integer : 250000 Point [  200(00c8", "Integer : ", "", false, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CacheSizes, LastSizeInKB) {
  const std::pair<const char*, uint32_t> cases[] = {
      {"Data cache,32 byte line size, 2-way set associative, 16 Kbytes ", 16},
      {"Unified cache,32 byte cache line,4-way set associative,1Mbyte", 1024},
      {"32 byte cache line,8-way set associative,2MBytes", 2048},
      {"CPU L2Cash OnChip : 512KB", 512},
      {"L1 Data Cache Size : 08 KB", 8},
      {"No L2 cache", 0},
  };
  for (const auto& [text, kb] : cases) EXPECT_EQ(ParseSizeKB(text), kb) << text;
}

TEST(Facts, PentiumThreeWithEverything) {
  const MachineFacts f = MachineOf("html/p3-500-win98.profile").facts;
  EXPECT_EQ(f.processorName, "Pentium III (Katmai/Tarnner) 450/500/550/600/533B/600BMHz (100MHz*5/4.5 133MHz*4.0/4.5)L2-512KB");
  EXPECT_EQ(NameOf(f), f.processorName + ", OS Version:4.10");
  EXPECT_EQ(f.signature, "0673");
  EXPECT_EQ(f.vendor, "GenuineIntel");
  EXPECT_EQ(f.fsbMHz + "|" + f.multiplier + "|" + f.clockMHz, "100|5.0|500");
  EXPECT_EQ(f.l1DataKB, 16u);
  EXPECT_EQ(f.l2KB, 512u);
  EXPECT_EQ(f.windowsVersion + " " + f.platform, "4.10 Windows95[chicago]");
  EXPECT_EQ(f.physicalTotalKB, 131072u);
  std::vector<std::string> directX;
  TextConverter sjis;
  for (const DirectXAnswer& d : f.directX) directX.push_back(DirectXText(d, sjis, Language::kEnglish));
  EXPECT_EQ(directX, (std::vector<std::string>{"Direct3D", "DirectDraw (16 MB video memory)",
                                                 "DirectDraw2 (16 MB video memory)", "DirectSound",
                                                 "DirectPlay (1 provider)"}));
  EXPECT_EQ(f.bench, ProcessorBench::TimeStamp);
  EXPECT_EQ(f.integer->points, 250000u);
  EXPECT_EQ(f.floating->time, 457u);
  ASSERT_EQ(f.memory.size(), 14u);
  EXPECT_EQ(f.memory.front().blockKB, 16u);
  EXPECT_EQ(f.memory[2].blockKB, 64u);
  EXPECT_EQ(f.memory.back().blockKB, 32768u);
  EXPECT_EQ(f.memory.front().figure.points, 26260u);
}

TEST(Facts, SpeedSectionAndFailedBlock) {
  const MachineFacts f = MachineOf("html/486dx4-win95.profile").facts;
  EXPECT_EQ(NameOf(f), "DX4(100\xEF\xBD\xA5" "75MHz), OS Version:4.0");
  EXPECT_EQ(f.bench, ProcessorBench::Speed);
  EXPECT_EQ(f.integer->time, 2350u);
  EXPECT_EQ(f.floating->points, 4140u);
  EXPECT_TRUE(f.directX.empty());
  // 32 KB failed once only, so it is a time; 32 MB failed in its one run.
  EXPECT_TRUE(f.memory[1].measured);
  EXPECT_FALSE(f.memory.back().measured);
  EXPECT_EQ(f.l2KB, 0u);
  EXPECT_FALSE(f.noL2);
}

TEST(Facts, FileNameStandsInForAMissingName) {
  // No name row matches a current processor: its name line is blank.
  const MachineFacts modern = MachineOf("cpu/core-i7.profile").facts;
  EXPECT_EQ(modern.processorName, "");
  EXPECT_TRUE(modern.l2LineZero);
  EXPECT_EQ(NameOf(modern), "core-i7.profile, OS Version:6.1");
  // Without the CPU section and without a report at all.
  const MachineFacts bare = ReadFacts(ReplayReport(profile::Profile::Parse("VORNAK95-PROFILE 1\n", "x")), "bare.profile");
  EXPECT_EQ(bare.bench, ProcessorBench::None);
  EXPECT_EQ(NameOf(bare), "bare.profile, OS Version:4.0");
  EXPECT_EQ(NameOf(ReadFacts({}, "empty.profile")), "empty.profile");
}

// --- Rankings and axes --------------------------------------------------------

TEST(Rankings, PointsAsTheReportComputesThem) {
  EXPECT_EQ(ReferencePoints(0), 0u);
  EXPECT_EQ(ReferencePoints(1), 50000000u);
  EXPECT_EQ(ReferencePoints(3), 16666666u);
  EXPECT_EQ(ReferencePoints(580), 86206u);
}

TEST(Rankings, SpeedTableIsOneChartOrderedByPoints) {
  TextConverter sjis;
  // 600 ms integer: between the 6x86-P200L (660) and the AMD 5k86-P90 (559).
  RankedMachine m{0, "me", BenchFigure{ReferencePoints(600), 600}, std::nullopt};
  const std::vector<RankingGroup> groups = BuildRankings(kSpeedCompareListing, false, {m}, sjis);
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(groups[0].title, "Socket 5\xEF\xBD\xA5" "7 Compare table");
  std::vector<std::string> order;
  for (const RankBar& b : groups[0].integer) order.push_back(b.label);
  EXPECT_EQ(order, (std::vector<std::string>{"Pentium 250MHz w/MMX", "AMD 5k86-P90", "Pentium 200MHz", "me",
                                             "IBM 6x86-P200L", "AMD 5k86-P75", "IBM 6x86-P166L"}));
  EXPECT_EQ(groups[0].integer[2].points, 86206u);
  // No floating-point figure: no bar for the machine there.
  EXPECT_EQ(groups[0].floating.size(), 6u);
}

TEST(Rankings, TimeStampTablesHoldEveryReferenceOnce) {
  TextConverter sjis;
  RankedMachine m{1, "me", BenchFigure{ReferencePoints(756), 756}, BenchFigure{1, 50000000}};
  const std::vector<RankingGroup> tables = BuildRankings(kTimeStampCompareListing, true, {m}, sjis);
  ASSERT_EQ(tables.size(), 11u);
  size_t references = 0, mine = 0, charts = 0, folded = 0;
  std::function<void(const RankingGroup&)> walk = [&](const RankingGroup& g) {
    charts += !g.integer.empty();
    for (const RankBar& b : g.integer) (b.machine < 0 ? references : mine) += 1;
    EXPECT_TRUE(std::is_sorted(g.floating.begin(), g.floating.end(),
                               [](const RankBar& a, const RankBar& b) { return a.points > b.points; }))
        << g.title;
    for (const RankingGroup& s : g.groups) walk(s);
  };
  for (const RankingGroup& t : tables) {
    walk(t);
    folded += !t.open;
    // A table with sub-groups has its bars there only.
    if (!t.groups.empty()) {
      EXPECT_TRUE(t.integer.empty()) << t.title;
    }
  }
  EXPECT_EQ(references, 137u);
  EXPECT_EQ(mine, charts) << "the machine once in every chart";
  EXPECT_EQ(folded, 2u);  // the two over-clock tables
  EXPECT_EQ(tables[10].groups[0].title, "AMD K6 (Base Clock * 2.5)");
  // In the Socket 5/7 table the machine ties with "Pentium 200MHz" (756 ms)
  // and stands before it.
  const std::vector<RankBar>& s57 = tables[1].integer;
  auto at = std::find_if(s57.begin(), s57.end(), [](const RankBar& b) { return b.machine == 1; });
  ASSERT_NE(at, s57.end());
  EXPECT_EQ((at + 1)->label, "Pentium 200MHz");
}

TEST(Axes, LogarithmicBlockSize) {
  const LogAxis axis{16, 32768, 100, 1200};
  EXPECT_DOUBLE_EQ(axis.X(16), 100);
  EXPECT_DOUBLE_EQ(axis.X(32768), 1200);
  EXPECT_DOUBLE_EQ(axis.X(1024), 100 + 1100.0 * 6 / 11);  // six doublings of eleven
  EXPECT_DOUBLE_EQ(axis.X(64) - axis.X(32), axis.X(8192) - axis.X(4096));
}

TEST(Axes, NiceLinearScale) {
  const struct {
    uint32_t max;
    uint64_t step, top;
  } cases[] = {{250000, 50000, 250000}, {109409, 25000, 125000}, {26260, 10000, 30000}, {0, 1, 1}, {7, 2, 8},
               {50000000, 10000000, 50000000}, {0xFFFFFFFF, 1000000000, 5000000000}};
  for (const auto& c : cases) {
    const LinearScale s = NiceScale(c.max, 5);
    EXPECT_EQ(s.step, c.step) << c.max;
    EXPECT_EQ(s.top, c.top) << c.max;
  }
}

TEST(MemoryChart, GapsAndCacheMarks) {
  std::vector<MemoryPoint> points;
  for (uint32_t kb : {16u, 32u, 64u}) points.push_back({kb, {1000, 50000}, kb != 32});
  const std::string svg = MemorySvg({{0, points, 16, 512}}, 1);
  const size_t d = svg.find("<path d=\"");
  ASSERT_NE(d, std::string::npos);
  const std::string path = svg.substr(d, svg.find('"', d + 9) - d);
  EXPECT_EQ(Count(path, "M"), 2u) << "a new stroke after the gap: " << path;
  EXPECT_EQ(Count(path, "L"), 0u) << path;
  EXPECT_NE(svg.find(">L1 data 16 KB<"), std::string::npos);
  EXPECT_NE(svg.find(">L2 512 KB<"), std::string::npos);
  EXPECT_NE(svg.find(">points</text>"), std::string::npos) << "a linear axis for close points";
  // More than a hundredfold apart: a logarithmic points axis, a tick per decade.
  const std::string wide = MemorySvg({{0, {{16, {20000, 1}, true}, {32, {150, 1}, true}}, 0, 0}}, 1);
  EXPECT_NE(wide.find(">points (logarithmic"), std::string::npos);
  for (const char* tick : {">100<", ">1,000<", ">10,000<", ">100,000<"}) EXPECT_NE(wide.find(tick), std::string::npos) << tick;
  // Two machines with the same L2 share one mark naming both.
  const std::string two = MemorySvg({{0, points, 0, 512}, {1, points, 0, 512}}, 2);
  EXPECT_EQ(Count(two, "class=\"cache\""), 1u);
  EXPECT_NE(two.find(">L2 512 KB (A, B)<"), std::string::npos);
  // Megabytes only when whole: an L2 of 1536 KB is no "1 MB".
  const std::string sizes = MemorySvg({{0, points, 1024, 1536}, {1, points, 0, 2048}}, 2);
  for (const char* mark : {">L1 data 1 MB (A)<", ">L2 1536 KB (A)<", ">L2 2 MB (B)<"})
    EXPECT_NE(sizes.find(mark), std::string::npos) << mark;
}

// A memory chart's plot area (its two axis lines), the vertices of its
// machines' lines, and its point markers.
struct ChartGeometry {
  double left = 0, right = 0, top = 0, bottom = 0;
  std::vector<std::pair<double, double>> vertices;
  size_t markers = 0;
};

ChartGeometry GeometryOf(const std::string& svg) {
  ChartGeometry g;
  const std::regex axis(R"re(class="axis" x1="([.\d]+)" y1="([.\d]+)" x2="([.\d]+)" y2="([.\d]+)")re");
  std::smatch x, y;
  if (!std::regex_search(svg, x, axis) || !std::regex_search(x.suffix().first, svg.end(), y, axis)) return g;
  g.left = std::stod(x[1]), g.bottom = std::stod(x[2]), g.right = std::stod(x[3]), g.top = std::stod(y[2]);
  const std::regex line(R"re(<path d="([^"]*)" fill="none" stroke="[^"]*" stroke-width="2.2")re");
  const std::regex vertex(R"re([ML](-?[.\d]+) (-?[.\d]+))re");
  for (std::sregex_iterator it(svg.begin(), svg.end(), line), end; it != end; ++it) {
    const std::string d = (*it)[1];
    for (std::sregex_iterator v(d.begin(), d.end(), vertex); v != end; ++v)
      g.vertices.push_back({std::stod((*v)[1]), std::stod((*v)[2])});
  }
  g.markers = Count(svg, "<g role=\"img\"><title>");
  return g;
}

void ExpectInside(const ChartGeometry& g) {
  ASSERT_LT(g.top, g.bottom) << "no axes found";
  for (const auto& [x, y] : g.vertices)
    EXPECT_TRUE(x >= g.left && x <= g.right && y >= g.top && y <= g.bottom) << x << " " << y;
}

// A point worth 0 (a time beyond 50,000,000 ms) has no place on a
// logarithmic axis: a gap, as for a block not measured. On a linear axis it
// sits on 0.
TEST(MemoryChart, EveryPointDrawnInsideThePlot) {
  const uint32_t none = ~0u;  // not measured
  const struct {
    const char* name;
    std::vector<std::vector<uint32_t>> machines;  // points for 16, 32, 64 KB...
    size_t drawn;                                 // vertices and markers
  } cases[] = {
      {"zero between, logarithmic", {{50000000, 0, 195312}}, 2},
      {"zero first, and a gap", {{0, 50000000, none, 400}}, 2},
      {"zero on a linear axis", {{1000, 0, 900}}, 3},
      {"zeros in the slower of two", {{26260, 24000}, {150, 0, 0}}, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<MemorySeries> series;
    for (size_t m = 0; m < c.machines.size(); ++m) {
      series.push_back({m, {}, 0, 0});
      for (size_t i = 0; i < c.machines[m].size(); ++i) {
        const uint32_t p = c.machines[m][i];
        series.back().points.push_back({16u << i, {p == none ? 2 : p, 1}, p != none});
      }
    }
    const ChartGeometry g = GeometryOf(MemorySvg(series, c.machines.size()));
    EXPECT_EQ(g.vertices.size(), c.drawn);
    EXPECT_EQ(g.markers, c.drawn);
    ExpectInside(g);
  }
}

// The 486 with copies of 1, 268,435,456 and 1,024 ms: the page names the gap.
TEST(MemoryChart, ZeroPointsOfARecordedMachineAreAGapWithANote) {
  std::string text = test::ReadFile(std::string(VORNAK_SOURCE_DIR) + "/tests/profiles/html/486dx4-win95.profile");
  for (const char* kernel : {"MemChk16K", "MemChk32K", "MemChk64K"})
    for (size_t at; (at = text.find(std::string("kernel \"") + kernel + "\"")) != std::string::npos;)
      text.erase(at, text.find('\n', at) + 1 - at);
  text += "kernel \"MemChk16K\" = 1\nkernel \"MemChk32K\" = 10000000\nkernel \"MemChk64K\" = 400\n";
  PageMachine pm;
  pm.report = ReplayReport(profile::Profile::Parse(text, "zero.profile"));
  pm.facts = ReadFacts(pm.report, "zero.profile");
  const std::string page = BuildPage({pm});
  const ChartGeometry g = GeometryOf(page.substr(page.find("class=\"mem\"")));
  EXPECT_EQ(g.vertices.size(), 12u) << "14 blocks but 32 KB (0 points) and 32 MB (not measured)";
  ExpectInside(g);
  EXPECT_NE(page.find("This machine: 0 points for 32 KB (a time of more than 50,000,000 ms)"), std::string::npos);
}

// --- Differences and the page -------------------------------------------------

std::vector<std::string> Marked(const std::vector<ReportLine>& report, const std::vector<bool>& marks) {
  std::vector<std::string> out;
  size_t i = 0;
  std::function<void(const std::vector<ReportLine>&)> walk = [&](const std::vector<ReportLine>& lines) {
    for (const ReportLine& l : lines) {
      if (marks.at(i++)) out.push_back(l.text);
      walk(l.children);
    }
  };
  walk(report);
  return out;
}

TEST(Differences, LinesMissingFromAnotherReport) {
  const std::vector<ReportLine> a = {{"root", {{"Version : 4.10", {}}, {"Memory", {{"Physical : 1", {}}, {"same", {}}}}}}};
  const std::vector<ReportLine> b = {{"root", {{"Version : 4.00", {}}, {"Memory", {{"Physical : 1", {}}}}, {"same", {}}}}};
  const std::vector<ReportLine> c = {{"ROOT", {{"Memory", {}}}}};
  const auto two = DifferenceMarks({&a, &b});
  EXPECT_EQ(Marked(a, two[0]), (std::vector<std::string>{"Version : 4.10", "same"}));
  // "same" under another parent is another line.
  EXPECT_EQ(Marked(b, two[1]), (std::vector<std::string>{"Version : 4.00", "same"}));
  // Texts compare exactly: a line in another case differs, and so does all under it.
  const auto three = DifferenceMarks({&a, &b, &c});
  EXPECT_EQ(Marked(c, three[2]).size(), 2u);
  EXPECT_EQ(Marked(a, three[0]).size(), 5u);
  EXPECT_EQ(DifferenceMarks({&a})[0], std::vector<bool>(5, false));
}

TEST(Page, SelfContainedWithEveryPart) {
  const std::string page = BuildPage({MachineOf("html/p3-500-win98.profile"), MachineOf("html/486dx4-win95.profile")});
  EXPECT_EQ(page.compare(0, 15, "<!DOCTYPE html>"), 0);
  EXPECT_NE(page.find("<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none';"), std::string::npos);
  for (const char* outside : {"src=", "href=", "url(", "@import", "<script", "<link"})
    EXPECT_EQ(page.find(outside), std::string::npos) << outside;
  for (const char* id : {"summary", "processor", "memory", "report"})
    EXPECT_NE(page.find(std::string("<section id=\"") + id + "\">"), std::string::npos) << id;
  // Both benchmarks, each ranked against its own references, and a note why.
  EXPECT_EQ(Count(page, "<h3>Time-stamp benchmark"), 1u);
  EXPECT_EQ(Count(page, "<h3>Speed benchmark"), 1u);
  EXPECT_NE(page.find("are not on one scale"), std::string::npos);
  EXPECT_EQ(Count(page, "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"mem\""), 1u);
  // Converted texts: the 486's name with its middle dot, a Japanese font name.
  EXPECT_NE(page.find("DX4(100\xEF\xBD\xA5" "75MHz)"), std::string::npos);
  EXPECT_NE(page.find("\xEF\xBC\xAD\xEF\xBC\xB3 \xE6\x98\x8E\xE6\x9C\x9D"), std::string::npos);
  EXPECT_NE(page.find("no measurement for 32 MB"), std::string::npos);
  EXPECT_NE(page.find("class=\"l d\""), std::string::npos);
}

// A report is a stranger's input: its lines, and the profile's file name
// that names a machine without a processor name (in the charts too), reach
// the page's text, its title and the SVG labels and tooltips; the one
// attribute filled with text is a chart's name. Each is escaped.
TEST(Page, MarkupInReportTextIsEscapedInEveryContext) {
  const std::string hostile = "<i id=\"x\">&amp;'</i>";
  const std::string escaped = "&lt;i id=&quot;x&quot;&gt;&amp;amp;'&lt;/i&gt;";
  PageMachine pm = MachineOf("html/p3-500-win98.profile");
  pm.report.push_back({hostile + "fold", {{hostile + "line", {}}}});
  pm.facts.fileName = hostile + ".profile";
  pm.facts.processorName.clear();
  pm.facts.vendor = hostile;
  const std::string page = BuildPage({pm});
  const std::string svg = page.substr(page.find("class=\"rank\""));
  const std::string name = escaped + ".profile, OS Version:4.10";
  const std::string chart = RankingSvg({{hostile, 5, 0, hostile}}, hostile);
  const struct {
    const char* context;
    const std::string& in;
    std::string expected;
  } cases[] = {
      {"outline fold", page, "<summary>" + escaped + "fold</summary>"},
      {"outline line", page, "<div class=\"l\">" + escaped + "line</div>"},
      {"page title", page, "<title>VORNAK95 report: " + name + "</title>"},
      {"summary cell", page, "<td>0673 (" + escaped + "; family 6"},
      {"SVG bar label", svg, "text-anchor=\"end\">\xE2\x96\xB6 " + escaped},
      {"SVG bar tooltip", svg, "<title>\xE2\x96\xB6 " + name + ": 250,000 points"},
      {"chart name attribute", chart, "aria-label=\"" + escaped + "\""},
  };
  for (const auto& c : cases) EXPECT_NE(c.in.find(c.expected), std::string::npos) << c.context << ": " << c.expected;
  EXPECT_EQ(page.find("<i "), std::string::npos);
}

TEST(Page, WithoutBenchmarkAnswersNoChartsAndWhy) {
  PageMachine pm;
  pm.report = ReplayReport(profile::Profile::Parse("VORNAK95-PROFILE 1\nversion = c0000a04\nsysinfo = 0 1 24a\n"
                                                   "cpuidcheck = 1\ncpuid 00000001 = 00000673 0 0 00000010\n", "x"));
  pm.facts = ReadFacts(pm.report, "quiet.profile");
  ASSERT_EQ(pm.facts.bench, ProcessorBench::TimeStamp);
  const std::string page = BuildPage({pm});
  EXPECT_EQ(page.find("<svg xmlns"), std::string::npos);
  EXPECT_NE(page.find("no time in its processor benchmark lines"), std::string::npos);
  EXPECT_NE(page.find("no time in its memory benchmark lines"), std::string::npos);
  EXPECT_NE(page.find("So this page has no processor chart."), std::string::npos);
  EXPECT_NE(page.find("So this page has no memory chart."), std::string::npos);
}

}  // namespace
}  // namespace vornak::html
