#include "vornak-report/html_charts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include "bench/os_code_name.h"
#include "platform/machine.h"
#include "vornak-report/decimal.h"

namespace vornak::html {

namespace {

// clang-format off
const MachineStyle kStyles[kMaxMachines] = {
  // colour     tint       dash
  {"#0072B2", "#d9e9f5", ""},
  {"#D55E00", "#f8e0cf", "7 3"},
  {"#009E73", "#d3eee5", "2 2"},
  {"#CC79A7", "#f4e4ed", "9 3 2 3"},
  {"#E69F00", "#fbeed0", "12 4"},
  {"#56B4E9", "#def0fb", "1 3"},
  {"#000000", "#e3e3e3", "5 2 1 2"},
  {"#F0E442", "#fbf8d4", "3 5"},
};
// Marker shapes: regular polygons (0 sides: a circle, -1: a cross), turned.
struct Shape { int sides; double turnDeg; };
const Shape kShapes[kMaxMachines] = {
  {0, 0}, {4, 45}, {3, -90}, {4, 0}, {3, 90}, {-1, 0}, {5, -90}, {6, 0},
};
// clang-format on

constexpr double kPi = 3.14159265358979323846;

// Snapped to thousandths first: the 486 build's x87 and its C library's
// log10 differ from the native build's in the last bits, which near a tie
// (66.05) would print another tenth; both builds draw the same chart.
std::string Num(double v) { return OneDecimal(std::nearbyint(v * 1000.0) / 1000.0); }

// The first `max` code points of UTF-8 text, with "…" when cut.
std::string Shorten(const std::string& utf8, size_t max) {
  size_t count = 0;
  for (size_t i = 0; i < utf8.size(); ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;
    if (count++ == max) return utf8.substr(0, i) + "\xE2\x80\xA6";
  }
  return utf8;
}

// "1,234 points (40 ms)".
std::string PointsAndTime(uint32_t points, uint32_t ms, const PageTexts& t) {
  return t(PageText::kPointsAndTime, {Thousands(points), Thousands(ms) + " ms"});
}

std::string ReferenceDetail(const CompareRow& r, const std::string& label, bool integer, const PageTexts& t) {
  const uint32_t ms = integer ? r.refInt : r.refFloat;
  const std::string separator = t(PageText::kListSeparator);
  std::string d =
      label + ": " + PointsAndTime(ReferencePoints(ms), ms, t) + separator + std::to_string(r.refMHz) + " MHz";
  if (r.osCode != kNoOsCode) d += separator + std::string(OsCodeName(r.osCode));
  if (r.note) d += separator + std::string(r.note);
  return d;
}

void AddMachines(RankingGroup& g, const std::vector<RankedMachine>& machines, const PageTexts& t) {
  for (const RankedMachine& m : machines) {
    auto add = [&](std::vector<RankBar>& bars, const std::optional<BenchFigure>& fig) {
      if (!fig) return;
      bars.push_back(
          {m.label, fig->points, static_cast<int>(m.index), m.label + ": " + PointsAndTime(fig->points, fig->time, t)});
    };
    add(g.integer, m.integer);
    add(g.floating, m.floating);
  }
}

// Fastest first; equal points keep the table's order, machines before the
// reference they tie with.
void Order(std::vector<RankBar>& bars) {
  std::stable_sort(bars.begin(), bars.end(), [](const RankBar& a, const RankBar& b) {
    if (a.points != b.points) return a.points > b.points;
    return a.machine >= 0 && b.machine < 0;
  });
}

void Finish(RankingGroup& g, const std::vector<RankedMachine>& machines, const PageTexts& t) {
  if (!g.integer.empty() || !g.floating.empty()) {
    AddMachines(g, machines, t);
    Order(g.integer);
    Order(g.floating);
  }
  for (RankingGroup& s : g.groups) Finish(s, machines, t);
}

// Text's width in the SVG's small bold type: a wide (Japanese) character
// takes about two of a Latin one's.
double TextWidth(const std::string& utf8) {
  double units = 0;
  for (char c : utf8) {
    const auto b = static_cast<unsigned char>(c);
    units += b < 0x80 ? 1 : b >= 0xC0 ? 2 : 0;  // a character by its first byte
  }
  return 6.3 * units;
}

}  // namespace

const MachineStyle& StyleOf(size_t machine) { return kStyles[machine % kMaxMachines]; }

std::string Letter(size_t machine) { return std::string(1, static_cast<char>('A' + machine % 26)); }

std::string Marker(size_t machine, double x, double y, double s) {
  const MachineStyle& st = StyleOf(machine);
  const Shape& shape = kShapes[machine % kMaxMachines];
  const std::string paint = " fill=\"" + std::string(st.colour) + "\" stroke=\"#222\" stroke-width=\"0.8\"";
  if (shape.sides == 0)
    return "<circle cx=\"" + Num(x) + "\" cy=\"" + Num(y) + "\" r=\"" + Num(s) + "\"" + paint + "/>";
  if (shape.sides < 0)
    return "<path d=\"M" + Num(x - s) + " " + Num(y - s) + "L" + Num(x + s) + " " + Num(y + s) + "M" +
           Num(x - s) + " " + Num(y + s) + "L" + Num(x + s) + " " + Num(y - s) + "\" stroke=\"" +
           st.colour + "\" stroke-width=\"2.5\"/>";
  std::string pts;
  const double r = s * 1.25;
  for (int i = 0; i < shape.sides; ++i) {
    const double a = (shape.turnDeg + 360.0 * i / shape.sides) * kPi / 180.0;
    pts += (i ? " " : "") + Num(x + r * std::cos(a)) + "," + Num(y + r * std::sin(a));
  }
  return "<polygon points=\"" + pts + "\"" + paint + "/>";
}

std::string OneDecimal(double v) {
  std::string s = FixedOneDecimal(v);
  if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0) s.erase(s.size() - 2);
  return s;
}

