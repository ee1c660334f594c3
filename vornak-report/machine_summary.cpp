#include "vornak-report/machine_summary.h"

#include "vornak-report/paths.h"

namespace vornak {

namespace {

// A whole decimal number as the report prints one ("066", " 500", "-3");
// empty for anything else, a number past nine digits included.
std::optional<int64_t> Integer(const std::string& text) {
  size_t i = text.find_first_not_of(' ');
  if (i == std::string::npos) return std::nullopt;
  const bool negative = text[i] == '-';
  i += negative;
  if (i == text.size() || text.size() - i > 9 || text.find_first_not_of("0123456789", i) != std::string::npos)
    return std::nullopt;
  const int64_t v = std::stoll(text.substr(i));
  return negative ? -v : v;
}

// "5.0" as tenths (50): the multiplier line prints one decimal.
std::optional<int64_t> TenthsOf(const std::string& text) {
  const size_t dot = text.find('.');
  if (dot == std::string::npos || dot + 2 != text.size() || text[dot + 1] < '0' || text[dot + 1] > '9')
    return std::nullopt;
  const std::optional<int64_t> whole = Integer(text.substr(0, dot));
  if (!whole || *whole < 0) return std::nullopt;
  return *whole * 10 + (text[dot + 1] - '0');
}

std::optional<std::string> Text(const std::string& sjis, TextConverter& c) {
  if (sjis.empty()) return std::nullopt;
  return c.ToUtf8(sjis);
}

void Figure(const std::optional<html::BenchFigure>& f, std::optional<int64_t>& points, std::optional<int64_t>& ms) {
  if (!f || f->time == 0) return;
  points = f->points;
  ms = f->time;
}

}  // namespace

std::string MachineSource::ShortName() const { return RunName(file.substr(FileNameStart(file)), run, runs); }

std::string MachineSource::ShortName(Language lang, TextConverter& fileNames) const {
  return RunNameIn(fileNames.ToUtf8(file.substr(FileNameStart(file))), run, runs, lang);
}

std::string RunNameIn(const std::string& fileUtf8, int run, int runs, Language lang) {
  if (runs <= 1) return fileUtf8;
  return Format(TextOf(PageText::kRunOfRuns, lang), {fileUtf8, std::to_string(run), std::to_string(runs)});
}

std::string MachineSource::LastLineText() const {
  std::string last = lastLine;
  while (!last.empty() && (last.back() == '\n' || last.back() == '\r')) last.pop_back();
  return last;
}

MachineSource SourceOf(const ReportMachine& m) {
  return {m.file, m.kind, m.run, m.runs, m.truncated, m.lastLineNumber, m.lastLine};
}

std::string Tenths(int64_t tenths) { return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10); }

SummaryValues SummaryOf(const html::MachineFacts& f, TextConverter& sjis) {
  SummaryValues v;
  v.processor = Text(html::TrimBlanks(html::WithoutNameLabel(f.processorName)), sjis);
  v.vendor = Text(f.vendor, sjis);
  v.signature = Text(f.signature, sjis);
  v.windows = Text(f.windowsVersion, sjis);
  v.platform = Text(f.platform, sjis);
  v.clockMHz = Integer(f.clockMHz);
  v.fsbMHz = Integer(f.fsbMHz);
  v.multiplierTenths = TenthsOf(f.multiplier);
  if (f.l1DataKB) v.l1DataKB = f.l1DataKB;
  if (f.l2KB) v.l2KB = f.l2KB;
  else if (f.noL2) v.l2KB = 0;
  if (f.physicalTotalKB) v.physicalKB = *f.physicalTotalKB;
  if (f.physicalAvailKB) v.physicalAvailableKB = *f.physicalAvailKB;
  if (f.bench == html::ProcessorBench::TimeStamp) v.section = "time-stamp";
  if (f.bench == html::ProcessorBench::Speed) v.section = "speed";
  Figure(f.integer, v.integerPoints, v.integerMs);
  Figure(f.floating, v.floatPoints, v.floatMs);
  for (const html::MemoryPoint& p : f.memory) {
    SummaryValues::Memory& m = v.memory.emplace_back();
    m.blockKB = p.blockKB;
    if (p.measured) m.points = p.figure.points, m.ms = p.figure.time;
  }
  for (const html::DirectXAnswer& d : f.directX) v.directX.push_back(html::DirectXText(d, sjis, Language::kEnglish));
  return v;
}

}  // namespace vornak
