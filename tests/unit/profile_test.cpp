// Machine profiles: the text format, its errors, and record then replay.
#include "test_support.h"

namespace vornak {
namespace {

using profile::Field;
using profile::Fields;
using profile::Profile;
using profile::ProfileError;

struct BadProfile {
  const char* name;
  std::string text;
  int line;
  const char* expected;  // part of the message
};

class ProfileErrors : public ::testing::TestWithParam<BadProfile> {};

TEST_P(ProfileErrors, NameFileLineAndWhatWasExpected) {
  const BadProfile& c = GetParam();
  try {
    Profile::Parse(c.text, "m.profile");
    FAIL() << "parsed";
  } catch (const ProfileError& e) {
    EXPECT_EQ(e.file, "m.profile");
    EXPECT_EQ(e.line, c.line);
    EXPECT_NE(std::string(e.what()).find(c.expected), std::string::npos) << e.what();
    EXPECT_EQ(std::string(e.what()).rfind("m.profile:" + std::to_string(c.line) + ": ", 0), 0u);
  }
}

const std::string kHead = "VORNAK95-PROFILE 1\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileErrors,
    ::testing::Values(
        BadProfile{"WrongFirstLine", "VORNAK95-PROFILE 2\n", 1, "expected the first line"},
        BadProfile{"Empty", "", 1, "empty file"},
        BadProfile{"Binary", std::string("\x7f" "ELF\x01\x01\0\0", 8), 1, "first line"},
        BadProfile{"UnknownKey", kHead + "# ok\nvolts = 00000001\n", 3, "unknown key \"volts\""},
        BadProfile{"BadNumber", kHead + "version = 0000g001\n", 2, "hexadecimal number"},
        BadProfile{"TooLong", kHead + "version = 123456789\n", 2, "1 to 8 digits"},
        BadProfile{"BadEscape", kHead + "vendor = \"Genu\\4gine\"\n", 2, "two hexadecimal digits"},
        BadProfile{"RawControlByte", kHead + "vendor = \"a\tb\"\n", 2, "\\hh"},
        BadProfile{"Unterminated", kHead + "vendor = \"abc\n", 2, "closing quote"},
        BadProfile{"TruncatedLastLine", kHead + "version = 00000a04\nnuvash32 = 0000", 3, "cut short"},
        BadProfile{"NoEquals", kHead + "cpuid 00000001\n", 2, "expected \"=\""},
        BadProfile{"WrongValueCount", kHead + "cpuid 00000001 = 1 2 3\n", 2, "expected 4 value(s)"},
        BadProfile{"StringForNumber", kHead + "version = \"4\"\n", 2, "expected a number"},
        BadProfile{"MissingArgument", kHead + "cpuid = 1 2 3 4\n", 2, "expected 1 argument(s)"},
        // A count promises lines; a replay must never loop on a number alone.
        BadProfile{"WindowCountBeyondItsLines",
                   kHead + "windows = 80000000\nwindow = 1 \"x\" 0\n", 2,
                   "expected 2147483648 \"window\" line(s) for this count, found 1"},
        BadProfile{"FontCountWithoutLines", kHead + "# x\nfonts = 2\n", 3,
                   "expected 2 \"font\" line(s) for this count, found 0"},
        BadProfile{"ProviderCountBeyondItsLines",
                   kHead + "dplayprovider = \"g\" \"IPX\" 6 0\ndplay = 2 0 0 0 0 0 0 0 0 0 0\n", 3,
                   "\"dplayprovider\" line(s) for this count, found 1"},
        BadProfile{"SecondCountFindsTheLinesTaken",
                   kHead + "fonts = 1\nfont = \"a\" \"b\"\nfonts = 1\n", 4,
                   "expected 1 \"font\" line(s) for this count, found 0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileFormat, EveryByteValueSurvivesTheEscape) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  std::string escaped = profile::EscapeString(all);
  for (char c : escaped.substr(1, escaped.size() - 2)) {
    auto u = static_cast<unsigned char>(c);
    EXPECT_TRUE(u >= 0x20 && u < 0x7F && c != '"') << int(u);
  }
  Profile p = Profile::Parse(kHead + "vendor = " + escaped + "\n", "x");
  const Fields* f = p.Take("vendor", {});
  ASSERT_NE(f, nullptr);
  EXPECT_EQ((*f)[0].text, all);
}

TEST(ProfileFormat, RepeatedQuestionsTakeTheirAnswersInOrderThenRepeatTheLast) {
  Profile p = Profile::Parse(kHead +
                                 "kernel \"SpeedInt\" = 00000005\n"
                                 "cpuid 00000001 = 673 0 0 387f9ff\n"
                                 "kernel \"SpeedInt\" = 3\n"
                                 "cpuid 0 = 2 756e6547 6c65746e 49656e69\r\n",
                             "x");
  auto kernel = [&] { return (*p.Take("kernel", {profile::Str("SpeedInt")}))[0].number; };
  EXPECT_EQ(kernel(), 5u);
  EXPECT_EQ(kernel(), 3u);
  EXPECT_EQ(kernel(), 3u);
  EXPECT_EQ((*p.Take("cpuid", {profile::Num(1)}))[3].number, 0x387f9ffu);
  EXPECT_EQ((*p.Take("cpuid", {profile::Num(0)}))[1].number, 0x756e6547u);
  EXPECT_EQ(p.Take("cpuid", {profile::Num(2)}), nullptr);
}

// A question is matched by its meaning, not its spelling (leading zeros,
// capitals, escaped bytes), and its answers keep their file order, however
// many (an unstable sort reorders more than sixteen).
TEST(ProfileFormat, AnswersByQuestionInFileOrder) {
  std::string text = kHead + "cpuid 1 = 0 0 0 0\ncpuid 0000000A = a 0 0 0\ncpuid 00000001 = 1 0 0 0\n";
  for (uint32_t i = 0; i < 300; ++i)
    text += profile::FormatLine("kernel", {profile::Str("SpeedInt")}, {profile::Num(i)}) +
            profile::FormatLine("version", {}, {profile::Num(i)});
  text += "kernel \"\\53peedInt\" = 12c\ncpuid a = b 0 0 0\n";
  Profile p = Profile::Parse(text, "x");
  for (uint32_t i = 0; i <= 300; ++i) ASSERT_EQ((*p.Take("kernel", {profile::Str("SpeedInt")}))[0].number, i);
  for (uint32_t want : {0, 1, 1}) EXPECT_EQ((*p.Take("cpuid", {profile::Num(1)}))[0].number, want);
  for (uint32_t want : {10, 11}) EXPECT_EQ((*p.Take("cpuid", {profile::Num(10)}))[0].number, want);
}

// The lines of a counted list are taken once each: a count asked again (the
// last answer repeats) finds them used up instead of looping on the last one.
TEST(ProfileReplay, CountedListsEndWithTheirLines) {
  ProfileMachine m = test::MachineFrom(
      "windows = 2\nwindow = 1 \"a\" 0\nwindow = 2 \"b\" 1\n"
      "fonts = 1\nfont = \"Regular\" \"Arial\"\n");
  EXPECT_EQ(m.BroadcastPaint().size(), 2u);
  EXPECT_EQ(m.BroadcastPaint().size(), 0u);
  EXPECT_EQ(m.FontFamilies().size(), 1u);
  EXPECT_EQ(m.FontFamilies().size(), 0u);
}

TEST(ProfileLoad, RefusesAFileLargerThanTheLimitBeforeReadingIt) {
  test::ScratchDir dir;
  const std::string path = dir.Path("huge.profile");
  {
    std::ofstream(path, std::ios::binary) << "VORNAK95-PROFILE 1\n";
  }
  // A sparse file: no time or disk spent on its size.
  std::filesystem::resize_file(path, profile::kMaxProfileBytes + 1);
  try {
    Profile::Load(path);
    FAIL() << "loaded";
  } catch (const ProfileError& e) {
    EXPECT_EQ(std::string(e.what()), path + ": expected a profile of at most 64 MB, the file is larger");
  }
}

// A live machine with fixed, distinctive answers for the record round trip.
class FakeLive : public Machine {
 public:
  uint32_t GetVersion() override { return 0xC0000A04; }
  uint32_t Nuvash32Version() override { return 0x0102; }
  CpuidRegs Cpuid(uint32_t leaf) override { return {leaf + 1, 0x756e6547, 0, 0xFFFFFFFF}; }
  std::string CpuidVendor() override { return "Genu\\ine\"\x83\x41\n"; }
  uint32_t RunKernel(Kernel k) override { return 100 + static_cast<uint32_t>(k) + runs_++; }
  std::optional<uint16_t> BiosWord(uint32_t offset) override {
    if (offset == 0x86) return 0x0400;
    return std::nullopt;
  }
  std::vector<FontFamily> FontFamilies() override { return {{"Regular", "Arial"}, {"Bold", "\x82\x6c\x82\x72"}}; }
  std::optional<std::string> ReadFileBytes(const std::string& p) override {
    if (p == "C:\\WINDOWS\\win.ini") return std::string("[mail]\r\nMAPI=1\r\n\0x", 18);
    return std::nullopt;
  }
  DirectPlayAnswer ProbeDirectPlay() override {
    DirectPlayAnswer a;
    a.providers = {{std::string(16, '\x01'), "TCP/IP", 4, 5}, {std::string(16, '\0'), "IPX", 6, 0}};
    a.attempted = true;
    a.create = 0;
    a.getCaps = 0x80004001;
    return a;
  }
  int runs_ = 0;
};

TEST(ProfileRecord, ReplayGivesTheLiveAnswersBack) {
  test::ScratchDir dir;
  std::string path = dir.Path("m.profile");
  FakeLive live;
  auto ask = [](Machine& m) {
    std::string s;
    s += std::to_string(m.GetVersion()) + "|" + std::to_string(m.Nuvash32Version()) + "|";
    s += std::to_string(m.Cpuid(1).eax) + "," + std::to_string(m.Cpuid(0x80000000).edx) + "|";
    s += m.CpuidVendor() + "|";
    s += std::to_string(m.RunKernel(Kernel::SpeedInt)) + "," + std::to_string(m.RunKernel(Kernel::SpeedInt)) + "|";
    auto w = m.BiosWord(0x86), w2 = m.BiosWord(0x101);
    s += (w ? std::to_string(*w) : "none") + "," + (w2 ? std::to_string(*w2) : "none") + "|";
    for (const FontFamily& f : m.FontFamilies()) s += f.style + ":" + f.fullName + ";";
    s += m.ReadFileBytes("C:\\WINDOWS\\win.ini").value_or("none") + "|";
    s += m.ReadFileBytes("C:\\WINDOWS\\system.ini").value_or("none") + "|";
    DirectPlayAnswer d = m.ProbeDirectPlay();
    for (const auto& p : d.providers) s += p.name + std::to_string(p.minor) + p.guid;
    s += std::to_string(d.getCaps);
    return s;
  };
  std::string liveAnswers;
  {
    ProfileWriter writer(path);
    ASSERT_TRUE(writer.Ok());
    ProfileMachine recorder(live, writer);
    liveAnswers = ask(recorder);
  }
  ProfileMachine replay(Profile::Load(path));
  EXPECT_EQ(ask(replay), liveAnswers);
}

TEST(ProfileRecord, AFailedWriteIsNamed) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  ProfileWriter writer("/dev/full");
  ASSERT_TRUE(writer.Ok());
  FakeLive live;
  ProfileMachine recorder(live, writer);
  recorder.GetVersion();
  EXPECT_FALSE(writer.Close());
  EXPECT_NE(writer.Failure().find("/dev/full: cannot write the profile"), std::string::npos)
      << writer.Failure();
}

TEST(ProfileReplay, UnansweredQuestionsGetTheDefaults) {
  ProfileMachine m = test::MachineFrom("");
  EXPECT_EQ(m.CheckCpuid(), 0u);
  EXPECT_EQ(m.ReadCyrixReg(0x1FE), 0x1FFu);
  EXPECT_EQ(m.FDivDetect(), 1u);
  EXPECT_FALSE(m.BiosWord(0x86).has_value());
  EXPECT_FALSE(m.WindowsDirectory().has_value());
  EXPECT_EQ(m.ProbeDirectDraw(false).create, 0x80004005u);
  EXPECT_EQ(m.JoyGetDevCaps(0).result, 6u);
  EXPECT_EQ(m.Convert2PointMem(3), 16666666u);
  EXPECT_EQ(m.Convert2Point(0), 0u);
}

}  // namespace
}  // namespace vornak
