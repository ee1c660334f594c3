// --csv: one row per machine, the summary's fields, a header row; RFC 4180
// (fields with a comma, a quote, CR or LF quoted, quotes doubled, CR LF at
// the end of every record), UTF-8 after a byte-order mark, which spreadsheets
// need to read the file as UTF-8 rather than in the system's code page.
//
// A spreadsheet reads each field as what it looks like: "06e8" (a processor's
// signature) becomes 600,000,000, "0591" 591, the Windows version "4.10" 4.1,
// "1/2" a date, "TRUE" a truth value. So a text that could read as a value is
// written as a formula giving that text, ="06e8", which Calc and Excel show
// as exactly that text, and as text; every other text is written as it is.
// A text that starts like a formula keeps its apostrophe instead (see Text).
// Numbers and true/false are written plainly, for the spreadsheet to read as
// such. A script should read the JSON, which holds every text as it is.
#include <algorithm>
#include <cctype>
#include <set>

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

// A letter word that no number, date or time holds: four letters or more and
// not an English month or weekday (shorter ones may be "E" of an exponent,
// "AM", "Jan", "T" of an ISO date).
bool IsPlainWord(std::string word) {
  if (word.size() < 4) return false;
  for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  static const std::set<std::string> kDateWords = {
      "january", "february", "march",  "april",   "june",      "july",     "august",   "september", "sept",
      "october", "november", "december", "monday", "tuesday", "tues",     "wednesday", "thursday", "thur",
      "thurs",   "friday",   "saturday", "sunday"};
  return kDateWords.count(word) == 0;
}

// Whether a spreadsheet could take `text` for something other than this text:
// a number ("0591", "06e8", "4.10", "(5)", "1,000", "１２３"), a date ("1/2",
// "May 5", "1月2日"), a time, a percentage, a currency, TRUE or FALSE, an error
// value ("#N/A"). Any text with a digit and no plain word counts, which takes
// in more than any spreadsheet reads as a value, in any of its languages but
// for their month names and truth words; a text taken in by mistake is only
// written as a formula that gives it.
bool ReadsAsValue(const std::string& text) {
  // TRUE or FALSE, in any case, with blanks around (Calc drops those) or
  // no-break spaces (which it drops around a number); an error value of
  // Excel's ("#N/A", "#REF!").
  std::string bare = text;
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    for (const std::string blank : {" ", "\t", "\xC2\xA0"}) {
      if (bare.compare(0, blank.size(), blank) == 0) bare.erase(0, blank.size()), trimmed = true;
      if (bare.size() >= blank.size() && bare.compare(bare.size() - blank.size(), blank.size(), blank) == 0)
        bare.erase(bare.size() - blank.size()), trimmed = true;
    }
  }
  for (char& c : bare) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (bare == "true" || bare == "false" || (!bare.empty() && bare[0] == '#')) return true;

  const auto at = [&text](size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0; };
  bool digit = false;
  std::string word;
  for (size_t i = 0; i <= text.size(); ++i) {
    const unsigned char c = at(i);
    if (c < 0x80 && std::isalpha(c)) {
      word += static_cast<char>(c);
      continue;
    }
    if (IsPlainWord(word)) return false;
    word.clear();
    // 0-9, and the full-width ０-９ (EF BC 90-99), digits to a Japanese Calc or Excel.
    const bool fullWidth = c == 0xEF && at(i + 1) == 0xBC && at(i + 2) >= 0x90 && at(i + 2) <= 0x99;
    digit = digit || (c >= '0' && c <= '9') || fullWidth;
  }
  return digit;
}

// ="..." giving `text`: its quotes doubled, cut in pieces joined by "&",
// since Excel takes a text of at most 255 characters inside a formula and
// Calc one of at most 1,022. A piece ends on a character's first byte.
std::string Formula(const std::string& text) {
  const size_t kPiece = 255;
  std::string formula = "=";
  size_t i = 0;
  do {
    size_t n = std::min(kPiece, text.size() - i);
    while (n > 1 && i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) --n;
    formula += i ? "&\"" : "\"";
    for (char c : text.substr(i, n)) formula += c == '"' ? std::string("\"\"") : std::string(1, c);
    formula += '"';
    i += n;
  } while (i < text.size());
  return formula;
}

// A text from the log or a file name, as a field.
// - One that starts like a formula ("=", "+", "-", "@", tab, CR) would run
//   in a spreadsheet: it gets a leading apostrophe, which keeps it text (Calc
//   shows the apostrophe).
// - One that could read as a value is written as the formula giving it, but
//   for one holding a line break (a formula cannot, and a spreadsheet takes a
//   field of several lines as text anyway) and one whose formula would pass
//   Excel's 8,192 characters, which gets the apostrophe.
std::string Text(const std::optional<std::string>& text) {
  if (!text) return {};
  const bool runs = !text->empty() && std::string("=+-@\t\r").find(text->front()) != std::string::npos;
  if (runs) return Quoted("'" + *text);
  if (!ReadsAsValue(*text) || text->find_first_of("\r\n") != std::string::npos) return Quoted(*text);
  const std::string formula = Formula(*text);
  return Quoted(formula.size() <= 8192 ? formula : "'" + *text);
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
