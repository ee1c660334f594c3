// The log reader: every profile's replayed log reads back into the profile's
// report, runs and cuts are told apart, and bad input is refused by name.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "readback/capped_file.h"
#include "readback/line_shape.h"
#include "readback/log_reader.h"
#include "readback/report_input.h"
#include "section_fixture.h"
#include "tests/fuzz/log_round_trip.h"
#include "tests/fuzz/replay_one.h"
#include "vornak-report/html_report.h"

namespace vornak {
namespace {

std::string ProfilesDir() { return std::string(VORNAK_SOURCE_DIR) + "/tests/profiles/"; }

// Where a fixture holds one of the log's other ambiguities: the reading
// puts `line` under `reads`, the last line before it that could hold it.
struct Misreading {
  const char* profile;
  const char* line;
  const char* reads;
};
const Misreading kMisreadings[] = {
    // A win.ini section repeated ("[WINDOWS]" after "[windows]"): the report
    // adds its lines under the first, the log does not repeat the header.
    {"files/machine.profile", "Beep=yes\n", "[Desktop]\n"},
};

// The replayed report as its log reads back.
std::string ExpectedReading(MemoryOutline& replay, const std::string& profile) {
  for (const Misreading& m : kMisreadings) {
    if (profile != m.profile) continue;
    std::function<Item(Item, const char*)> find = [&](Item parent, const char* text) {
      for (Item c : replay.Children(parent)) {
        if (replay.FullText(c) == text) return c;
        if (Item found = find(c, text)) return found;
      }
      return kNoItem;
    };
    const Item line = find(kNoItem, m.line), reads = find(kNoItem, m.reads);
    replay.DeleteItem(line);
    const std::vector<Item> children = replay.Children(reads);
    replay.Insert(reads, children.empty() ? kNoItem : children.back(), m.line);
  }
  return fuzz::FlatThreadDump(replay);
}

// The summary the page and the JSON output read from a report, as text.
std::string Summary(const MemoryOutline& outline) {
  const html::MachineFacts f = html::ReadFacts(html::LinesOf(outline), "x");
  std::string s = f.processorName + '|' + f.osVersionLine + '|' + f.vendor + '|' + f.signature + '|' +
                  f.fsbMHz + '|' + f.multiplier + '|' + f.clockMHz + '|' + f.windowsVersion + '|' +
                  f.platform + '|' + std::to_string(f.l1DataKB) + '|' + std::to_string(f.l2KB) +
                  (f.noL2 ? "|noL2" : "") + (f.l2LineZero ? "|l2zero" : "") + '|' +
                  std::to_string(f.physicalTotalKB.value_or(~0u)) + '|' +
                  std::to_string(f.physicalAvailKB.value_or(~0u)) + '|' +
                  std::to_string(static_cast<int>(f.bench));
  TextConverter sjis;
  for (const html::DirectXAnswer& d : f.directX) s += "|dx:" + html::DirectXText(d, sjis, Language::kEnglish);
  for (const auto& b : {f.integer, f.floating})
    if (b) s += "|" + std::to_string(b->points) + "/" + std::to_string(b->time);
  for (const html::MemoryPoint& m : f.memory)
    s += "|" + std::to_string(m.blockKB) + ":" + std::to_string(m.figure.points) + (m.measured ? "" : "?");
  return s;
}

std::string WithLf(std::string crLf) {
  std::string out;
  for (size_t i = 0; i < crLf.size(); ++i)
    if (!(crLf[i] == '\r' && i + 1 < crLf.size() && crLf[i + 1] == '\n')) out += crLf[i];
  return out;
}

std::vector<std::string> AllProfiles() {
  std::vector<std::string> out;
  for (const auto& e : std::filesystem::recursive_directory_iterator(ProfilesDir()))
    if (e.path().extension() == ".profile")
      out.push_back(std::filesystem::relative(e.path(), ProfilesDir()).string());
  std::sort(out.begin(), out.end());
  return out;
}

class LogRoundTrip : public ::testing::TestWithParam<std::string> {};

// Replayed to a log, as "&S)ave LOG" writes it, and read back; then the same
// log as an editor that converts line ends leaves it.
TEST_P(LogRoundTrip, ReadsBackTheProfilesReport) {
  fuzz::Replayed r = fuzz::ReplayOne(test::FixtureText(GetParam()));
  ASSERT_TRUE(r.parsed) << r.error;
  // The fuzz target's check: it compares only what holds no ambiguity.
  const bool listed = std::any_of(std::begin(kMisreadings), std::end(kMisreadings),
                                  [](const Misreading& m) { return GetParam() == m.profile; });
  EXPECT_EQ(fuzz::Ambiguity(r.tree).empty(), !listed) << fuzz::Ambiguity(r.tree);
  EXPECT_EQ(fuzz::CheckLogRoundTrip(r.tree, r.log), "");
  const std::string summary = Summary(r.tree), expected = ExpectedReading(r.tree, GetParam());
  for (bool lf : {false, true}) {
    SCOPED_TRACE(lf ? "LF" : "CR LF");
    const std::string log = lf ? WithLf(r.log) : r.log;
    std::vector<LogRun> runs = ReadLog(log, "x.LOG");
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_FALSE(runs[0].truncated) << runs[0].lastLine;
    EXPECT_EQ(runs[0].log, log);
    EXPECT_EQ(runs[0].lastLineNumber, std::count(log.begin(), log.end(), '\n'));
    EXPECT_EQ(runs[0].outline.Dump(), expected);
    EXPECT_EQ(Summary(runs[0].outline), summary);
  }
}

INSTANTIATE_TEST_SUITE_P(Profiles, LogRoundTrip, ::testing::ValuesIn(AllProfiles()),
                         [](const auto& info) { return test::TextName(info.param); });

// The logs the program wrote under Wine, read as files, against the
// profiles recorded in the same runs, read through the same entry point.
TEST(RecordedLogs, ReadAsTheirProfilesReplay) {
  for (const auto& [base, lastLine] : {std::pair{"live/wine-98", "Free Bytes      : 1 GB"},
                                       std::pair{"live/wine-nt", "Free Bytes      : 63 GB"}}) {
    SCOPED_TRACE(base);
    std::vector<ReportMachine> log = ReadReportFile(ProfilesDir() + base + ".LOG");
    std::vector<ReportMachine> profile = ReadReportFile(ProfilesDir() + base + ".profile");
    ASSERT_EQ(log.size(), 1u);
    ASSERT_EQ(profile.size(), 1u);
    EXPECT_EQ(log[0].kind, "log");
    EXPECT_EQ(profile[0].kind, "profile");
    EXPECT_FALSE(log[0].truncated);
    EXPECT_EQ(log[0].lastLine, lastLine);
    EXPECT_EQ(log[0].log, profile[0].log);
    EXPECT_EQ(log[0].outline.Dump(), fuzz::FlatThreadDump(profile[0].outline));
  }
}

std::string ReplayedLog(const std::string& profile) {
  return fuzz::ReplayOne(test::FixtureText(profile)).log;
}

// Appended runs (the writer appends; people concatenate) are machines of
// their own; a run cut by a reset, and the zeros it left, end where the next
// run starts.
TEST(LogRuns, EachRunIsAMachine) {
  const std::string nt = ReplayedLog("live/wine-nt.profile"), pc98 = ReplayedLog("pc98/pc9821.profile");
  const std::string cutAt = "----- VORNAK Harlix Memory Performance -----\r\n";
  const std::string cut = pc98.substr(0, pc98.find(cutAt) + cutAt.size()) + "MemCls   :  ";
  const std::string file = nt + cut + std::string(4096, '\0') + nt + WithLf(pc98);
  std::vector<ReportMachine> m = ReadReportBytes(file, "A.LOG");
  ASSERT_EQ(m.size(), 4u);
  const int cutLines = static_cast<int>(std::count(cut.begin(), cut.end(), '\n'));
  const int ntLines = static_cast<int>(std::count(nt.begin(), nt.end(), '\n'));
  const struct {
    const char* name;
    bool truncated;
    int lastLineNumber;
    const char* lastLine;
  } kRuns[] = {
      {"A.LOG (run 1 of 4)", false, ntLines, "Free Bytes      : 63 GB"},
      {"A.LOG (run 2 of 4)", true, ntLines + cutLines, "----- VORNAK Harlix Memory Performance -----"},
      {"A.LOG (run 3 of 4)", false, 2 * ntLines + cutLines, "Free Bytes      : 63 GB"},
      {"A.LOG (run 4 of 4)", false, static_cast<int>(std::count(file.begin(), file.end(), '\n')),
       "Drive Info"},
  };
  for (size_t i = 0; i < m.size(); ++i) {
    SCOPED_TRACE(kRuns[i].name);
    EXPECT_EQ(m[i].Name(), kRuns[i].name);
    EXPECT_EQ(m[i].run, static_cast<int>(i + 1));
    EXPECT_EQ(m[i].truncated, kRuns[i].truncated);
    EXPECT_EQ(m[i].lastLineNumber, kRuns[i].lastLineNumber);
    EXPECT_EQ(m[i].lastLine, kRuns[i].lastLine);
  }
  EXPECT_EQ(m[0].outline.Dump(), m[2].outline.Dump());
  EXPECT_EQ(m[1].log, cut.substr(0, cut.size() - 12));
  EXPECT_EQ(m[3].outline.Dump(), ReadReportBytes(pc98, "B.LOG")[0].outline.Dump());
  // The naming's boundary: one run is the file's name alone, two are numbered.
  const std::vector<ReportMachine> one = ReadReportBytes(nt, "B.LOG"), two = ReadReportBytes(nt + nt, "C.LOG");
  ASSERT_EQ(one.size(), 1u);
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(one[0].Name(), "B.LOG");
  EXPECT_EQ(two[0].Name(), "C.LOG (run 1 of 2)");
  EXPECT_EQ(two[1].Name(), "C.LOG (run 2 of 2)");
}

// Where a run may end: only in its drive list, and not inside a drive's
// fixed lines. Each case is a replayed log up to the line `upTo`, `keep`
// lines from it on, and `tail` after them.
TEST(LogRuns, TruncatedUnlessItEndsWhereAReportCan) {
  const std::string full = ReplayedLog("files/machine.profile");
  const std::string zeros(8, '\0');
  const struct {
    const char* upTo;
    int keep;
    std::string tail;
    bool truncated;
  } kCases[] = {
      {"Drive Info\r\n", 0, "", true},  // the run had not reached its drive list
      {"Drive Info\r\n", 1, "", false},
      {"--- C ---\r\n", 1, "", false},  // no volume answer: no lines under it
      {"--- C ---\r\n", 2, "", true},
      {"--- C ---\r\n", 8, "", true},
      {"--- C ---\r\n", 9, "", false},  // no free-space answer
      {"--- C ---\r\n", 10, "", true},
      {"--- C ---\r\n", 12, "", true},
      {"--- C ---\r\n", 13, "", false},
      {"--- C ---\r\n", 13, "--- D", true},  // a line without its line end
      {"--- C ---\r\n", 13, zeros, true},    // the zeros of a reset
      {"Thread\r\n", 1, "", true},
      {"WIN.INI\r\n", 2, "", true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.upTo) + " +" + std::to_string(c.keep) + " tail " + std::to_string(c.tail.size()));
    size_t end = full.find(c.upTo);
    ASSERT_NE(end, std::string::npos);
    for (int i = 0; i < c.keep; ++i) end = full.find("\r\n", end) + 2;
    std::vector<LogRun> runs = ReadLog(full.substr(0, end) + c.tail, "x.LOG");
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].truncated, c.truncated);
  }
}

