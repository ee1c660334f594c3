// The report's structure as the log reader rebuilds it: which lines are
// headers, under which line each goes, and where the lines after it go. A log
// holds the report's lines in the order they were added and no nesting, so
// the nesting is read back from the texts the sections print (the rows in
// log_rules.cpp) and the order the run adds them in (run/analysis_run.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vornak {

// Every run starts with its root line, and a line starting so starts a run.
inline constexpr std::string_view kLogRootPrefix = "VORNAK for Windows95 [";

// The parts of a run in the order it writes them. A run that ends before its
// last part, the drive list, did not end.
enum class LogPhase : uint8_t {
  kHead, kDirectX, kWindows, kSystemInfo, kCpu, kMachine, kMouse, kThread,
  kInitialFile, kWinIni, kSystemIni, kDriveInfo,
};
inline constexpr LogPhase kLastLogPhase = LogPhase::kDriveInfo;

// The lines later rules place others under, in the order a run adds them:
// filling one forgets those after it, which belonged to its predecessor.
// kPrevious is the line read just before; kNone fills nothing.
enum class LogSlot : uint8_t {
  kRoot, kDirectX, kDirectDraw, kDevice, kCaps, kSound, kPlay, kInput, kWindows, kSystem,
  kInfo, kDisplay, kCapabilityGroup, kCpu, kBench, kBenchSection, kCompareTable, kMachine,
  kInitialFile, kIniFile, kDriveInfo,
  kCount, kPrevious, kNone,
};

// kEntry: the first line of its phase, also read after an earlier phase
// (which a damaged or older log may lack); kInPhase: read only inside it.
enum class LogReach : uint8_t { kEntry, kInPhase };

// Where the lines read after it go (those no rule claims): under it (kInto),
// back under the line it went under (kBack), or where they went before (kKeep).
enum class LogAfter : uint8_t { kInto, kBack, kKeep };

struct LogRule {
  LogPhase phase;
  LogReach reach;
  const char* shape;                    // a WsFormat format the line fits, or null and:
  bool (*test)(std::string_view line);  // a test against the sections' own tables
  LogSlot under;                        // the line goes under this slot's line
  LogSlot opens;                        // the slot it fills, or kNone
  LogAfter after;
  // kInto only: which lines stay under it; the first other line ends the
  // block and goes under the line the block went under. Null: every line.
  bool (*stays)(std::string_view line);
  // Bit n set: a block of n lines is whole; a run that ends inside a block
  // of another length was cut. 0: any length.
  uint32_t wholeCounts;
};

// The rule that reads `line` in `phase`, or null for a line of text under
// the current block. The shapes are whole-line: of the lines that end in LF
// (win.ini's and system.ini's) only their section headers fit one.
const LogRule* FindLogRule(std::string_view line, LogPhase phase);

// True when some rule in some phase, or the root, could read the line as
// structure: report texts that are free-form (a CPUID vendor string, a
// win.ini line) and read so are where the log is ambiguous.
bool ReadsAsStructure(std::string_view line);

}  // namespace vornak
