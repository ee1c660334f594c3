// vornak-report --site: ranks, neighbours and duplicates of a collection,
// the escaping of strangers' texts on its pages, the folders it takes and
// refuses (tests/vornak-report/site.test.sh runs the whole tool).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

#include "test_support.h"
#include "vornak-report/html_charts.h"
#include "vornak-report/html_page.h"
#include "vornak-report/site_collection.h"
#include "vornak-report/site_files.h"
#include "vornak-report/site_pages.h"

namespace vornak::site {
namespace {

void WriteFileBytes(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

using html::ProcessorBench;
using test::ScratchDir;
constexpr auto TS = ProcessorBench::TimeStamp, SP = ProcessorBench::Speed, NONE = ProcessorBench::None;
const std::optional<uint32_t> kNo;

TEST(SiteRanks, TiesShareARankGroupsNeverMeet) {
  const struct {
    std::vector<std::optional<uint32_t>> values;
    std::vector<int> groups;
    std::vector<std::pair<size_t, size_t>> ranks;  // (rank, of); (0, 0) unranked
  } kCases[] = {
      {{5, 9, 9, 1}, {0, 0, 0, 0}, {{3, 4}, {1, 4}, {1, 4}, {4, 4}}},          // 1, 1, 3, 4
      {{5, 9, 7, 1}, {0, 1, 0, 1}, {{2, 2}, {1, 2}, {1, 2}, {2, 2}}},          // two scales apart
      {{kNo, 4, 4}, {0, 0, 0}, {{0, 0}, {1, 2}, {1, 2}}},                      // no figure: unranked
      {{3, 4}, {-1, 0}, {{0, 0}, {1, 1}}},                                     // no group: unranked
      {{0, 0xFFFFFFFF}, {0, 0}, {{2, 2}, {1, 2}}},                             // the range's ends
  };
  for (const auto& c : kCases) {
    const std::vector<Rank> r = RankValues(c.values, c.groups);
    ASSERT_EQ(r.size(), c.ranks.size());
    for (size_t i = 0; i < r.size(); ++i) {
      EXPECT_EQ(r[i].rank, c.ranks[i].first) << i;
      EXPECT_EQ(r[i].of, c.ranks[i].second) << i;
    }
  }
}

Figures Fig(ProcessorBench b, std::optional<uint32_t> i, std::optional<uint32_t> f) {
  Figures x;
  x.bench = b;
  x.integer = i;
  x.floating = f;
  return x;
}

TEST(SiteNeighbours, SameKindNearestFirstOnLogScales) {
  const struct {
    const char* what;
    std::vector<Figures> machines;  // the first is the one asked about
    size_t count;
    std::vector<size_t> near;
  } kCases[] = {
      {"another kind is never near", {Fig(TS, 100, 100), Fig(SP, 100, 100), Fig(TS, 900, 900)}, 7, {2}},
      // Twice as fast and half as fast are as far: the collection's order.
      {"ratios, not differences", {Fig(TS, 1000, 1000), Fig(TS, 2000, 1000), Fig(TS, 500, 1000), Fig(TS, 1400, 1000)},
       7, {3, 1, 2}},
      {"only the figures both have", {Fig(TS, 100, kNo), Fig(TS, 100, 99999), Fig(TS, kNo, 100), Fig(TS, 150, 100)},
       7, {1, 3}},
      {"at most count", {Fig(TS, 10, 10), Fig(TS, 11, 10), Fig(TS, 12, 10), Fig(TS, 13, 10)}, 2, {1, 2}},
      {"no benchmark, no neighbours", {Fig(NONE, kNo, kNo), Fig(NONE, kNo, kNo)}, 7, {}},
      {"alone of its kind", {Fig(SP, 5, 5), Fig(TS, 5, 5)}, 7, {}},
      {"0 points are a place too", {Fig(TS, 0, 0), Fig(TS, 1, 1), Fig(TS, 1000, 1000)}, 7, {1, 2}},
  };
  for (const auto& c : kCases) EXPECT_EQ(NeighbourFinder(c.machines).Near(0, c.count), c.near) << c.what;
}

TEST(SiteStandings, ProcessorRanksByKindMemoryRanksAcrossKinds) {
  std::vector<Figures> m = {Fig(TS, 100, 50), Fig(SP, 10, 5), Fig(TS, 200, 40)};
  m[0].mem16K = 30;
  m[1].mem16K = 40;
  const std::vector<Standing> s = Standings(m, 7);
  EXPECT_EQ(std::make_pair(s[0].integer.rank, s[0].integer.of), std::make_pair(size_t{2}, size_t{2}));
  EXPECT_EQ(std::make_pair(s[1].integer.rank, s[1].integer.of), std::make_pair(size_t{1}, size_t{1}));
  EXPECT_EQ(std::make_pair(s[0].mem16K.rank, s[0].mem16K.of), std::make_pair(size_t{2}, size_t{2}));
  EXPECT_EQ(s[2].mem16K.of, 0u);
  EXPECT_EQ(s[0].neighbours, std::vector<size_t>({2}));
}

TEST(SiteDuplicates, OnlyIdenticalReportsAreOneMachine) {
  DuplicateIndex d;
  const std::string a = "CPU Type : K6\r\nOS Version:4.0\r\n";
  EXPECT_EQ(d.Add(a), std::make_pair(size_t{0}, true));
  EXPECT_EQ(d.Add("CPU Type : K6\r\nOS Version:4.1\r\n"), std::make_pair(size_t{1}, true));  // one byte
  EXPECT_EQ(d.Add(a + "\r\n"), std::make_pair(size_t{2}, true));                             // longer
  EXPECT_EQ(d.Add(std::string(a)), std::make_pair(size_t{0}, false));
  EXPECT_EQ(d.Add(""), std::make_pair(size_t{3}, true));
  EXPECT_EQ(d.Add(std::string(1, '\0')), std::make_pair(size_t{4}, true));
  EXPECT_EQ(d.Size(), 5u);
}

// The same run whatever its line ends (a CR LF log and its conversion to
// LF, win.ini's own line ends included); a run without a line is never one
// found again.
TEST(SiteDuplicates, LineEndsAsAConversionToLfLeavesThem) {
  const std::string crLf = "VORNAK for Windows95 [Win32s mode]\r\n", lf = "VORNAK for Windows95 [Win32s mode]\n";
  const struct {
    const char* name;
    std::string first, second;
    bool same;
  } kCases[] = {
      {"converted", crLf + "CPU Type : K6\r\n", lf + "CPU Type : K6\n", true},
      {"a win.ini line's LF", crLf + "load=\n\r\nrun=\n\r\n", lf + "load=\n\nrun=\n\n", true},
      {"a win.ini line's CR LF", crLf + "load=\r\n\r\n", lf + "load=\n\n", true},
      {"a text ending in CR", crLf + "a\r\r\n", lf + "a\r\n", true},
      {"a CR in a converted run is text", lf + "a\r\n", lf + "a\n", false},
      {"a text's LF, a line end once converted", crLf + "a\nb\r\n", crLf + "a\r\nb\r\n", true},
      {"one more line", crLf + "a\r\n", lf + "a\n\n", false},
      {"no line at all", "", "", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    DuplicateIndex d;
    EXPECT_EQ(d.Add(c.first), std::make_pair(size_t{0}, true));
    EXPECT_EQ(d.Add(c.second), c.same ? std::make_pair(size_t{0}, false) : std::make_pair(size_t{1}, true));
    EXPECT_EQ(d.Size(), c.same ? 1u : 2u);
  }
}

// A stranger's texts in every place a page puts them.
const char kHostile[] = "<script>alert(1)</script>\"'&amp;<!--x-->\x01";

SiteEntry Hostile(size_t n) {
  SiteEntry e;
  e.name = kHostile;
  e.files = {std::string("-a \"b\" <c> \xff\xfe ") + kHostile};
  e.summary.processor = kHostile;
  e.summary.vendor = kHostile;
  e.summary.windows = kHostile;
  e.summary.signature = kHostile;
  e.figures = Fig(TS, 1000 + static_cast<uint32_t>(n), 500);
  e.page = "m/" + std::to_string(n + 1) + ".html";
  return e;
}

void ExpectOnlyOwnMarkup(const std::string& page, size_t scripts) {
  EXPECT_EQ(page.find("<script>alert"), std::string::npos);
  EXPECT_EQ(page.find("<!--x"), std::string::npos);
  EXPECT_EQ(page.find('\x01'), std::string::npos);
  EXPECT_EQ(page.find("\"'&amp;"), std::string::npos);  // a quote would end an attribute
  EXPECT_NE(page.find("&lt;script&gt;alert(1)&lt;/script&gt;&quot;'&amp;amp;&lt;!--x--&gt;\xE2\x90\x81"), std::string::npos);
  const std::regex script("<script");
  EXPECT_EQ(static_cast<size_t>(std::distance(std::sregex_iterator(page.begin(), page.end(), script), std::sregex_iterator())),
            scripts);
}

TEST(SitePages, StrangersTextsEscapedEverywhere) {
  const std::vector<SiteEntry> machines = {Hostile(0), Hostile(1)};
  SiteCounts counts;
  const std::string index = BuildIndex(machines, counts);
  ExpectOnlyOwnMarkup(index, 1);
  EXPECT_NE(index.find("-a &quot;b&quot; &lt;c&gt; \xEF\xBF\xBD"), std::string::npos) << "file names, bytes not UTF-8 replaced";
  const std::vector<Standing> s = Standings({machines[0].figures, machines[1].figures}, 7);
  ExpectOnlyOwnMarkup(CollectionSection(machines, s, 0), 0);
}

// A dot's title names the machine as the table beside it does: without the
// name line's label, which a Cyrix part's name never had.
TEST(SitePages, DotTitlesNameTheMachineWithoutTheLabel) {
  const struct {
    const char* name;
    const char* title;
  } kCases[] = {
      {"CPU Type : AMD K6, OS Version:4.0", "<title>AMD K6, OS Version:4.0: 1,000 integer"},
      {"Cx486DX2, OS Version:4.0", "<title>Cx486DX2, OS Version:4.0: 1,000 integer"},
      {"CPU Type :AMD K6", "<title>CPU Type :AMD K6: 1,000 integer"},  // no label: kept
  };
  for (const auto& c : kCases) {
    SiteEntry e;
    e.name = c.name;
    e.figures = Fig(TS, 1000, 500);
    e.page = "m/1.html";
    EXPECT_NE(BuildIndex({e}, SiteCounts{}).find(c.title), std::string::npos) << c.name;
  }
}

TEST(SitePages, MachinePageSharesExactlyTheImagesThereAre) {
  html::PageMachine pm;
  pm.facts.bench = TS;
  pm.facts.integer = html::BenchFigure{90000, 555};
  pm.facts.floating = html::BenchFigure{1, 50000000};
  const html::SiteLinks links{"../index.html", "../assets/"};
  const std::string page = html::BuildPage({pm}, &links);
  EXPECT_NE(page.find("img-src 'self'"), std::string::npos);
  EXPECT_EQ(page.find(html::kCollectionMark), page.rfind(html::kCollectionMark));
  std::set<std::string> shared;
  for (const auto& [name, svg] : html::SharedRankingImages()) {
    EXPECT_TRUE(shared.insert(name).second) << name;
    EXPECT_NE(svg.find("<style>"), std::string::npos) << name << " styles itself";
  }
  const std::regex href("(?:href|src)=\"\\.\\./assets/([^\"]+)\"");
  size_t used = 0;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), href); it != std::sregex_iterator(); ++it, ++used)
    EXPECT_EQ(shared.count((*it)[1]), 1u) << (*it)[1];
  EXPECT_GT(used, 20u);
  // Without a site the page is as before: nothing shared, nothing marked.
  const std::string alone = html::BuildPage({pm});
  EXPECT_EQ(alone.find("assets/"), std::string::npos);
  EXPECT_EQ(alone.find(html::kCollectionMark), std::string::npos);
  EXPECT_NE(alone.find("img-src 'none'"), std::string::npos);
}

// The mark's bar stops at the shared chart's axis; its dot sits on the row
// its bar would have.
TEST(SitePages, OverlayStaysOnTheSharedChart) {
  const std::vector<html::RankBar> refs = {{"a", 300, -1, "a"}, {"b", 200, -1, "b"}, {"c", 100, -1, "c"}};
  const struct {
    uint32_t points;
    const char* x;   // the line's place
    const char* cy;  // the dot's
    bool arrow;
  } kCases[] = {{5000, "554", "22", true}, {300, "554", "22", false}, {150, "414", "58", false}, {0, "274", "76", false}};
  for (const auto& c : kCases) {
    const std::string svg = html::RankingOverlaySvg(refs, "x.svg", {"M", c.points, 0, "M"}, "chart");
    EXPECT_NE(svg.find(std::string("<line x1=\"") + c.x + "\""), std::string::npos) << c.points << svg;
    EXPECT_NE(svg.find(std::string("cy=\"") + c.cy + "\""), std::string::npos) << c.points << svg;
    EXPECT_EQ(svg.find("\xE2\x86\x92") != std::string::npos, c.arrow) << c.points;
  }
}

TEST(SiteFiles, PlacesTellAnOldSiteFromAnythingElse) {
  ScratchDir dir;
  mkdir(dir.Path("empty").c_str(), 0777);
  mkdir(dir.Path("site").c_str(), 0777);
  WriteFileBytes(dir.Path("site/.mark"), "");
  mkdir(dir.Path("home").c_str(), 0777);
  WriteFileBytes(dir.Path("home/letter.txt"), "dear");
  WriteFileBytes(dir.Path("file"), "x");
  symlink(dir.Path("site").c_str(), dir.Path("link").c_str());
  const struct {
    const char* name;
    Place place;
  } kCases[] = {{"missing", Place::kMissing}, {"empty", Place::kEmptyFolder}, {"site", Place::kSite},
                {"home", Place::kOther},      {"file", Place::kOther},        {"link", Place::kOther}};
  for (const auto& c : kCases) EXPECT_EQ(InspectPlace(dir.Path(c.name), ".mark"), c.place) << c.name;
}

// What stands at a path, in a form to compare: a folder's names, a file's
// text, a link's target.
std::string Describe(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return "missing";
  if (S_ISLNK(st.st_mode)) {
    char to[512];
    const ssize_t n = readlink(path.c_str(), to, sizeof to);
    return "link to " + std::string(to, n > 0 ? static_cast<size_t>(n) : 0);
  }
  if (!S_ISDIR(st.st_mode)) return "file " + test::ReadFile(path);
  std::string names = "folder";
  for (const auto& e : std::filesystem::directory_iterator(path)) names += " " + e.path().filename().string();
  return names;
}

// The new site goes in at the end of a build: what stands in OUTDIR's place
// by then, whatever was there at the start, goes only if it is nothing, an
// empty folder or a site. The rest is put back, the same with the
// exchange and in two steps.
TEST(SiteFiles, ReplacesOnlyWhatMayGoAsFoundAtTheSwap) {
  enum Stand { kNothing, kEmpty, kSite, kFolder, kFile, kLinkToSite, kDanglingLink };
  const struct {
    const char* what;
    Stand stand;
    bool replaced;
  } kCases[] = {
      {"nothing", kNothing, true},           {"an empty folder", kEmpty, true},
      {"an old site", kSite, true},          {"a folder of the user's", kFolder, false},
      {"a file", kFile, false},              {"a link to a site", kLinkToSite, false},
      {"a dangling link", kDanglingLink, false},
  };
  const struct {
    const char* name;
    Replaced (*replace)(const std::string&, const std::string&, const std::string&);
  } kWays[] = {{"exchange", ReplaceFolder}, {"two steps", ReplaceFolderInTwoSteps}};
  for (const auto& way : kWays) {
    for (const auto& c : kCases) {
      SCOPED_TRACE(std::string(way.name) + ", " + c.what);
      ScratchDir dir;
      const std::string out = dir.Path("out"), fresh = dir.Path(".out.new"), elsewhere = dir.Path("elsewhere");
      mkdir(fresh.c_str(), 0777);
      WriteFileBytes(fresh + "/.mark", "");
      mkdir(elsewhere.c_str(), 0777);
      WriteFileBytes(elsewhere + "/.mark", "");
      if (c.stand == kEmpty || c.stand == kSite || c.stand == kFolder) mkdir(out.c_str(), 0777);
      if (c.stand == kSite) WriteFileBytes(out + "/.mark", "");
      if (c.stand == kSite || c.stand == kFolder) WriteFileBytes(out + "/page.html", "old");
      if (c.stand == kFile) WriteFileBytes(out, "thesis");
      if (c.stand == kLinkToSite) symlink(elsewhere.c_str(), out.c_str());
      if (c.stand == kDanglingLink) symlink(dir.Path("gone").c_str(), out.c_str());
      const std::string before = Describe(out);

      const Replaced r = way.replace(fresh, out, ".mark");
      EXPECT_EQ(r.outcome, c.replaced ? Replaced::kDone : Replaced::kRefused) << r.error;
      EXPECT_EQ(r.movedTo, "");
      EXPECT_EQ(Describe(out), c.replaced ? "folder .mark" : before);
      EXPECT_EQ(Describe(fresh), c.replaced ? "missing" : "folder .mark") << "the new site, for the caller to remove";
      EXPECT_EQ(Describe(elsewhere), "folder .mark");
      const auto beside = std::distance(std::filesystem::directory_iterator(dir.Path("")), {});
      EXPECT_EQ(beside, c.replaced ? 2 : 3) << "out, elsewhere, and the new folder if it stayed";
    }
  }
}

// The new site cannot take the old one's place (here it is gone): the old
// site is put back whole from where it was moved, nothing left beside it.
TEST(SiteFiles, OldSitePutBackWhenTheNewCannotTakeItsPlace) {
  ScratchDir dir;
  const std::string out = dir.Path("out");
  mkdir(out.c_str(), 0777);
  WriteFileBytes(out + "/.mark", "");
  WriteFileBytes(out + "/page.html", "old");
  const std::string before = Describe(out);
  const Replaced r = ReplaceFolderInTwoSteps(dir.Path(".out.new"), out, ".mark");
  EXPECT_EQ(r.outcome, Replaced::kFailed);
  EXPECT_EQ(r.error, std::strerror(ENOENT));
  EXPECT_EQ(r.movedTo, "");
  EXPECT_EQ(Describe(out), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path("")), {}), 1) << "nothing beside it";
}