// Cut after, inside, or in place of each line of the processor section: the
// run reads to the last whole line, says so, and reads every line before
// the cut as the whole log does.
TEST(LogRuns, ACutAtEveryLineOfASection) {
  const std::string full = ReplayedLog("cpu/pentium3.profile");
  const std::vector<LogRun> whole = ReadLog(full, "x.LOG");
  const size_t from = full.find("CPU TYPE : "), to = full.find("\r\nMouse ") + 2;
  ASSERT_LT(from, to);
  enum Cut { kAfterLine, kInsideLine, kZerosForLine };
  for (size_t end = full.find("\r\n", from) + 2; end <= to; end = full.find("\r\n", end) + 2) {
    for (Cut cut : {kAfterLine, kInsideLine, kZerosForLine}) {
      std::string log = full.substr(0, end);
      const size_t next = full.find("\r\n", end);
      if (cut == kInsideLine) log += full.substr(end, (next - end) / 2 + 1);
      if (cut == kZerosForLine) log += std::string(next + 2 - end, '\0');
      const int lines = static_cast<int>(std::count(log.begin(), log.begin() + end, '\n'));
      SCOPED_TRACE("line " + std::to_string(lines) + " cut " + std::to_string(cut));
      std::vector<LogRun> runs = ReadLog(log, "x.LOG");
      ASSERT_EQ(runs.size(), 1u);
      EXPECT_TRUE(runs[0].truncated);
      EXPECT_EQ(runs[0].lastLineNumber, lines);
      const size_t lastBegin = full.rfind("\r\n", end - 3) + 2;
      EXPECT_EQ(runs[0].lastLine, full.substr(lastBegin, end - 2 - lastBegin));
      for (Item i = 1; i <= static_cast<Item>(lines); ++i)
        ASSERT_EQ(runs[0].outline.Parent(i), whole[0].outline.Parent(i)) << "item " << i;
    }
  }
}

