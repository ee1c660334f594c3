#include "vornak-report/html_report.h"

#include <cctype>
#include <functional>
#include <string_view>

#include "bench/bench_tables.h"
#include "cpu/signature_table.h"
#include "report/starts_with.h"

namespace vornak::html {

namespace {

// Section and line texts exactly as the report prints them.
constexpr const char* kTimeStampHeader = "----- VORNAK Harlix Intel & AMD TimeStamp Performance -----";
constexpr const char* kSpeedHeader = "----- VORNAK Harlix Speed Performance -----";
constexpr const char* kMemoryHeader = "----- VORNAK Harlix Memory Performance -----";
constexpr const char* kBenchHeader = "----- VORNAK Harlix -----";
constexpr const char* kCpuTypePrefixes[] = {"CPU TYPE", "CPUTYPE"};

// The text between "label : " and `unit` ("FSB      : 100 MHz" → "100").
std::string ValueOf(const std::string& line, const std::string& unit) {
  const size_t colon = line.find(':');
  if (colon == std::string::npos) return {};
  std::string v = line.substr(colon + 1);
  if (!unit.empty() && v.size() >= unit.size() && v.compare(v.size() - unit.size(), unit.size(), unit) == 0)
    v.erase(v.size() - unit.size());
  return TrimBlanks(v);
}

using Predicate = std::function<bool(const ReportLine&)>;

// The first line in preorder that satisfies `pred`.
const ReportLine* Find(const std::vector<ReportLine>& lines, const Predicate& pred) {
  for (const ReportLine& l : lines) {
    if (pred(l)) return &l;
    if (const ReportLine* f = Find(l.children, pred)) return f;
  }
  return nullptr;
}

const ReportLine* FindText(const std::vector<ReportLine>& lines, const std::string& text) {
  return Find(lines, [&](const ReportLine& l) { return l.text == text; });
}

const ReportLine* FindPrefix(const std::vector<ReportLine>& lines, const std::string& prefix) {
  return Find(lines, [&](const ReportLine& l) { return StartsWith(l.text, prefix); });
}

// Skips blanks, then reads decimal digits; false when there are none or the
// value passes 32 bits.
bool ReadNumber(const std::string& s, size_t& i, uint32_t& value, int base = 10) {
  while (i < s.size() && s[i] == ' ') ++i;
  uint64_t v = 0;
  size_t start = i;
  for (; i < s.size(); ++i) {
    const int c = static_cast<unsigned char>(s[i]);
    int d = std::isdigit(c) ? c - '0' : (base == 16 && std::isxdigit(c)) ? std::tolower(c) - 'a' + 10 : -1;
    if (d < 0) break;
    v = v * static_cast<unsigned>(base) + static_cast<unsigned>(d);
    if (v > 0xFFFFFFFFu) return false;
  }
  value = static_cast<uint32_t>(v);
  return i > start;
}

bool Expect(const std::string& s, size_t& i, const char* text) {
  const std::string t(text);
  if (s.compare(i, t.size(), t) != 0) return false;
  i += t.size();
  return true;
}

void ReadCpu(const ReportLine& cpu, MachineFacts& f) {
  const std::vector<ReportLine>& c = cpu.children;
  for (size_t i = 0; i < c.size(); ++i) {
    if (c[i].text != kBenchHeader || i == 0) continue;
    // The name is the line just before the benchmarks; a Cyrix part without
    // CPUID has it under its class line.
    const ReportLine& before = c[i - 1];
    std::string name = before.children.empty() ? before.text : before.children.back().text;
    const std::string bare = TrimBlanks(WithoutNameLabel(name));
    if (!bare.empty() && name != kPleaseReport) f.processorName = name;
  }
  if (const ReportLine* id = FindPrefix(c, "CPU ID Num : ")) {
    f.signature = ValueOf(id->text, "");
    if (!c.empty()) f.vendor = c.front().text;
  }
  if (const ReportLine* l = FindPrefix(c, "FSB      : ")) f.fsbMHz = ValueOf(l->text, "MHz");
  if (const ReportLine* l = FindPrefix(c, "Multiple : ")) f.multiplier = ValueOf(l->text, "Times");
  if (const ReportLine* l = FindPrefix(c, "Clock    : ")) f.clockMHz = ValueOf(l->text, "MHz");

  const ReportLine* l1 = Find(c, [](const ReportLine& l) {
    return StartsWith(l.text, "L1 Data Cache Size : ") || StartsWith(l.text, "Data cache,");
  });
  if (l1) f.l1DataKB = ParseSizeKB(l1->text);
  for (const ReportLine& l : c)
    if (StartsWith(l.text, "CPU L2Cash OnChip : ")) {
      f.l2KB = ParseSizeKB(l.text);
      f.l2LineZero = f.l2KB == 0;
    }
  if (f.l2KB == 0) {
    // Leaf 2 without a size nibble: the descriptors may still name it.
    const ReportLine* l2 = Find(c, [](const ReportLine& l) {
      return StartsWith(l.text, "Unified cache,") || StartsWith(l.text, "32 byte cache line,8-way");
    });
    if (l2) f.l2KB = ParseSizeKB(l2->text);
  }
  f.noL2 = f.l2KB == 0 && FindText(c, "No L2 cache") != nullptr;
  f.l2LineZero = f.l2LineZero && f.l2KB == 0;
}

void ReadDirectX(const ReportLine& dx, MachineFacts& f) {
  for (const ReportLine& part : dx.children) {
    const std::string& name = part.text;
    if (name == "DirectPlay") {
      size_t providers = 0;
      for (const ReportLine& l : part.children) providers += l.text != "Device CAPS(IPX)";
      if (providers) f.directX.push_back({name, DirectXAnswer::Detail::kProviders, providers, {}});
    } else if (name == "DirectInput") {
      size_t sticks = 0;
      for (const ReportLine& l : part.children) sticks += StartsWith(l.text, "JoyStick ");
      if (sticks) f.directX.push_back({name, DirectXAnswer::Detail::kJoysticks, sticks, {}});
    } else {
      bool failed = false;
      for (const ReportLine& l : part.children)
        failed |= StartsWith(l.text, "Initialize Error") || StartsWith(l.text, "ERRCODE:");
      if (failed) continue;
      DirectXAnswer entry{name, DirectXAnswer::Detail::kNone, 0, {}};
      if (const ReportLine* v = FindPrefix(part.children, "Total Video Memory : ")) {
        entry.detail = DirectXAnswer::Detail::kVideoMemory;
        entry.videoMemory = ValueOf(v->text, "");
      }
      f.directX.push_back(entry);
    }
  }
}

void ReadProcessorBench(const std::vector<ReportLine>& report, MachineFacts& f) {
  const BenchLine* intLine = &kTimeStampBenchLines[0];
  const BenchLine* floatLine = &kTimeStampBenchLines[1];
  const ReportLine* section = FindText(report, kTimeStampHeader);
  if (section) {
    f.bench = ProcessorBench::TimeStamp;
  } else if ((section = FindText(report, kSpeedHeader))) {
    f.bench = ProcessorBench::Speed;
    intLine = &kSpeedIntLine;
    floatLine = &kSpeedFloatLine;
  } else {
    return;
  }
  auto prefixOf = [](const BenchLine* b) {
    const std::string format = b->format;
    return format.substr(0, format.find('%'));
  };
  for (const ReportLine& l : section->children) {
    if (!f.integer) f.integer = ParseBenchLine(l.text, prefixOf(intLine));
    if (!f.floating) f.floating = ParseBenchLine(l.text, prefixOf(floatLine));
  }
}

void ReadMemoryBench(const std::vector<ReportLine>& report, MachineFacts& f) {
  const ReportLine* section = FindText(report, kMemoryHeader);
  if (!section) return;
  for (const BenchLine& b : kMemoryBenchLines) {
    if (b.kernel == Kernel::MemClr) continue;
    const std::string format = b.format;
    const std::string prefix = format.substr(0, format.find('%'));
    for (const ReportLine& l : section->children) {
      std::optional<BenchFigure> fig = ParseBenchLine(l.text, prefix);
      if (!fig) continue;
      MemoryPoint p;
      p.blockKB = ParseSizeKB(prefix);
      p.figure = *fig;
      p.measured = fig->time != 0 && fig->time != (0xFFFFFFFFu >> b.shift);
      f.memory.push_back(p);
      break;
    }
  }
}

}  // namespace

std::vector<ReportLine> LinesOf(const MemoryOutline& outline) {
  std::function<std::vector<ReportLine>(Item)> walk = [&](Item parent) {
    std::vector<ReportLine> out;
    for (Item c : outline.Children(parent)) out.push_back({outline.FullText(c), walk(c)});
    return out;
  };
  return walk(kNoItem);
}

std::optional<BenchFigure> ParseBenchLine(const std::string& line, const std::string& prefix,
                                          const std::string& suffix) {
  if (!StartsWith(line, prefix)) return std::nullopt;
  size_t i = prefix.size();
  BenchFigure fig;
  uint32_t hex = 0;
  if (!ReadNumber(line, i, fig.points) || !Expect(line, i, " Point [") ||
      !ReadNumber(line, i, fig.time) || !Expect(line, i, "(") || !ReadNumber(line, i, hex, 16) ||
      !Expect(line, i, "H)]") || line.compare(i, std::string::npos, suffix) != 0)
    return std::nullopt;
  return fig;
}

uint32_t ParseSizeKB(const std::string& text) {
  uint32_t found = 0;
  for (size_t i = 0; i < text.size();) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
      ++i;
      continue;
    }
    uint32_t n = 0;
    if (!ReadNumber(text, i, n)) break;
    size_t k = i;
    while (k < text.size() && text[k] == ' ') ++k;
    if (k < text.size() && (text[k] == 'K' || text[k] == 'k')) found = n;
    else if (k < text.size() && (text[k] == 'M' || text[k] == 'm')) found = n * 1024;
  }
  return found;
}

