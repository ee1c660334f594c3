// The page's charts as inline SVG: the processor benchmark as rankings
// against the report's reference machines, the memory benchmark as a line
// chart over block size on a logarithmic axis. All texts given and returned
// are UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bench/compare_row.h"
#include "vornak-report/html_encoding.h"
#include "vornak-report/html_report.h"
#include "vornak-report/page_texts.h"

namespace vornak::html {

inline constexpr size_t kMaxMachines = 8;

// One colour per machine from a palette that readers with any common colour
// vision deficiency can tell apart (Okabe and Ito), and a marker shape per
// machine, so the line chart does not rest on colour alone.
struct MachineStyle {
  const char* colour;  // bars, lines, markers
  const char* tint;    // the background of the machine's row in a ranking
  const char* dash;    // the line's dash pattern ("" solid)
};
const MachineStyle& StyleOf(size_t machine);
// The marker of machine i centred on (x, y), as an SVG element.
std::string Marker(size_t machine, double x, double y, double size);
// "A", "B", ...: how the page refers to a machine.
std::string Letter(size_t machine);

// Points as the report computes them: 50,000,000 / milliseconds, 0 for 0.
uint32_t ReferencePoints(uint32_t milliseconds);

// A line of the compare tables (a table's, a group's, a machine's) as a
// label: without the dashes and blanks at either end. A line of nothing
// else is kept whole, so no heading is left empty.
std::string CompareLabel(const std::string& line);

struct RankBar {
  std::string label;     // UTF-8
  uint32_t points = 0;
  int machine = -1;      // the machine's index, or -1 for a reference machine
  std::string detail;    // the bar's tooltip
};

struct RankingGroup {
  std::string title;                      // UTF-8
  std::vector<RankBar> integer, floating;  // fastest first
  std::vector<RankingGroup> groups;       // sub-groups with charts of their own
  bool open = true;                       // shown unfolded at first
};

// A machine as the rankings take it: its points, or nothing where it has no
// such figure (it then has no bar in that chart).
struct RankedMachine {
  size_t index = 0;
  std::string label;  // UTF-8, the bar's text
  std::optional<BenchFigure> integer, floating;
};

// One group per table of the listing, rows ordered by points with the
// machines among them. With `chartPerGroup`, a table's group lines become
// sub-groups with charts of their own, folded under their table (the
// over-clock tables repeat labels across groups); without, a table's rows
// share one chart (the speed table's vendor groups).
// The bars' tooltips are in `lang`.
std::vector<RankingGroup> BuildRankings(const CompareListing& listing, bool chartPerGroup,
                                        const std::vector<RankedMachine>& machines,
                                        TextConverter& sjis, Language lang = Language::kEnglish);

// The charts are groups named by their label, each bar or mark an image
// named by its <title>, the scales hidden from a screen reader: it reads
// every figure the chart draws, where one picture would give it the name
// alone.
//
// A horizontal bar chart, one labelled bar per row, machines highlighted.
std::string RankingSvg(const std::vector<RankBar>& bars, const std::string& ariaLabel);

// A machine's bar above the chart of the reference bars alone, kept in the
// file `image` (RankingSvg of `references`), with a line from the bar's end
// down through the reference bars. A site's pages share the reference
// charts this way.
std::string RankingOverlaySvg(const std::vector<RankBar>& references, const std::string& image,
                              const RankBar& machine, const std::string& ariaLabel);

// Block size on a logarithmic axis: equal steps for each doubling.
struct LogAxis {
  double minKB, maxKB, x0, x1;
  double X(double kb) const;
};

// A linear axis from 0 for values up to `max`: a "nice" step (1, 2, 2.5 or
// 5 times a power of ten) giving at most `maxSteps` steps, and the top, the
// first multiple of the step at or above max.
struct LinearScale {
  uint64_t step, top;
  int Steps() const { return static_cast<int>(top / step); }
};
LinearScale NiceScale(uint32_t max, int maxSteps);

struct MemorySeries {
  size_t machine = 0;
  std::vector<MemoryPoint> points;
  uint32_t l1DataKB = 0, l2KB = 0;  // marked on the axis where not 0
};

// Whether the points axis is logarithmic: where the measured points above 0
// span more than a hundredfold.
bool LogarithmicPoints(const std::vector<MemorySeries>& series);

// Copy points against block size, 16 KB to 32 MB; a gap where a block was
// not measured, and on a logarithmic axis where it is worth 0 points (no
// such place on it); dashed lines at the cache sizes the reports name.
std::string MemorySvg(const std::vector<MemorySeries>& series, size_t machineCount,
                      Language lang = Language::kEnglish);

// 1234567 → "1,234,567".
std::string Thousands(uint64_t v);

// A number of an SVG: one decimal as "%.1f" writes it, none for a whole
// number ("66.1", "64"), without the C runtime (decimal.h), so that the
// Windows build writes the same bytes.
std::string OneDecimal(double v);

// A size in KB as the page names it: "512 KB", "4 MB"; MB for whole
// megabytes only ("1536 KB").
std::string MemorySize(uint32_t kb);

}  // namespace vornak::html