// mkdtemp makes a folder for its owner alone; the site's is read by others.
TEST(SiteFiles, NewFolderTakesTheOldModeOrWhatMkdirGives) {
  const struct {
    mode_t umask, parent, old;  // old 0: no folder there
    mode_t mode;
  } kCases[] = {
      {022, 0755, 0, 0755},    {077, 0755, 0, 0700},     {027, 0755, 0, 0750},
      {022, 0755, 0711, 0711}, {077, 0755, 0755, 0755},  {022, 0755, 02770, 02770},
      {022, 0755, 0555, 0755},  // its owner writes the new site
      {022, 02775, 0, 02755},  // the group bit a new folder inherits
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << std::oct << "umask " << c.umask << ", old " << c.old);
    ScratchDir dir;
    const std::string parent = dir.Path("p"), out = parent + "/out";
    mkdir(parent.c_str(), 0700);
    chmod(parent.c_str(), c.parent);
    if (c.old) mkdir(out.c_str(), 0700), chmod(out.c_str(), c.old);
    const mode_t saved = umask(c.umask);
    std::string error;
    const std::string made = MakeFolderBeside(out, error);
    umask(saved);
    ASSERT_NE(made, "") << error;
    struct stat st;
    ASSERT_EQ(stat(made.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, c.mode) << std::oct << (st.st_mode & 07777);
  }
}