MachineFacts ReadFacts(const std::vector<ReportLine>& report, const std::string& fileName) {
  MachineFacts f;
  f.fileName = fileName;
  const std::vector<ReportLine> none;
  const std::vector<ReportLine>& top = report.empty() ? none : report.front().children;
  if (const ReportLine* v = FindPrefix(top, "OS Version:")) f.osVersionLine = v->text;
  for (const ReportLine& l : top)
    for (const char* p : kCpuTypePrefixes)
      if (StartsWith(l.text, p)) ReadCpu(l, f);
  if (const ReportLine* dx = FindText(top, "DirectX")) ReadDirectX(*dx, f);
  if (const ReportLine* info = FindText(report, "Systen Info")) {
    if (const ReportLine* v = FindPrefix(info->children, "Version : ")) f.windowsVersion = ValueOf(v->text, "");
    if (const ReportLine* p = FindPrefix(info->children, "Platform : ")) f.platform = ValueOf(p->text, "");
  }
  if (const ReportLine* mem = FindText(report, "Memory Info")) {
    if (const ReportLine* p = FindPrefix(mem->children, "Physical : ")) {
      size_t i = 11;
      uint32_t avail = 0, total = 0;
      if (ReadNumber(p->text, i, avail) && Expect(p->text, i, " KB / ") && ReadNumber(p->text, i, total)) {
        f.physicalAvailKB = avail;
        f.physicalTotalKB = total;
      }
    }
  }
  ReadProcessorBench(report, f);
  ReadMemoryBench(report, f);
  return f;
}