// A log cut anywhere (a reset), then appended to by the next run: the cut
// run reads as it does alone, and the new one as it does alone, with its
// own line ends. Cut at every byte of the root line and of the ini files
// (win.ini's LF before the CR LF, Shift-JIS characters), and at a stride
// through the rest.
TEST(LogRuns, ARunCutAnywhereThenAppendedToReadsAsItDoesAlone) {
  const std::string a = ReplayedLog("files/machine.profile"), b = ReplayedLog("pc98/pc9821.profile");
  const struct {
    const char* name;
    bool cutLf, nextLf;
  } kModes[] = {{"CR LF, then CR LF", false, false}, {"CR LF, then LF", false, true}, {"LF, then CR LF", true, false}};
  for (const auto& mode : kModes) {
    const std::string first = mode.cutLf ? WithLf(a) : a, next = mode.nextLf ? WithLf(b) : b;
    const std::vector<LogRun> nextAlone = ReadLog(next, "b.LOG");
    ASSERT_EQ(nextAlone.size(), 1u);
    const size_t rootEnd = first.find('\n') + 1, ini = first.find("WIN.INI"), drives = first.find("Drive Info");
    for (size_t cut = 1; cut <= first.size(); cut += cut <= rootEnd || (cut >= ini && cut <= drives) ? 1 : 53) {
      SCOPED_TRACE(std::string(mode.name) + ", cut after byte " + std::to_string(cut));
      const std::string head = first.substr(0, cut);
      const std::vector<LogRun> alone = ReadLog(head, "a.LOG"), runs = ReadLog(head + next, "a.LOG");
      ASSERT_EQ(alone.size(), 1u);
      ASSERT_EQ(runs.size(), 2u);
      EXPECT_EQ(runs[0].truncated, alone[0].truncated || head.back() != '\n');
      EXPECT_EQ(runs[0].log, alone[0].log);
      EXPECT_EQ(runs[0].lastLineNumber, alone[0].lastLineNumber);
      EXPECT_EQ(runs[0].lastLine, alone[0].lastLine);
      EXPECT_EQ(runs[0].outline.Dump(), alone[0].outline.Dump());
      EXPECT_FALSE(runs[1].truncated);
      EXPECT_EQ(runs[1].log, next);
      EXPECT_EQ(runs[1].lastLineNumber, nextAlone[0].lastLineNumber + std::count(head.begin(), head.end(), '\n'));
      EXPECT_EQ(runs[1].lastLine, nextAlone[0].lastLine);
      EXPECT_EQ(runs[1].outline.Dump(), nextAlone[0].outline.Dump());
    }
  }
}

