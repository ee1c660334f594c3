// The rows the log reader applies, in the order a run writes their lines.
// Texts come from the sections' own tables where they have one; the others
// are spelled here exactly as the sections print them.
#include "readback/log_rules.h"

#include "bench/bench_tables.h"
#include "cpu/cache_tables.h"
#include "cpu/feature_flag_tables.h"
#include "probes/display_tables.h"
#include "probes/processor_type_table.h"
#include "probes/volume_tables.h"
#include "readback/line_shape.h"
#include "report/starts_with.h"

namespace vornak {

namespace {

// line == text, without measuring the text first: most tests fail on the
// first byte, and a log line holds no NUL.
bool Is(std::string_view line, const char* text) {
  for (char c : line)
    if (*text++ != c) return false;
  return *text == '\0';
}

// "RASTER"... and "--- Function Supports ---" (display_tables.cpp).
bool IsCapabilityGroup(std::string_view line) {
  for (size_t i = 0; i < kCapabilityGroupCount; ++i)
    if (Is(line, kCapabilityGroups[i].title)) return true;
  return false;
}
bool IsCapabilitySubHeader(std::string_view line) {
  for (size_t i = 0; i < kCapabilityGroupCount; ++i)
    if (kCapabilityGroups[i].subHeader && Is(line, kCapabilityGroups[i].subHeader)) return true;
  return false;
}
// A group's line that follows its sub-header's lines but goes under the group.
bool IsBesideSubHeader(std::string_view line) {
  for (size_t i = 0; i < kCapabilityGroupCount; ++i) {
    const CapabilityGroup& g = kCapabilityGroups[i];
    if (!g.subHeader) continue;
    for (size_t j = 0; j < g.count; ++j) {
      const CapabilityLine& l = g.lines[j];
      if (l.underSubHeader) continue;
      const std::string_view format = l.format;  // "...: %s", the word last
      const std::string_view label = format.substr(0, format.find('%'));
      if (!StartsWith(line, label)) continue;
      const std::string_view word = line.substr(label.size());
      if (l.words == kYesNo ? (word == "Yes" || word == "No")
                            : (word == "Support" || word == "Not Support"))
        return true;
    }
  }
  return false;
}

bool IsProcessorType(std::string_view line) {
  for (size_t i = 0; i < kProcessorTypeCount; ++i)
    if (Is(line, kProcessorTypes[i].line)) return true;
  return Is(line, kUnknownProcessorType.line);
}

const FlagTable* const kFlagTables[] = {&kIntelFlagTable, &kAmdK5FlagTable, &kAmdFlagTable,
                                        &kAmdExtendedFlagTable};
bool IsFlagHeader(std::string_view line) {
  for (const FlagTable* t : kFlagTables)
    if (Is(line, t->header)) return true;
  return false;
}
// Two AMD listings share one header, so a flag line of any listing stays.
bool IsFlagLine(std::string_view line) {
  if (FitsFormat(line, "Spec:%.8lx")) return true;
  for (const FlagTable* t : kFlagTables)
    for (size_t i = 0; i < t->count; ++i)
      if (Is(line, t->lines[i].set) || Is(line, t->lines[i].clear)) return true;
  return false;
}

bool IsAmdCacheLine(std::string_view line) {
  for (size_t i = 0; i < kAmdCacheLineCount; ++i)
    if (FitsFormat(line, kAmdCacheLines[i].format)) return true;
  return false;
}
bool IsConfigurationLine(std::string_view line) {
  if (FitsFormat(line, "Spec:%.8lx:%.8lx:%.8lx:%.8lx")) return true;
  for (size_t i = 0; i < kCacheDescriptorCount; ++i)
    if (Is(line, kCacheDescriptors[i].text)) return true;
  return false;
}
bool IsSignatureLine(std::string_view line) {
  return FitsFormat(line, "Spec:%.4x-%.4x-%.4x-%.4x-%.4x-%.4x") ||
         FitsFormat(line, "FSB      : %.3d MHz") || FitsFormat(line, "Multiple : %d.%d Times") ||
         FitsFormat(line, "Clock    : %4d MHz");
}
bool IsNotDetect(std::string_view line) { return line == "Not Detect"; }

bool IsCompareEntry(std::string_view line, CompareKind kind) {
  for (const CompareListing* listing : {&kSpeedCompareListing, &kTimeStampCompareListing})
    for (const CompareEntry& e : *listing)
      if (e.kind == kind && Is(line, e.row.label)) return true;
  return false;
}
bool IsCompareTable(std::string_view line) { return IsCompareEntry(line, CompareKind::Table); }
bool IsCompareGroup(std::string_view line) { return IsCompareEntry(line, CompareKind::Group); }

// A drive's lines: none (no volume answer), the five facts and the flag
// lines, or those and the four free-space lines.
constexpr size_t kDriveFacts = 5 + sizeof kFileSystemFlagLines / sizeof kFileSystemFlagLines[0];
constexpr uint32_t kWholeDrive = 1u << 0 | 1u << kDriveFacts | 1u << (kDriveFacts + 4);

using P = LogPhase;
using S = LogSlot;
constexpr LogReach E = LogReach::kEntry, I = LogReach::kInPhase;
constexpr LogAfter Into = LogAfter::kInto, Back = LogAfter::kBack, Keep = LogAfter::kKeep;

// clang-format off
const LogRule kRules[] = {
  // phase         reach  shape                                        test                   under               opens               after stays             whole
  {P::kDirectX,    E, "DirectX",                                      nullptr,               S::kRoot,           S::kDirectX,        Into, nullptr,          0},
  {P::kDirectX,    I, "Direct3D",                                     nullptr,               S::kDirectX,        S::kNone,           Into, nullptr,          0},
  {P::kDirectX,    I, "DirectDraw",                                   nullptr,               S::kDirectX,        S::kDirectDraw,     Into, nullptr,          0},
  {P::kDirectX,    I, "DirectDraw2",                                  nullptr,               S::kDirectX,        S::kDirectDraw,     Into, nullptr,          0},
  {P::kDirectX,    I, "Device Driver",                                nullptr,               S::kDirectDraw,     S::kDevice,         Into, nullptr,          0},
  {P::kDirectX,    I, "Hardware Emulation",                           nullptr,               S::kDirectDraw,     S::kDevice,         Into, nullptr,          0},
  {P::kDirectX,    I, "Caps : %x",                                    nullptr,               S::kDevice,         S::kCaps,           Into, nullptr,          0},
  {P::kDirectX,    I, "General Support",                              nullptr,               S::kCaps,           S::kNone,           Into, nullptr,          0},
  {P::kDirectX,    I, "Hardware Blit function supports",              nullptr,               S::kCaps,           S::kNone,           Into, nullptr,          0},
  {P::kDirectX,    I, "Hardware Overlay",                             nullptr,               S::kCaps,           S::kNone,           Into, nullptr,          0},
  {P::kDirectX,    I, "Caps2 : %x",                                   nullptr,               S::kDevice,         S::kNone,           Into, nullptr,          0},
  {P::kDirectX,    I, "Total Video Memory : %d MB",                   nullptr,               S::kDevice,         S::kNone,           Back, nullptr,          0},
  {P::kDirectX,    I, "Alpha",                                        nullptr,               S::kDevice,         S::kNone,           Into, nullptr,          0},
  {P::kDirectX,    I, "DirectSound",                                  nullptr,               S::kDirectX,        S::kSound,          Into, nullptr,          0},
  {P::kDirectX,    I, "device supports all sample rates",             nullptr,               S::kSound,          S::kNone,           Into, nullptr,          0},
  {P::kDirectX,    I, "The device does not have a DirectSound driver installed", nullptr,    S::kSound,          S::kNone,           Back, nullptr,          0},
  {P::kDirectX,    I, "Primary Buffers = %u",                         nullptr,               S::kSound,          S::kNone,           Back, nullptr,          0},
  {P::kDirectX,    I, "Hardware Mixing",                              nullptr,               S::kSound,          S::kNone,           Into, nullptr,          0},
  {P::kDirectX,    I, "Hardware 3D Sound",                            nullptr,               S::kSound,          S::kNone,           Into, nullptr,          0},
  {P::kDirectX,    I, "DirectPlay",                                   nullptr,               S::kDirectX,        S::kPlay,           Into, nullptr,          0},
  {P::kDirectX,    I, "Device CAPS(IPX)",                             nullptr,               S::kPlay,           S::kNone,           Into, nullptr,          0},
  {P::kDirectX,    I, "DirectInput",                                  nullptr,               S::kDirectX,        S::kInput,          Into, nullptr,          0},
  {P::kDirectX,    I, "JoyStick %u",                                  nullptr,               S::kInput,          S::kNone,           Into, nullptr,          0},
  {P::kDirectX,    I, "JoyStick%u not found",                         nullptr,               S::kInput,          S::kNone,           Back, nullptr,          0},

  {P::kWindows,    E, "Windows",                                      nullptr,               S::kRoot,           S::kWindows,        Into, nullptr,          0},
  {P::kWindows,    I, "System",                                       nullptr,               S::kWindows,        S::kSystem,         Into, nullptr,          0},
  {P::kWindows,    I, "Systen Info",                                  nullptr,               S::kSystem,         S::kInfo,           Into, nullptr,          0},
  {P::kWindows,    I, "Memory Info",                                  nullptr,               S::kSystem,         S::kNone,           Into, nullptr,          0},
  {P::kWindows,    I, "Display Info",                                 nullptr,               S::kSystem,         S::kDisplay,        Into, nullptr,          0},
  {P::kWindows,    I, "Font List",                                    nullptr,               S::kDisplay,        S::kNone,           Into, nullptr,          0},
  {P::kWindows,    I, nullptr,                                        IsCapabilityGroup,     S::kDisplay,        S::kCapabilityGroup, Into, nullptr,         0},
  {P::kWindows,    I, nullptr,                                        IsCapabilitySubHeader, S::kCapabilityGroup, S::kNone,          Into, nullptr,          0},
  {P::kWindows,    I, nullptr,                                        IsBesideSubHeader,     S::kCapabilityGroup, S::kNone,          Back, nullptr,          0},
  {P::kWindows,    I, "Driver Version: %d.%.2d",                      nullptr,               S::kDisplay,        S::kNone,           Back, nullptr,          0},
  // The system facts come after the display's, under the line before them.
  {P::kSystemInfo, E, "Version : %d.%.2d",                            nullptr,               S::kInfo,           S::kNone,           Back, nullptr,          0},

  {P::kCpu,        E, nullptr,                                        IsProcessorType,       S::kRoot,           S::kCpu,            Into, nullptr,          0},
  {P::kCpu,        I, "Cyrix/IBM 486 ,5x86,6x86",                     nullptr,               S::kCpu,            S::kNone,           Into, nullptr,          0},
  {P::kCpu,        I, nullptr,                                        IsFlagHeader,          S::kCpu,            S::kNone,           Into, IsFlagLine,       0},
  {P::kCpu,        I, "FPU Check : %s",                               nullptr,               S::kPrevious,       S::kNone,           Keep, nullptr,          0},
  {P::kCpu,        I, "----- AMD Cache Infomation -----",             nullptr,               S::kCpu,            S::kNone,           Into, IsAmdCacheLine,   0},
  {P::kCpu,        I, "----- Processor configuration parameters -----", nullptr,             S::kCpu,            S::kNone,           Into, IsConfigurationLine, 0},
  {P::kCpu,        I, "----- Pentium III/ Pentium III Xeon Processor Signiture -----", nullptr, S::kCpu,         S::kNone,           Into, IsSignatureLine,  0},
  {P::kCpu,        I, "----- Pentium III/ Pentium III Xeon Processor Serial Number -----", nullptr, S::kCpu,     S::kNone,           Into, IsNotDetect,      0},
  // The processor's name lines follow the blocks above, under the CPU line.
  {P::kCpu,        I, "----- VORNAK Harlix -----",                    nullptr,               S::kCpu,            S::kBench,          Into, nullptr,          0},
  {P::kCpu,        I, "----- VORNAK Harlix Intel & AMD TimeStamp Performance -----", nullptr, S::kBench,         S::kBenchSection,   Into, nullptr,          0},
  {P::kCpu,        I, "----- VORNAK Harlix Speed Performance -----",  nullptr,               S::kBench,          S::kBenchSection,   Into, nullptr,          0},
  {P::kCpu,        I, "----- VORNAK Harlix Memory Performance -----", nullptr,               S::kBench,          S::kBenchSection,   Into, nullptr,          0},
  {P::kCpu,        I, nullptr,                                        IsCompareTable,        S::kBenchSection,   S::kCompareTable,   Into, nullptr,          0},
  {P::kCpu,        I, nullptr,                                        IsCompareGroup,        S::kCompareTable,   S::kNone,           Into, nullptr,          0},

  {P::kMachine,    E, "MACHINE:PC-9801 / EPSON",                      nullptr,               S::kRoot,           S::kMachine,        Into, nullptr,          0},
  {P::kMachine,    E, "MACHINE:IBM-PC or AT compatible",              nullptr,               S::kRoot,           S::kNone,           Back, nullptr,          0},
  {P::kMachine,    I, "Graphics",                                     nullptr,               S::kMachine,        S::kNone,           Into, nullptr,          0},
  {P::kMachine,    I, "Sound Board",                                  nullptr,               S::kMachine,        S::kNone,           Into, nullptr,          0},
  {P::kMachine,    I, "SCSI Board",                                   nullptr,               S::kMachine,        S::kNone,           Into, nullptr,          0},
  {P::kMachine,    I, "SASI/IDE Drive",                               nullptr,               S::kMachine,        S::kNone,           Into, nullptr,          0},
  {P::kMachine,    I, "Floppy Disk",                                  nullptr,               S::kMachine,        S::kNone,           Into, nullptr,          0},
  // The last system facts, after the processor's and the machine's lines.
  {P::kMouse,      E, "Mouse Instaled",                               nullptr,               S::kInfo,           S::kNone,           Back, nullptr,          0},
  {P::kMouse,      E, "Mouse not Installed",                          nullptr,               S::kInfo,           S::kNone,           Back, nullptr,          0},

  {P::kThread,     E, "Thread",                                       nullptr,               S::kWindows,        S::kNone,           Into, nullptr,          0},

  {P::kInitialFile, E, "Initial File",                                nullptr,               S::kRoot,           S::kInitialFile,    Into, nullptr,          0},
  {P::kWinIni,     E, "WIN.INI",                                      nullptr,               S::kInitialFile,    S::kIniFile,        Into, nullptr,          0},
  {P::kWinIni,     I, "[%s",                                          nullptr,               S::kIniFile,        S::kNone,           Into, nullptr,          0},
  {P::kSystemIni,  E, "SYSTEM.INI",                                   nullptr,               S::kInitialFile,    S::kIniFile,        Into, nullptr,          0},
  {P::kSystemIni,  I, "[%s",                                          nullptr,               S::kIniFile,        S::kNone,           Into, nullptr,          0},

  {P::kDriveInfo,  E, "Drive Info",                                   nullptr,               S::kRoot,           S::kDriveInfo,      Into, nullptr,          0},
  {P::kDriveInfo,  I, "--- %c ---",                                   nullptr,               S::kDriveInfo,      S::kNone,           Into, nullptr,          kWholeDrive},
};
// clang-format on

bool Matches(const LogRule& r, std::string_view line) {
  return r.shape ? FitsFormat(line, r.shape) : r.test(line);
}

}  // namespace

const LogRule* FindLogRule(std::string_view line, LogPhase phase) {
  for (const LogRule& r : kRules) {
    if (r.phase < phase || (r.reach == LogReach::kInPhase && r.phase != phase)) continue;
    if (Matches(r, line)) return &r;
  }
  return nullptr;
}

bool ReadsAsStructure(std::string_view line) {
  if (StartsWith(line, kLogRootPrefix)) return true;
  for (const LogRule& r : kRules)
    if (Matches(r, line)) return true;
  return false;
}

}  // namespace vornak
