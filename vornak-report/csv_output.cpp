// --csv: one row per machine, the summary's fields, a header row; RFC 4180
// (fields with a comma, a quote, CR or LF quoted, quotes doubled, CR LF at
// the end of every record), UTF-8 after a byte-order mark, which spreadsheets
// need to read the file as UTF-8 rather than in the system's code page.
#include "bench/bench_tables.h"
#include "vornak-report/report_output.h"

namespace vornak {

namespace {

// The memory blocks of the report's memory section, 16 KB to 32 MB: the
// same columns for every row, whatever a report holds.
std::vector<uint32_t> MemoryBlocks() {
  std::vector<uint32_t> blocks;
  for (const BenchLine& b : kMemoryBenchLines) {
    if (b.kernel == Kernel::MemClr) continue;
    const std::string format = b.format;
    blocks.push_back(html::ParseSizeKB(format.substr(0, format.find('%'))));
  }
  return blocks;
}

std::string Quoted(const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string out = "\"";
  for (char c : field) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

// A text from the log or a file name: a spreadsheet would run one that
// starts like a formula ("=", "+", "-", "@"), so it gets a leading
// apostrophe, which spreadsheets take as "this is text".
std::string Text(const std::optional<std::string>& text) {
  if (!text) return {};
  const bool formula = !text->empty() && std::string("=+-@\t\r").find(text->front()) != std::string::npos;
  return Quoted(formula ? "'" + *text : *text);
}

std::string Number(const std::optional<int64_t>& n) { return n ? std::to_string(*n) : std::string(); }

class CsvOutput : public ReportOutput {
 public:
  std::string Begin() override {
    std::string header =
        "\xEF\xBB\xBF"
        "file,kind,run,runs,truncated,last_line_number,last_line,processor,vendor,signature,clock_mhz,fsb_mhz,"
        "multiplier,l1_data_kb,l2_kb,windows,platform,physical_memory_kb,physical_memory_available_kb,"
        "benchmark_section,integer_points,integer_ms,float_points,float_ms";
    for (uint32_t kb : blocks_) header += ",memory_" + std::to_string(kb) + "kb_points";
    return header + "\r\n";
  }

  std::string Add(const MachineView& m) override {
    const MachineSource& s = m.source;
    const SummaryValues& v = m.summary;
    std::vector<std::string> row = {
        Text(files_.ToUtf8(s.file)),
        s.kind,
        std::to_string(s.run),
        std::to_string(s.runs),
        s.truncated ? "true" : "false",
        s.lastLineNumber > 0 ? std::to_string(s.lastLineNumber) : "",
        s.lastLineNumber > 0 ? Text(sjis_.ToUtf8(s.lastLine)) : "",
        Text(v.processor),
        Text(v.vendor),
        Text(v.signature),
        Number(v.clockMHz),
        Number(v.fsbMHz),
        v.multiplierTenths ? Tenths(*v.multiplierTenths) : "",
        Number(v.l1DataKB),
        Number(v.l2KB),
        Text(v.windows),
        Text(v.platform),
        Number(v.physicalKB),
        Number(v.physicalAvailableKB),
        v.section.value_or(""),
        Number(v.integerPoints),
        Number(v.integerMs),
        Number(v.floatPoints),
        Number(v.floatMs),
    };
    for (uint32_t kb : blocks_) {
      std::optional<int64_t> points;
      for (const SummaryValues::Memory& p : v.memory)
        if (p.blockKB == kb && !points) points = p.points;
      row.push_back(Number(points));
    }
    std::string line;
    for (size_t i = 0; i < row.size(); ++i) line += (i ? "," : "") + row[i];
    return line + "\r\n";
  }

 private:
  const std::vector<uint32_t> blocks_ = MemoryBlocks();
  TextConverter sjis_;
  TextConverter files_{TextConverter::From::kFileName};
};

}  // namespace

std::unique_ptr<ReportOutput> MakeCsvOutput() { return std::make_unique<CsvOutput>(); }

}  // namespace vornak