std::string MemorySize(uint32_t kb) {
  return kb >= 1024 && kb % 1024 == 0 ? std::to_string(kb / 1024) + " MB" : std::to_string(kb) + " KB";
}

uint32_t ReferencePoints(uint32_t milliseconds) {
  return Machine().Convert2Point(milliseconds);
}

std::string Thousands(uint64_t v) {
  std::string digits = std::to_string(v), out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

std::string CompareLabel(const std::string& line) {
  const size_t b = line.find_first_not_of("- "), e = line.find_last_not_of("- ");
  return b == std::string::npos ? line : line.substr(b, e - b + 1);
}

std::vector<RankingGroup> BuildRankings(const CompareListing& listing, bool chartPerGroup,
                                        const std::vector<RankedMachine>& machines,
                                        TextConverter& sjis, Language lang) {
  const PageTexts t(lang);
  std::vector<RankingGroup> tables;
  RankingGroup* target = nullptr;
  for (const CompareEntry& e : listing) {
    const std::string text = sjis.ToUtf8(e.row.label);
    switch (e.kind) {
      case CompareKind::Table:
        tables.push_back({CompareLabel(text), {}, {}, {}, true});
        target = &tables.back();
        break;
      case CompareKind::Group:
        if (!chartPerGroup) break;
        tables.back().groups.push_back({CompareLabel(text), {}, {}, {}, true});
        tables.back().open = false;  // its many rows repeat other tables'
        target = &tables.back().groups.back();
        break;
      case CompareKind::Row: {
        const std::string label = CompareLabel(text);
        target->integer.push_back({label, ReferencePoints(e.row.refInt), -1, ReferenceDetail(e.row, label, true, t)});
        target->floating.push_back(
            {label, ReferencePoints(e.row.refFloat), -1, ReferenceDetail(e.row, label, false, t)});
        break;
      }
    }
  }
  for (RankingGroup& table : tables) Finish(table, machines, t);
  return tables;
}

namespace {

// A ranking's geometry, shared by the chart and a machine's mark drawn over
// the chart of the reference bars alone.
constexpr double kRankW = 620, kRankRowH = 18, kRankTop = 4, kRankAxisH = 22;
constexpr double kRankBarX = 274, kRankBarMaxW = kRankW - kRankBarX - 66;

LinearScale RankScale(const std::vector<RankBar>& bars) {
  uint32_t max = 1;
  for (const RankBar& b : bars) max = std::max(max, b.points);
  return NiceScale(max, 5);
}

}  // namespace

std::string RankingSvg(const std::vector<RankBar>& bars, const std::string& ariaLabel) {
  const double W = kRankW, rowH = kRankRowH, top = kRankTop, axisH = kRankAxisH;
  const double labelRight = 268, barX = kRankBarX, barMaxW = kRankBarMaxW;
  const double H = top + rowH * static_cast<double>(bars.size()) + axisH;
  const LinearScale scale = RankScale(bars);
  auto width = [&](uint64_t p) { return barMaxW * static_cast<double>(p) / static_cast<double>(scale.top); };

  std::string s = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"rank\" viewBox=\"0 0 " + Num(W) + " " +
                  Num(H) + "\" width=\"" + Num(W) + "\" height=\"" + Num(H) + "\" role=\"group\" aria-label=\"" +
                  Escape(ariaLabel) + "\">\n<g aria-hidden=\"true\">\n";
  const double plotBottom = top + rowH * static_cast<double>(bars.size());
  for (int i = 0; i <= scale.Steps(); ++i) {
    const uint64_t v = scale.step * static_cast<uint64_t>(i);
    const double x = barX + width(v);
    s += "<line class=\"grid\" x1=\"" + Num(x) + "\" y1=\"" + Num(top) + "\" x2=\"" + Num(x) + "\" y2=\"" +
         Num(plotBottom) + "\"/><text class=\"tick\" x=\"" + Num(x) + "\" y=\"" + Num(plotBottom + 14) +
         "\" text-anchor=\"middle\">" + Thousands(v) + "</text>\n";
  }
  s += "</g>\n";
  for (size_t i = 0; i < bars.size(); ++i) {
    const RankBar& b = bars[i];
    const double y = top + rowH * static_cast<double>(i);
    const bool mine = b.machine >= 0;
    s += "<g" + std::string(mine ? " class=\"mine\"" : "") + " role=\"img\"><title>" + Escape(b.detail) + "</title>";
    if (mine)
      s += "<rect x=\"0\" y=\"" + Num(y) + "\" width=\"" + Num(W) + "\" height=\"" + Num(rowH) + "\" fill=\"" +
           StyleOf(b.machine).tint + "\"/>";
    s += "<text class=\"" + std::string(mine ? "lab labm" : "lab") + "\" x=\"" + Num(labelRight) + "\" y=\"" +
         Num(y + 13) + "\" text-anchor=\"end\">" + Escape(Shorten(b.label, mine ? 36 : 40)) + "</text>";
    s += "<rect x=\"" + Num(barX) + "\" y=\"" + Num(y + 3) + "\" width=\"" + Num(width(b.points)) +
         "\" height=\"" + Num(rowH - 6) + "\" fill=\"" + (mine ? StyleOf(b.machine).colour : "#b4b4b4") +
         "\"" + (mine ? " stroke=\"#222\" stroke-width=\"0.8\"" : "") + "/>";
    s += "<text class=\"" + std::string(mine ? "val labm" : "val") + "\" x=\"" + Num(barX + width(b.points) + 4) +
         "\" y=\"" + Num(y + 13) + "\">" + Thousands(b.points) + "</text></g>\n";
  }
  return s + "</svg>";
}

std::string RankingOverlaySvg(const std::vector<RankBar>& references, const std::string& image,
                              const RankBar& machine, const std::string& ariaLabel) {
  // The machine's bar on a row of its own above the image, a line from its
  // end down through the reference bars, a dot where its row would be.
  const double rowH = kRankRowH, H = rowH + kRankTop + rowH * static_cast<double>(references.size()) + kRankAxisH;
  const LinearScale scale = RankScale(references);
  const bool past = machine.points > scale.top;  // past the axis' end: the bar stops there
  const double x = kRankBarX + kRankBarMaxW * (past ? 1.0 : static_cast<double>(machine.points) / static_cast<double>(scale.top));
  size_t above = 0;
  for (const RankBar& r : references) above += r.points > machine.points;
  const double y = rowH + kRankTop + rowH * static_cast<double>(above);
  const MachineStyle& st = StyleOf(machine.machine < 0 ? 0 : static_cast<size_t>(machine.machine));
  std::string s = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"rank\" viewBox=\"0 0 " + Num(kRankW) + " " +
                  Num(H) + "\" width=\"" + Num(kRankW) + "\" height=\"" + Num(H) + "\" role=\"group\" aria-label=\"" +
                  Escape(ariaLabel) + "\">\n<image href=\"" + Escape(image) + "\" x=\"0\" y=\"" + Num(rowH) +
                  "\" width=\"" + Num(kRankW) + "\" height=\"" + Num(H - rowH) + "\" aria-hidden=\"true\"/>\n";
  s += "<g class=\"mine\" role=\"img\"><title>" + Escape(machine.detail) + "</title><rect x=\"0\" y=\"0\" width=\"" + Num(kRankW) +
       "\" height=\"" + Num(rowH) + "\" fill=\"" + st.tint + "\"/><text class=\"lab labm\" x=\"268\" y=\"13\" "
       "text-anchor=\"end\">" + Escape(Shorten(machine.label, 36)) + "</text><rect x=\"" + Num(kRankBarX) +
       "\" y=\"3\" width=\"" + Num(x - kRankBarX) + "\" height=\"" + Num(rowH - 6) + "\" fill=\"" + st.colour +
       "\" stroke=\"#222\" stroke-width=\"0.8\"/><text class=\"val labm\" x=\"" + Num(x + 4) + "\" y=\"13\">" +
       Thousands(machine.points) + (past ? " \xE2\x86\x92" : "") + "</text><line x1=\"" + Num(x) + "\" y1=\"" +
       Num(rowH - 3) + "\" x2=\"" + Num(x) + "\" y2=\"" + Num(H - kRankAxisH) + "\" stroke=\"" + st.colour +
       "\" stroke-width=\"1.5\" stroke-dasharray=\"4 3\"/><circle cx=\"" + Num(x) + "\" cy=\"" + Num(y) +
       "\" r=\"4\" fill=\"" + st.colour + "\" stroke=\"#222\" stroke-width=\"0.8\"/></g>\n";
  return s + "</svg>";
}

double LogAxis::X(double kb) const {
  return x0 + (x1 - x0) * (std::log2(kb) - std::log2(minKB)) / (std::log2(maxKB) - std::log2(minKB));
}

namespace {

// The largest measured points (at least 1) and the smallest above 0
// (0xFFFFFFFF where there is none).
void PointsRange(const std::vector<MemorySeries>& series, uint32_t& min, uint32_t& max) {
  for (const MemorySeries& m : series)
    for (const MemoryPoint& p : m.points)
      if (p.measured && p.figure.points > 0) {
        max = std::max(max, p.figure.points);
        min = std::min(min, p.figure.points);
      }
}

// Points that span more than a hundredfold (a fast machine's small blocks
// beside a slow machine's) would flatten the lower lines on a linear axis.
bool SpansAHundredfold(uint32_t min, uint32_t max) { return min != 0xFFFFFFFF && max / 100 > min; }

}  // namespace

bool LogarithmicPoints(const std::vector<MemorySeries>& series) {
  uint32_t max = 1, min = 0xFFFFFFFF;
  PointsRange(series, min, max);
  return SpansAHundredfold(min, max);
}

LinearScale NiceScale(uint32_t max, int maxSteps) {
  const uint64_t v = std::max<uint32_t>(max, 1);
  for (uint64_t p = 1;; p *= 10)
    for (uint64_t m : {10, 20, 25, 50}) {
      const uint64_t step = p * m / 10;
      if (step == 0) continue;
      const uint64_t steps = (v + step - 1) / step;
      if (steps <= static_cast<uint64_t>(maxSteps)) return {step, steps * step};
    }
}

std::string MemorySvg(const std::vector<MemorySeries>& series, size_t machineCount, Language lang) {
  const PageTexts t(lang);
  const std::string separator = t(PageText::kListSeparator);
  const double W = 900, left = 70, right = 28, bottom = 46, rowH = 15;
  const double minKB = 16, maxKB = 32768;

  // The cache marks, one per size and kind, naming the machines that have
  // it; their labels sit above the plot in as many rows as they need.
  struct Mark { std::string text; double x; const char* colour; size_t row = 0; };
  std::map<std::pair<uint32_t, int>, std::vector<size_t>> owners;  // (KB, level) → machines
  for (const MemorySeries& m : series) {
    if (m.l1DataKB >= minKB && m.l1DataKB <= maxKB) owners[{m.l1DataKB, 1}].push_back(m.machine);
    if (m.l2KB >= minKB && m.l2KB <= maxKB) owners[{m.l2KB, 2}].push_back(m.machine);
  }
  const LogAxis axis{minKB, maxKB, left, W - right};
  std::vector<Mark> marks;
  for (const auto& [key, who] : owners) {
    std::string text =
        key.second == 1 ? t(PageText::kCacheMarkL1, {MemorySize(key.first)}) : "L2 " + MemorySize(key.first);
    if (machineCount > 1) {
      text += " (";
      for (size_t i = 0; i < who.size(); ++i) text += (i ? separator : "") + Letter(who[i]);
      text += ")";
    }
    marks.push_back({text, axis.X(key.first), who.size() == 1 && machineCount > 1 ? StyleOf(who[0]).colour : "#333"});
  }
  std::sort(marks.begin(), marks.end(), [](const Mark& a, const Mark& b) { return a.x < b.x; });
  std::vector<double> rowEnd;
  for (Mark& m : marks) {
    const double start = m.x - 2, end = m.x + 2 + TextWidth(m.text);
    size_t r = 0;
    while (r < rowEnd.size() && rowEnd[r] > start) ++r;
    if (r == rowEnd.size()) rowEnd.push_back(0);
    rowEnd[r] = end + 8;
    m.row = r;
  }
  // The axis title on the first row, the cache labels below it.
  const double top = 44 + rowH * static_cast<double>(rowEnd.size());
  const double H = top + 300 + bottom;
  const double plotBottom = H - bottom;

  uint32_t max = 1, min = 0xFFFFFFFF;
  PointsRange(series, min, max);
  const bool logY = SpansAHundredfold(min, max);
  std::vector<uint64_t> ticks;
  double yLo = 0, yHi = 1;  // the axis ends, as values or as log10 of them
  if (logY) {
    yLo = std::floor(std::log10(static_cast<double>(min)));
    yHi = std::ceil(std::log10(static_cast<double>(max)));
    uint64_t v = 1;
    for (int d = 0; d < yLo; ++d) v *= 10;
    for (double d = yLo; d <= yHi; ++d, v *= 10) ticks.push_back(v);
  } else {
    const LinearScale scale = NiceScale(max, 6);
    yHi = static_cast<double>(scale.top);
    for (int i = 0; i <= scale.Steps(); ++i) ticks.push_back(scale.step * static_cast<uint64_t>(i));
  }
  auto Y = [&](uint64_t v) {
    const double at = logY ? std::log10(static_cast<double>(std::max<uint64_t>(v, 1))) : static_cast<double>(v);
    return plotBottom - (plotBottom - top) * (at - yLo) / (yHi - yLo);
  };

  std::string s = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"mem\" viewBox=\"0 0 " + Num(W) + " " + Num(H) +
                  "\" width=\"" + Num(W) + "\" height=\"" + Num(H) +
                  "\" role=\"group\" aria-label=\"" + t(PageText::kMemoryChartName) + "\">\n<g aria-hidden=\"true\">\n";
  // Horizontal grid and the points scale: the scale is no figure a reader
  // needs, each mark's title names its points.
  for (uint64_t v : ticks) {
    s += "<line class=\"grid\" x1=\"" + Num(left) + "\" y1=\"" + Num(Y(v)) + "\" x2=\"" + Num(W - right) +
         "\" y2=\"" + Num(Y(v)) + "\"/><text class=\"tick\" x=\"" + Num(left - 6) + "\" y=\"" + Num(Y(v) + 4) +
         "\" text-anchor=\"end\">" + Thousands(v) + "</text>\n";
  }
  // One tick per doubling of the block.
  for (uint32_t kb = 16; kb <= 32768; kb *= 2) {
    const double x = axis.X(kb);
    const std::string label = kb >= 1024 ? std::to_string(kb / 1024) + "M" : std::to_string(kb) + "K";
    s += "<line class=\"grid\" x1=\"" + Num(x) + "\" y1=\"" + Num(top) + "\" x2=\"" + Num(x) + "\" y2=\"" +
         Num(plotBottom) + "\"/><text class=\"tick\" x=\"" + Num(x) + "\" y=\"" + Num(plotBottom + 16) +
         "\" text-anchor=\"middle\">" + label + "</text>\n";
  }
  s += "<line class=\"axis\" x1=\"" + Num(left) + "\" y1=\"" + Num(plotBottom) + "\" x2=\"" + Num(W - right) +
       "\" y2=\"" + Num(plotBottom) + "\"/><line class=\"axis\" x1=\"" + Num(left) + "\" y1=\"" + Num(top) +
       "\" x2=\"" + Num(left) + "\" y2=\"" + Num(plotBottom) + "\"/>\n</g>\n";
  s += "<text class=\"axt\" x=\"" + Num((left + W - right) / 2) + "\" y=\"" + Num(H - 8) +
       "\" text-anchor=\"middle\">" + t(PageText::kBlockSizeAxis) + "</text>\n";
  s += std::string("<text class=\"axt\" x=\"8\" y=\"16\">") +
       t(logY ? PageText::kPointsAxisLog : PageText::kPointsAxis) + "</text>\n";
  for (const Mark& m : marks) {
    const double ly = 38 + rowH * static_cast<double>(m.row);
    s += "<line class=\"cache\" x1=\"" + Num(m.x) + "\" y1=\"" + Num(ly + 3) + "\" x2=\"" + Num(m.x) + "\" y2=\"" +
         Num(plotBottom) + "\" stroke=\"" + m.colour + "\"/><text class=\"cachet\" x=\"" + Num(m.x + 3) +
         "\" y=\"" + Num(ly) + "\" fill=\"" + m.colour + "\">" + Escape(m.text) + "</text>\n";
  }
  for (const MemorySeries& m : series) {
    const MachineStyle& st = StyleOf(m.machine);
    std::string d, markers;
    bool pen = false;
    for (const MemoryPoint& p : m.points) {
      if (!p.measured || (logY && p.figure.points == 0)) {
        pen = false;
        continue;
      }
      const double x = axis.X(p.blockKB), y = Y(p.figure.points);
      d += (pen ? "L" : "M") + Num(x) + " " + Num(y);
      pen = true;
      markers += "<g role=\"img\"><title>" + Letter(m.machine) + separator + MemorySize(p.blockKB) + ": " +
                 t(PageText::kPoints, {Thousands(p.figure.points)}) + "</title>" + Marker(m.machine, x, y, 4) + "</g>";
    }
    s += "<path d=\"" + d + "\" fill=\"none\" stroke=\"" + st.colour + "\" stroke-width=\"2.2\"" +
         (*st.dash ? " stroke-dasharray=\"" + std::string(st.dash) + "\"" : std::string()) + "/>\n" + markers + "\n";
  }
  return s + "</svg>";
}

}  // namespace vornak::html