TEST(SiteFiles, WalkIsSortedRecursiveAndNeverFollowsAFolderLink) {
  ScratchDir dir;
  mkdir(dir.Path("in").c_str(), 0777);
  mkdir(dir.Path("in/b").c_str(), 0777);
  WriteFileBytes(dir.Path("in/b/2"), "");
  WriteFileBytes(dir.Path("in/a"), "");
  WriteFileBytes(dir.Path("in/c"), "");
  symlink(dir.Path("in").c_str(), dir.Path("in/b/up").c_str());  // would loop
  symlink(dir.Path("in/a").c_str(), dir.Path("in/d").c_str());
  symlink(dir.Path("gone").c_str(), dir.Path("in/e").c_str());
  mkfifo(dir.Path("in/f").c_str(), 0666);  // would wait for a writer
  std::vector<std::string> files, errors;
  ListFiles(dir.Path("in"), files, errors);
  EXPECT_EQ(files, std::vector<std::string>({dir.Path("in/a"), dir.Path("in/b/2"), dir.Path("in/c"), dir.Path("in/d")}));
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0].find(dir.Path("in/e") + ": "), 0u);
  EXPECT_EQ(errors[1], dir.Path("in/f") + ": not a file or a folder");
  files.clear();
  errors.clear();
  ListFiles(dir.Path("nothing"), files, errors);
  EXPECT_TRUE(files.empty());
  EXPECT_EQ(errors.size(), 1u);
  files.clear();
  ListFiles(dir.Path("in/f"), files, errors);  // named: the user's pipe
  EXPECT_EQ(files, std::vector<std::string>({dir.Path("in/f")}));
}

// The folder named on the command line is searched whatever the caller's
// test says; the folders below it only where the test lets them.
TEST(SiteFiles, WalkLeavesOutFoldersBelowItsStartOnly) {
  ScratchDir dir;
  for (const char* d : {"in", "in/b"}) mkdir(dir.Path(d).c_str(), 0777);
  for (const char* f : {"in/a", "in/b/2"}) WriteFileBytes(dir.Path(f), "");
  std::vector<std::string> files, errors;
  ListFiles(dir.Path("in"), files, errors, [](const std::string&) { return true; });
  EXPECT_EQ(files, std::vector<std::string>({dir.Path("in/a")}));
}

}  // namespace
}  // namespace vornak::site
