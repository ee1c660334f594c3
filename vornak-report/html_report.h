// What the page reads from a replayed report: its lines as a tree, and the
// facts the summary and the charts show. Everything here is read from the
// report's own lines (and the report's constant tables), never recomputed
// from the profile, so the page shows what the log says.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "report/memory_outline.h"
#include "vornak-report/page_texts.h"
#include "vornak-report/text_converter.h"

namespace vornak::html {

struct ReportLine {
  std::string text;  // the line's bytes as the log has them (Shift-JIS)
  std::vector<ReportLine> children;
};

// The report's top-level lines, each with its subtree.
std::vector<ReportLine> LinesOf(const MemoryOutline& outline);

// One benchmark line: the points and the time in its brackets.
struct BenchFigure {
  uint32_t points = 0;
  uint32_t time = 0;
};

// Which processor benchmark the report ran: the time-stamp section compares
// with its eleven tables, the speed section with its six machines. Their
// kernels differ, so their points are never put on one scale.
enum class ProcessorBench { None, TimeStamp, Speed };

struct MemoryPoint {
  uint32_t blockKB = 0;
  BenchFigure figure;
  // False where the block could not be obtained (every run gave 0xFFFFFFFF,
  // printed shifted) or no time was taken (0): the report's points there
  // are no measurement, so the chart leaves a gap.
  bool measured = false;
};

// A DirectX component that answered, and what the summary tells of it.
struct DirectXAnswer {
  enum class Detail { kNone, kProviders, kJoysticks, kVideoMemory };
  std::string name;  // as the report names it
  Detail detail = Detail::kNone;
  size_t count = 0;         // providers or joysticks
  std::string videoMemory;  // as printed: "16 MB"
};

// "DirectPlay (2 providers)" in `lang`, UTF-8 (the report's texts through
// `sjis`).
std::string DirectXText(const DirectXAnswer& answer, TextConverter& sjis, Language lang);

struct MachineFacts {
  std::string fileName;       // the profile's, without its folder
  std::string processorName;  // the name line; empty when the report has none
  std::string osVersionLine;  // "OS Version:4.10"; empty when missing
  std::string vendor;         // the CPUID vendor line
  std::string signature;      // "0673" as printed; empty without CPUID
  std::string fsbMHz, multiplier, clockMHz;  // as printed, where the report has them
  uint32_t l1DataKB = 0;      // 0: not named by the report
  uint32_t l2KB = 0;          // 0: not named (or none)
  bool noL2 = false;          // the report says "No L2 cache"
  bool l2LineZero = false;    // its L2 line gives 0KB: no size it could decode
  std::string windowsVersion, platform;  // "4.10", "Windows95[chicago]"
  std::optional<uint32_t> physicalTotalKB, physicalAvailKB;
  std::vector<DirectXAnswer> directX;  // the components that answered
  ProcessorBench bench = ProcessorBench::None;
  std::optional<BenchFigure> integer, floating;  // the two lines the compare tables use
  std::vector<MemoryPoint> memory;  // the block copies, 16 KB to 32 MB, as printed
};

MachineFacts ReadFacts(const std::vector<ReportLine>& report, const std::string& fileName);

// Without the blanks at either end; "" for blanks alone.
std::string TrimBlanks(const std::string& s);

// A name without the name line's label "CPU Type : ", which a Cyrix part's
// line lacks; Shift-JIS or UTF-8 alike (the label is ASCII). What the
// summary, the bars and the site's dots show.
std::string WithoutNameLabel(const std::string& name);

// "NAME, OS Version:4.10" in UTF-8: the processor name line and the OS
// version line (Shift-JIS, through `sjis`), the file's name as the page
// writes it (UTF-8) standing in for a missing one.
std::string MachineName(const MachineFacts& facts, TextConverter& sjis, const std::string& fileUtf8);

// Parses "LABEL: <points> Point [<time>(<hex>H)]<suffix>"; nothing when the
// line does not start with `prefix`, end in `suffix` or hold the numbers.
std::optional<BenchFigure> ParseBenchLine(const std::string& line, const std::string& prefix,
                                          const std::string& suffix = "");

// The last size in a text such as "..., 16 Kbytes " or "1MBytes" or
// "512KB", in KB; 0 when there is none.
uint32_t ParseSizeKB(const std::string& text);

}  // namespace vornak::html