// A line that starts with the root line's text starts a run, even cut short
// (a run without a whole line, "0"); other cut bytes are the last line of the
// run before ("T", truncated; "W", whole). A file may start with a root line
// cut inside that text. "": refused as not a log.
TEST(LogRuns, ARootLineCutShortIsARunOfItsOwn) {
  const std::string a = ReplayedLog("pc98/pc9821.profile"), zeros(16, '\0');
  const std::string root = a.substr(0, a.find("\r\n"));  // "VORNAK for Windows95 [... mode]"
  const struct {
    const char* name;
    std::string bytes;
    const char* runs;
  } kCases[] = {
      {"a root line cut at the end", a + root.substr(0, 25), "W0"},
      {"a root line without its line end", a + root, "W0"},
      {"a root line cut, then zeros", a + root.substr(0, 25) + zeros, "W0"},
      {"a root line cut, then a run", a + root.substr(0, 25) + a, "W0W"},
      {"a root line cut, then zeros, then a run", a + root.substr(0, 25) + zeros + a, "W0W"},
      {"the root text alone, then a run", a + root.substr(0, 22) + a, "W0W"},
      {"less than the root text, then a run", a + root.substr(0, 21) + a, "TW"},
      {"the file starts so", root.substr(0, 25) + a, "0W"},
      {"the file starts with the text's first byte", root.substr(0, 1) + a, "0W"},
      {"... with all but its last", root.substr(0, 21) + a, "0W"},
      {"... with other bytes", "VORX" + a, ""},
      {"a line holding the root text alone, then a run", a + "x" + root.substr(0, 22) + "\r\n" + a, "WW"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    std::vector<ReportMachine> m;
    try {
      m = ReadReportBytes(c.bytes, "A.LOG");
    } catch (const InputError& e) {
      EXPECT_STREQ(c.runs, "") << e.what();
      continue;
    }
    std::string runs;
    for (const ReportMachine& r : m) runs += r.log.empty() ? '0' : r.truncated ? 'T' : 'W';
    EXPECT_EQ(runs, c.runs);
    for (const ReportMachine& r : m) {
      if (r.log.empty()) {
        EXPECT_TRUE(r.truncated && r.lastLineNumber == 0 && r.lastLine.empty());
      }
    }
  }
}

// Free-form texts shaped like the report's structure stay where the report
// put them: a font line ends in a blank, a provider's in its version, a
// window's starts with "HWND = ", and a win.ini line keeps its LF (or CR LF)
// even around a whole root line, in the log as written and converted.
TEST(LogRuns, FreeFormTextsThatLookLikeHeadersStayPut) {
  const std::string profile =
      "VORNAK95-PROFILE 1\n"
      "fonts = 2\nfont = \"Banding Need \" \"Yes\"\nfont = \"Version\" \"4.10\"\n"
      "dplayprovider = \"\" \"Device CAPS(IPX)\" 1 0\ndplay = 1 0 0 0 0 0 0 0 0 0 0\n"
      "windows = 1\nwindow = 1 \"Initial File\" 0\n"
      "windir = 1 \"C:\\5cW\"\n"
      "file \"C:\\5cW\\5cwin.ini\" = 1 \"SYSTEM.INI\\0aDrive Info\\0d\\0aVORNAK for Windows95 [x]\\0a"
      "a=VORNAK for Windows95 [Win32s mode]\\0ab=VORNAK for Windows95 [Win32s mode]\\0d\\0d\\0a\"\n";
  fuzz::Replayed r = fuzz::ReplayOne(profile);
  ASSERT_TRUE(r.parsed) << r.error;
  for (bool lf : {false, true}) {
    SCOPED_TRACE(lf ? "LF" : "CR LF");
    std::vector<LogRun> runs = ReadLog(lf ? WithLf(r.log) : r.log, "x.LOG");
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].outline.Dump(), fuzz::FlatThreadDump(r.tree));
  }
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// What is not a log or a profile is refused with the file's name, and the
// line where the log stops being one.
TEST(ReportInput, RefusesWhatIsNeitherLogNorProfile) {
  test::ScratchDir dir;
  const std::string log = ReplayedLog("live/wine-98.profile");
  const std::string huge = log.substr(0, 80) + std::string(10 << 20, 'x') + "\r\n";
  const struct {
    const char* name;
    std::string bytes;
    const char* message;  // after the file's name
  } kCases[] = {
      {"empty", "", ": not a VORNAK95 log or profile"},
      {"text", "Hello\r\n", ": not a VORNAK95 log or profile"},
      {"binary", std::string("\x7f" "ELF\x01\x01\x01\0\0\0", 10), ": not a VORNAK95 log or profile"},
      {"leading blank", " " + log, ": not a VORNAK95 log or profile"},
      {"NUL in a line", log.substr(0, 90) + '\0' + log.substr(90), ":3: a NUL byte"},
      {"zeros, then text", log.substr(0, 90) + std::string(9, '\0') + "x\r\n", ":3: a NUL byte"},
      {"10 MB line", huge, ":3: a line longer than 64 KB"},
      {"bad profile", "VORNAK95-PROFILE 1\nvendor = 12\n", ":2: "},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir.Path("F");
    WriteFile(path, c.bytes);
    try {
      ReadReportFile(path);
      ADD_FAILURE() << "read";
    } catch (const InputError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(path + c.message, 0), 0u) << e.what();
    }
  }
}

