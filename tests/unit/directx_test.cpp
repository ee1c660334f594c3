// The DirectX section over replayed answers: decoding of the capability
// records, the provider table, joysticks and every failure line.
#include <algorithm>
#include <cstdio>

#include "probes/directx_section.h"
#include "run/analysis_run.h"
#include "test_support.h"

namespace vornak {
namespace {

// "key args = values" with every number in hexadecimal.
std::string Line(const std::string& head, std::initializer_list<uint32_t> values,
                 size_t padTo = 0) {
  std::string s = head + " =";
  size_t n = 0;
  for (uint32_t v : values) {
    char hex[12];
    std::snprintf(hex, sizeof hex, " %08x", v);
    s += hex;
    ++n;
  }
  for (; n < padTo; ++n) s += " 00000000";
  return s + "\n";
}

std::string Provider(const std::string& guid, const std::string& name, uint32_t major,
                     uint32_t minor) {
  char nums[32];
  std::snprintf(nums, sizeof nums, " %08x %08x\n", major, minor);
  return "dplayprovider = \"" + guid + "\" \"" + name + "\"" + nums;
}

struct Report {
  explicit Report(const std::string& profile) : machine(test::MachineFrom(profile)) {}
  // The sub-section under a "DirectX" root, as the outline dump shows it.
  std::string Run(void (*section)(Analysis&, Item)) {
    section(a, tree.AddRootItem("DirectX"));
    return outline.Dump();
  }
  ProfileMachine machine;
  MemoryOutline outline;
  ReportTree tree{outline};
  test::RecordingShell shell;
  Analysis a{tree, machine, shell};
};

bool Has(const std::string& dump, const std::string& line) {
  return dump.find("\n" + line + "\n") != std::string::npos;
}

TEST(DirectXSection, EveryComponentFailingStillGivesSixChildrenWithTheirErrors) {
  Report r("d3d = 80004005 00000000\n");  // everything else: the defaults of a bare machine
  const Item root = r.tree.AddRootItem("root");
  DirectXSection(r.a, root);
  EXPECT_EQ(r.outline.Dump(),
            "root\n"
            "  DirectX\n"
            "    Direct3D\n"
            "      Initialize Error:Direct3DRMCreate\n"
            "    DirectDraw\n"
            "      Initialize Error:DirectDrawCreate\n"
            "    DirectDraw2\n"
            "      Initialize Error:DirectDrawCreate\n"
            "    DirectSound\n"
            "      Initialize Error:DirectSoundCreate\n"
            "    DirectPlay\n"
            "      Device CAPS(IPX)\n"
            "        Could't get CAPS(IPX)\n"
            "    DirectInput\n"
            "      #of Joystics Devices : 0\n"
            "      JoyStick1 not found\n"
            "      JoyStick2 not found\n");
  EXPECT_TRUE(r.outline.Expanded(r.outline.Find(root, "DirectX")));
  EXPECT_EQ(r.shell.history,
            (std::vector<std::string>{"System Analyzing [Direct Draw]", "System Analyzing [Direct Draw]",
                                      "System Analyzing [Direct Draw2]", "System Analyzing [Direct Sound]",
                                      "System Analyzing [Direct Play]", "System Analyzing [Direct Input]"}));
}

TEST(DirectXSection, ComesRightAfterTheVersionLinesOfTheRun) {
  ProfileMachine m = test::MachineFrom("");
  test::RecordingShell shell;
  MemoryOutline o;
  ReportHost host(m, shell);
  host.CreateTree(o, 0, 100, 100);
  host.StartAnalyzCommand();
  std::vector<std::string> top = test::ChildTexts(o, o.Root());
  ASSERT_GE(top.size(), 4u);
  EXPECT_EQ(top[2], "DirectX");
  EXPECT_EQ(top[3], "Windows");
}

struct StepFailure {
  const char* profile;
  void (*section)(Analysis&, Item);
  const char* expected;
};

class DirectXFailureLines : public ::testing::TestWithParam<StepFailure> {};

TEST_P(DirectXFailureLines, EndTheSubSection) {
  Report r(GetParam().profile);
  EXPECT_EQ(r.Run(GetParam().section), GetParam().expected);
}

const std::string kDdraw2QiFails = Line("ddraw 00000002", {0, 0x80004002}, 26);
const std::string kDdrawCoopFails = Line("ddraw 00000001", {0, 0, 0x80070057}, 26);
const std::string kDdrawInvalidObject = Line("ddraw 00000001", {0, 0, 0, 0x88760082}, 26);
const std::string kDdraw2InvalidParams = Line("ddraw 00000002", {0, 0, 0, 0x80070057}, 26);
const std::string kDdrawOtherCode = Line("ddraw 00000001", {0, 0, 0, 0x8876021c}, 26);
const std::string kDsoundCaps = Line("dsound", {0, 0x80004005}, 23);

// Case names: the sub-section and its failure, "DirectDraw_SetCooperativeLevel".
std::string StepName(const ::testing::TestParamInfo<StepFailure>& info) {
  std::istringstream lines(info.param.expected);
  std::string top, section, last;
  std::getline(lines, top);
  std::getline(lines, section);
  if (!std::getline(lines, last)) last = "Ok";
  for (const char* prefix : {"Initialize Error:", "ERRCODE:"}) {
    size_t at = last.find(prefix);
    if (at != std::string::npos) last.erase(0, at + std::string(prefix).size());
  }
  return test::TextName(section) + "_" + test::TextName(last);
}
INSTANTIATE_TEST_SUITE_P(
    Steps, DirectXFailureLines,
    ::testing::Values(
        StepFailure{"d3d = 00000000 80004001\n", Direct3DSection,
                    "DirectX\n  Direct3D\n    Initialize Error:GetDevices\n"},
        StepFailure{"d3d = 00000000 00000000\n", Direct3DSection, "DirectX\n  Direct3D\n"},
        StepFailure{kDdraw2QiFails.c_str(), DirectDraw2Section,
                    "DirectX\n  DirectDraw2\n    Initialize Error:QueryInterface:DirectDraw2\n"},
        StepFailure{kDdrawCoopFails.c_str(), DirectDrawSection,
                    "DirectX\n  DirectDraw\n    Initialize Error:SetCooperativeLevel\n"},
        StepFailure{kDdrawInvalidObject.c_str(), DirectDrawSection,
                    "DirectX\n  DirectDraw\n    ERRCODE:DDERR_INVALIDOBJECT\n"},
        StepFailure{kDdraw2InvalidParams.c_str(), DirectDraw2Section,
                    "DirectX\n  DirectDraw2\n    ERRCODE:DDERR_INVALIDPARAMS\n"},
        StepFailure{kDdrawOtherCode.c_str(), DirectDrawSection,
                    "DirectX\n  DirectDraw\n    ERRCODE:8876021c\n"},
        StepFailure{kDsoundCaps.c_str(), DirectSoundSection,
                    "DirectX\n  DirectSound\n    Initialize Error:DirectSound(GetCaps)\n"}),
    StepName);

TEST(DirectDrawCaps, OnlyTheBlitFlagSetGivesOneYes) {
  Report r(Line("ddraw 00000001", {0, 0, 0, 0, 0x40}, 26));
  const std::string dump = r.Run(DirectDrawSection);
  EXPECT_TRUE(Has(dump, "          capable of blit operations : YES"));
  EXPECT_EQ(std::count(dump.begin(), dump.end(), '\n'), 2 + 2 * 50);  // 50 lines a record
  // Per record: 32 caps lines, 2 caps2 lines, all NO but the one.
  size_t yes = 0, no = 0;
  for (size_t p = 0; (p = dump.find(" : YES\n", p)) != std::string::npos; ++p) ++yes;
  for (size_t p = 0; (p = dump.find(" : NO\n", p)) != std::string::npos; ++p) ++no;
  EXPECT_EQ(yes, 1u);
  EXPECT_EQ(no, 2 * 34u - 1);
  const std::string head =
      "DirectX\n  DirectDraw\n    Device Driver\n      Caps : 40\n        General Support\n"
      "          Hardware 3D Accela support : NO\n";
  EXPECT_EQ(dump.substr(0, head.size()), head);
  EXPECT_TRUE(Has(dump, "    Hardware Emulation"));
  EXPECT_TRUE(Has(dump, "      Caps : 0"));
}

TEST(DirectDrawCaps, MemoryInWholeMegabytesAndTheOtherFields) {
  struct Case {
    uint32_t bytes;
    const char* line;
  } cases[] = {{4194304, "Total Video Memory : 4 MB"}, {4194303, "Total Video Memory : 3 MB"}};
  for (const Case& c : cases) {
    DdCaps caps;
    caps.vidMemTotal = c.bytes;
    caps.vidMemFree = 0x180000;
    caps.caps2 = 0x3;
    caps.zBufferBitDepths = 0x400;
    caps.alphaOverlaySurfaceBitDepths = 8;
    Report r("");
    const Item device = r.tree.AddRootItem("device");
    DirectDrawCapsLines(r.a, device, caps);
    const std::vector<std::string> lines = test::ChildTexts(r.outline, device);
    EXPECT_EQ(lines, (std::vector<std::string>{"Caps : 0", "Caps2 : 3", c.line, "Free Video Memory : 1 MB",
                                               "Z-Buffer Bit Depths : 1024", "Alpha"}));
    const std::vector<std::string> alpha = test::ChildTexts(r.outline, r.outline.Find(device, "Alpha"));
    ASSERT_EQ(alpha.size(), 6u);
    EXPECT_EQ(alpha.back(), "Overlay Surface Bit Depths: 8");
    for (const std::string& t : test::ChildTexts(r.outline, r.outline.Find(device, "Caps2 : 3")))
      EXPECT_EQ(t.substr(t.size() - 6), " : YES");
  }
}

TEST(DirectSound, ContinuousRatesAddTheirOwnHeading) {
  const std::string with = Line("dsound", {0, 0, 0x50, 4000, 48000, 1}, 23);
  const std::string without = Line("dsound", {0, 0, 0x20, 4000, 48000, 1}, 23);
  const std::string a = Report(with).Run(DirectSoundSection);
  const std::string head =
            "DirectX\n  DirectSound\n"
            "    This driver has been tested and certified by Microsoft\n"
            "    device supports all sample rates\n"
            "      Min Sample Rate = 4000 \n"
            "      Max Sample Rate = 48000 \n"
            "    Primary Buffers = 1\n"
            "    Min Secoundary Sample Rate = 4000\n"
            "    Max Secoundary Sample Rate = 48000\n"
            "    Total Hardware Memory = 0 Bytes\n";
  EXPECT_EQ(a.substr(0, head.size()), head);
  EXPECT_TRUE(Has(a, "    Hardware 3D Sound"));
  EXPECT_TRUE(Has(a, "      Free Streaming Buffers = 0"));

  const std::string b = Report(without).Run(DirectSoundSection);
  EXPECT_EQ(b.find("device supports all sample rates"), std::string::npos);
  EXPECT_EQ(b.find("certified"), std::string::npos);
  EXPECT_TRUE(Has(b, "    The device does not have a DirectSound driver installed"));
  EXPECT_TRUE(Has(b, "    Min Secoundary Sample Rate = 4000"));
  EXPECT_TRUE(Has(b, "    Max Secoundary Sample Rate = 48000"));
}

TEST(DirectPlay, ProvidersWithTheirVersionsAndTheCapsOfTheFirst) {
  const std::string profile = Provider("0123456789abcdef", "TCP/IP", 4, 5) +
                              Provider("fedcba9876543210", "IPX", 4, 0x10) +
                              Line("dplay", {2, 1, 0, 0, 0x10028, 7, 1024, 16, 0x1ffff, 288, 500});
  EXPECT_EQ(Report(profile).Run(DirectPlaySection),
            "DirectX\n  DirectPlay\n"
            "    TCP/IP version 4.05\n"
            "    IPX version 4.10\n"
            "    Device CAPS(IPX)\n"
            "      DirectPlay Guranteed\n"
            "      DirectPlay supports NameServer\n"
            "      DirectPlay supports NameService\n"
            "      DPCAPS Size = 40\n"
            "      Max Buffer Size = 1024\n"
            "      Max Queue Size = 16\n"
            "      Max Players= 65535\n"
            "      Transfer Rate = 28800 bps\n"
            "      Latency = 500\n");
}

TEST(DirectPlay, CreationOrCapsFailureGivesTheSameLine) {
  for (const auto& codes : {std::pair<uint32_t, uint32_t>{0x80004005, 0}, {0, 0x80004001}}) {
    Report r(Provider("0123456789abcdef", "Modem", 6, 0) +
             Line("dplay", {1, 1, codes.first, codes.second, 40}, 11));
    EXPECT_TRUE(Has(r.Run(DirectPlaySection), "      Could't get CAPS(IPX)"));
  }
}

TEST(DirectPlayProbe, TenSlotsFirstComeAndNamesCutTo127) {
  std::string profile;
  for (int i = 0; i < 11; ++i) profile += Provider("0123456789abcde" + std::to_string(i % 10),
                                                   "P" + std::to_string(i), 1, 0);
  profile += Line("dplay", {11, 1, 0, 0}, 11);
  Report r(profile);
  DirectPlayProbe probe(r.machine);
  ASSERT_EQ(probe.Count(), 10u);
  EXPECT_STREQ(probe.Slot(9).name.data(), "P9");
  EXPECT_EQ(probe.CreateAndGetCaps(probe.Slot(1).guid), 0x80004005u);  // only the first was asked
  EXPECT_FALSE(probe.Created());
  EXPECT_EQ(probe.CreateAndGetCaps(probe.Slot(0).guid), 0u);
  EXPECT_TRUE(probe.Created());

  const std::string longName(200, 'N');
  Report cut(Provider("short", longName, 1, 0) + Line("dplay", {1, 0}, 11));
  DirectPlayProbe one(cut.machine);
  ASSERT_EQ(one.Count(), 1u);
  EXPECT_EQ(std::string(one.Slot(0).name.data()), longName.substr(0, 127));
  EXPECT_EQ(one.Slot(0).guid[5], 0);  // a short GUID is padded, not over-read
  EXPECT_EQ(one.CreateAndGetCaps(one.Slot(0).guid), 0x80004005u);  // never attempted
}

TEST(Joystick, AnyFailureIsNotFoundAndEachDeviceHasItsHeading) {
  for (uint32_t code : {6u, 165u, 5u}) {
    char caps[160];
    std::snprintf(caps, sizeof caps,
                  "joycaps 00000000 = %08x \"\" \"\" \"\" 0 0 0 0\n"
                  "joycaps 00000001 = %08x \"\" \"\" \"\" 0 0 0 0\n", code, code);
    Report r(Line("joynum", {16}) + caps);
    EXPECT_EQ(r.Run(JoystickSection),
              "DirectX\n  DirectInput\n    #of Joystics Devices : 16\n"
              "    JoyStick1 not found\n    JoyStick2 not found\n")
        << code;
  }
  Report r(Line("joynum", {2}) +
           "joycaps 00000000 = 00000000 \"Pad\" \"Key\" \"VJOYD.VXD\" 00000001 00000002 00000004 0000007f\n"
           "joycaps 00000001 = 00000000 \"Stick\" \"Key\" \"\" 00000003 00000004 00000002 00000011\n");
  EXPECT_EQ(r.Run(JoystickSection),
            "DirectX\n  DirectInput\n    #of Joystics Devices : 2\n"
            "    JoyStick 1\n"
            "      Product Name : Pad\n      Registry Key : Key\n      OEM driver ID : VJOYD.VXD\n"
            "      Manufacture ID : 1\n      Product ID : 2\n      #of Buttons : 4\n"
            "      has point-of-view Infomation\n"
            "      has rudder(fourth axis) Infomation\n"
            "      has u-coordinate(fifth axis)Infomation\n"
            "      has v-coordinate(sixth axis)Infomation\n"
            "      has z-coordinate infomation\n"
            "      The Joystick point-of-view supports discrete values\n"
            "      The joystick point-of-view supports continuous degree bearings\n"
            "    JoyStick 2\n"
            "      Product Name : Stick\n      Registry Key : Key\n      OEM driver ID : \n"
            "      Manufacture ID : 3\n      Product ID : 4\n      #of Buttons : 2\n"
            "      has point-of-view Infomation\n"
            "      has z-coordinate infomation\n");
}

}  // namespace
}  // namespace vornak
