// Window list, initialisation files and drives, from profiles.

#include "probes/drive_info.h"
#include "probes/ini_files.h"
#include "probes/text_mode_file.h"
#include "probes/window_list.h"
#include "run/analysis_run.h"
#include "section_fixture.h"

namespace vornak {
namespace {

using profile::FormatLine;
using profile::Num;
using profile::Str;

// The outline under `parent`, two blanks per level, with control bytes,
// bytes above 0x7E and the backslash written \hh so that LF and CR show.
std::string Escaped(const MemoryOutline& o, Item parent, int depth = 0) {
  std::string out;
  for (Item c : o.Children(parent)) {
    out.append(depth * 2, ' ');
    for (unsigned char ch : o.FullText(c)) {
      char hex[4];
      std::snprintf(hex, sizeof hex, "\\%02x", ch);
      out += (ch < 0x20 || ch > 0x7E || ch == '\\') ? std::string(hex) : std::string(1, ch);
    }
    out += '\n' + Escaped(o, c, depth + 1);
  }
  return out;
}

// The lines one section adds under a "top" item, over profile lines.
template <class Section>
std::vector<std::string> RunLines(const std::string& lines, Section section) {
  test::SectionReport r(lines, "top");
  section(r.a, r.root);
  return r.Lines(r.root);
}

TEST(FilesSections, WholeReportOfAMachineMatchesItsFixture) {
  const std::string dir = std::string(VORNAK_SOURCE_DIR) + "/tests/profiles/files/";
  ProfileMachine m(profile::Profile::Load(dir + "machine.profile"));
  test::RecordingShell shell;
  MemoryOutline o;
  ReportHost host(m, shell);
  host.CreateTree(o, 0, 100, 100);
  host.RunAnalysis(nullptr);
  test::ExpectMatchesFixture(Escaped(o, kNoItem), dir + "expected.outline");
}

std::string Windows(size_t count, const std::string& title = "w") {
  std::string lines = FormatLine("windows", {}, {Num(static_cast<uint32_t>(count))});
  for (size_t i = 0; i < count; ++i)
    lines += FormatLine("window", {}, {Num(static_cast<uint32_t>(0x100 + i)), Str(title), Num(0)});
  return lines;
}

TEST(WindowList, KeepsTheFirst512Records) {
  for (size_t count : {512, 600}) {
    std::vector<std::string> lines = RunLines(Windows(count), WindowListSection);
    ASSERT_EQ(lines.size(), 512u) << count;
    EXPECT_EQ(lines.back(), "HWND = 0x000002ff w");
  }
}

TEST(WindowList, LongTitlesAreCutTo255Characters) {
  for (size_t length : {255, 256, 4000}) {
    std::vector<std::string> lines = RunLines(Windows(1, std::string(length, 'T')), WindowListSection);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "HWND = 0x00000100 " + std::string(255, 'T'));
  }
}

struct PiecesCase {
  std::string bytes;
  std::vector<std::string> pieces;
};

TEST(TextModeFile, ReadsAsMsvcrtFgetsDoes) {
  const std::string x254(254, 'x'), x255(255, 'x');
  const PiecesCase cases[] = {
      {"", {}},
      {"a\r\nb", {"a\n", "b"}},
      {"a\r\r\nb\r", {"a\r\n", "b\r"}},               // only CR LF pairs are joined
      {"[a]\rk=1\r", {"[a]\rk=1\r"}},                 // CR-only line ends: one line
      {"a\r\n\x1a" "b\r\n", {"a\n"}},                 // Ctrl-Z ends the file
      {std::string("a\0b\n", 4), {std::string("a\0b\n", 4)}},
      {x254 + "\r\n", {x254 + "\n"}},                 // CR LF across the piece limit
      {x255 + "\n", {x255, "\n"}},
      {std::string(600, 'y'), {std::string(255, 'y'), std::string(255, 'y'), std::string(90, 'y')}},
  };
  for (const PiecesCase& c : cases) {
    TextModeFile f(c.bytes);
    std::vector<std::string> got;
    for (std::string piece; f.Gets(piece);) got.push_back(piece);
    EXPECT_EQ(got, c.pieces);
  }
}

TEST(IniFiles, NothingWithoutTheFileOrTheWindowsDirectory) {
  const std::string unreadable = FormatLine("windir", {}, {Num(1), Str("C:\\WINDOWS")}) +
                                 FormatLine("file", {Str("C:\\WINDOWS\\win.ini")}, {Num(0), Str("")});
  const std::string noWindir = FormatLine("file", {Str("\\win.ini")}, {Num(1), Str("[a]\n")});
  for (const std::string& lines : {unreadable, noWindir, std::string()})
    EXPECT_TRUE(RunLines(lines, WinIniSection).empty());
}

// A win.ini of the given bytes, handed over directly: a profile's escaped
// text of many megabytes would take longer to parse than the section to run.
struct IniMachine : Machine {
  std::string bytes;
  std::optional<std::string> WindowsDirectory() override { return std::string("C:\\WINDOWS"); }
  std::optional<std::string> ReadFileBytes(const std::string&) override { return bytes; }
};

TEST(IniFiles, ManyMegabytesTakeLinearTime) {
  // 16 MB in one line without an end (65793 equal pieces that merge, then a
  // last piece of one character, skipped) and 16 MB of NUL bytes (all
  // skipped): a quadratic reader would take hours, far past the test's
  // time-out, so no clock is read here.
  for (char fill : {'a', '\0'}) {
    IniMachine m;
    m.bytes.assign(16u << 20, fill);
    MemoryOutline o;
    ReportTree tree(o);
    test::RecordingShell shell;
    Analysis a{tree, m, shell};
    const Item file = tree.AddRootItem("WIN.INI");
    WinIniSection(a, file);
    EXPECT_EQ(o.Children(file).size(), fill ? 1u : 0u);
  }
}

TEST(Drives, OddFreeSpaceAnswersGiveSaneLines) {
  struct Case {
    const char* diskfree;
    const char* clusters;
    const char* free;
  } const cases[] = {
      {"1 1 200 5 0", "Clusters : 5 / 0 [0% Used]", "Free Bytes      : 2 KB"},
      {"1 1 200 7d0 3e8", "Clusters : 2000 / 1000 [0% Used]", "Free Bytes      : 1000 KB"},
      {"1 0 0 0 0", "Clusters : 0 / 0 [100% Used]", "Free Bytes      : 0 KB"},
      {"1 1 3e8 3 3", "Clusters : 3 / 3 [0% Used]", "Free Bytes      : 2 KB"},  // rounded down
      {"1 ffffffff ffffffff ffffffff 1", "Clusters : 4294967295 / 1 [0% Used]",
       "Free Bytes      : 17592186044415 GB"},
  };
  for (const Case& c : cases) {
    std::string lines = "volumeinfo \"C:\\5c\" = 1 \"\" \"FAT\" 0 c 0\n";
    lines += std::string("diskfree \"C:\\5c\" = ") + c.diskfree + "\n";
    std::vector<std::string> got = RunLines(lines, [](Analysis& a, Item i) { VolumeSection(a, 2, i); });
    ASSERT_EQ(got.size(), 12u) << c.diskfree;
    EXPECT_EQ(got[8], c.clusters);
    EXPECT_EQ(got[11], c.free);
  }
}

}  // namespace
}  // namespace vornak