std::string DirectXText(const DirectXAnswer& d, TextConverter& sjis, Language lang) {
  const std::string name = sjis.ToUtf8(d.name), count = std::to_string(d.count);
  const PageTexts t(lang);
  switch (d.detail) {
    case DirectXAnswer::Detail::kProviders:
      return t.Counted(d.count, PageText::kDirectXProvidersOne, PageText::kDirectXProvidersMany, {name, count});
    case DirectXAnswer::Detail::kJoysticks:
      return t.Counted(d.count, PageText::kDirectXJoysticksOne, PageText::kDirectXJoysticksMany, {name, count});
    case DirectXAnswer::Detail::kVideoMemory:
      return t(PageText::kDirectXVideoMemory, {name, sjis.ToUtf8(d.videoMemory)});
    case DirectXAnswer::Detail::kNone:
      break;
  }
  return name;
}

std::string TrimBlanks(const std::string& s) {
  const size_t b = s.find_first_not_of(' '), e = s.find_last_not_of(' ');
  return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

std::string WithoutNameLabel(const std::string& name) {
  constexpr std::string_view kLabel = "CPU Type : ";
  return name.compare(0, kLabel.size(), kLabel) == 0 ? name.substr(kLabel.size()) : name;
}

std::string MachineName(const MachineFacts& f, TextConverter& sjis, const std::string& file) {
  if (f.processorName.empty() && f.osVersionLine.empty()) return file;
  return (f.processorName.empty() ? file : sjis.ToUtf8(f.processorName)) + ", " +
         (f.osVersionLine.empty() ? file : sjis.ToUtf8(f.osVersionLine));
}

}  // namespace vornak::html