// Past the size cap, whether stat tells the size (a sparse file: nothing
// is read) or not (a device: the read stops one buffer past the cap, here a
// cap of 1 MB).
TEST(ReportInput, RefusesAFilePastTheCap) {
  test::ScratchDir dir;
  const std::string sparse = dir.Path("big.LOG");
  WriteFile(sparse, "VORNAK for Windows95 [");
  ASSERT_EQ(truncate(sparse.c_str(), static_cast<off_t>(kMaxReportInputBytes) + 1), 0);
  const struct {
    std::string path;
    size_t cap;
    const char* message;
  } kCases[] = {
      {sparse, kMaxReportInputBytes, ": expected a log or profile of at most 64 MB, the file is larger"},
      {"/dev/zero", 1 << 20, ": expected a log or profile of at most 1 MB, the file is larger"},
  };
  for (const auto& c : kCases) {
    try {
      ReadFileCapped(c.path, c.cap, "a log or profile");
      ADD_FAILURE() << c.path << " read";
    } catch (const InputError& e) {
      EXPECT_EQ(std::string(e.what()), c.path + c.message);
    }
  }
  EXPECT_THROW(ReadReportFile(sparse), InputError);
}

// Past the cap, a file that starts as a log or a profile is ours all the
// same (a log grows by appending): an InputError, named by a site. Any
// other is foreign, skipped without a word. Only its first bytes are read.
TEST(ReportInput, PastTheCapOursByItsFirstBytes) {
  test::ScratchDir dir;
  const size_t over = kMaxReportInputBytes + 1;
  const struct {
    const char* name;
    std::string start;
    bool ours;
  } kCases[] = {
      {"a log", "VORNAK for Windows95 [Windows 95/98/98SE [chicago]  mode]\r\n", true},
      {"a profile", "VORNAK95-PROFILE 1\n", true},
      {"a root line cut short", "VORNAK for Windows95 ", false},
      {"zeros", "", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir.Path(c.name);
    WriteFile(path, c.start);
    ASSERT_EQ(truncate(path.c_str(), static_cast<off_t>(over)), 0);
    for (const bool inMemory : {false, true}) {
      try {
        if (inMemory) {
          std::string bytes = c.start;
          bytes.resize(over);
          ReadReportBytes(bytes, path);
        } else {
          ReadReportFile(path);
        }
        ADD_FAILURE() << "read";
      } catch (const ForeignFileError& e) {
        EXPECT_FALSE(c.ours) << e.what();
      } catch (const InputError& e) {
        EXPECT_TRUE(c.ours) << e.what();
        EXPECT_EQ(std::string(e.what()), path + ": expected a log or profile of at most 64 MB, the file is larger");
      }
    }
  }
}

// Report lines against the formats that print them.
TEST(LineShape, FitsWhatTheFormatPrints) {
  const struct {
    const char* line;
    const char* format;
    bool fits;
  } kCases[] = {
      {"Caps : f5408660", "Caps : %x", true},
      {"Caps : ", "Caps : %x", false},         // a number has a digit
      {"Version : 4.10", "Version : %d.%.2d", true},
      {"Version : 4.10 ", "Version : %d.%.2d", false},  // whole line: a font's trailing blank
      {"Clock    :  500 MHz", "Clock    : %4d MHz", true},  // padding
      {"100% Used", "%d%% Used", true},
      {"[", "[%s", true},                      // %s may be empty
      {"a : b : c ", "%s : %s ", true},         // the first %s shortest, then backtracked
      {"a : b", "%s : %s ", false},
      {"--- C ---", "--- %c ---", true},
      {"--- CD ---", "--- %c ---", false},
  };
  for (const auto& c : kCases) EXPECT_EQ(FitsFormat(c.line, c.format), c.fits) << c.line << " / " << c.format;
}

}  // namespace
}  // namespace vornak
