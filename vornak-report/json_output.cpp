// --json: one document for all machines. Each machine's object is built and
// written by the JSON library as soon as the machine is read, so the whole
// document is never held in memory; only the array around them is joined
// here. One machine per line, so that line tools can take the file apart.
#include <nlohmann/json.hpp>

#include "vornak-report/report_output.h"

namespace vornak {

namespace {

using Json = nlohmann::ordered_json;

template <class T>
Json Value(const std::optional<T>& v) {
  return v ? Json(*v) : Json(nullptr);
}

std::string Dump(const Json& j) {
  // Every text is converted to UTF-8 already; a byte that is not would be
  // replaced rather than end the run.
  return j.dump(-1, ' ', false, Json::error_handler_t::replace);
}

class JsonOutput : public ReportOutput {
 public:
  std::string Begin() override {
    // The document with its array empty: the machines go between its brackets.
    const std::string empty =
        Dump(Json{{"format", "vornak95-report"}, {"version", 1}, {"machines", Json::array()}});
    tail_ = "\n" + empty.substr(empty.size() - 2) + "\n";  // "]}"
    return empty.substr(0, empty.size() - 2);
  }

  std::string Add(const MachineView& m) override {
    const MachineSource& s = m.source;
    Json source = {{"file", files_.ToUtf8(s.file)}, {"kind", s.kind},           {"run", s.run},
                   {"runs", s.runs},                {"truncated", s.truncated}, {"last_line", nullptr}};
    if (s.lastLineNumber > 0)
      source["last_line"] = {{"number", s.lastLineNumber}, {"text", sjis_.ToUtf8(s.lastLine)}};

    const SummaryValues& v = m.summary;
    Json memory = Json::array();
    for (const SummaryValues::Memory& p : v.memory)
      memory.push_back({{"block_kb", p.blockKB}, {"points", Value(p.points)}, {"ms", Value(p.ms)}});
    Json summary = {
        {"processor", Value(v.processor)},
        {"vendor", Value(v.vendor)},
        {"signature", Value(v.signature)},
        {"clock_mhz", Value(v.clockMHz)},
        {"fsb_mhz", Value(v.fsbMHz)},
        {"multiplier", v.multiplierTenths ? Json(static_cast<double>(*v.multiplierTenths) / 10) : Json(nullptr)},
        {"l1_data_kb", Value(v.l1DataKB)},
        {"l2_kb", Value(v.l2KB)},
        {"windows", Value(v.windows)},
        {"platform", Value(v.platform)},
        {"physical_memory_kb", Value(v.physicalKB)},
        {"physical_memory_available_kb", Value(v.physicalAvailableKB)},
        {"benchmark",
         {{"section", Value(v.section)},
          {"integer_points", Value(v.integerPoints)},
          {"integer_ms", Value(v.integerMs)},
          {"float_points", Value(v.floatPoints)},
          {"float_ms", Value(v.floatMs)},
          {"memory", std::move(memory)}}}};
    Json machine = {{"source", std::move(source)}, {"summary", std::move(summary)}, {"report", Lines(m.report)}};
    return (count_++ ? ",\n" : "\n") + Dump(machine);
  }

  std::string End() override { return tail_; }

 private:
  Json Lines(const std::vector<html::ReportLine>& lines) {
    Json out = Json::array();
    for (const html::ReportLine& l : lines) out.push_back({{"text", sjis_.ToUtf8(l.text)}, {"children", Lines(l.children)}});
    return out;
  }

  TextConverter sjis_;
  TextConverter files_{TextConverter::From::kFileName};
  std::string tail_;
  size_t count_ = 0;
};

}  // namespace

std::unique_ptr<ReportOutput> MakeJsonOutput() { return std::make_unique<JsonOutput>(); }

}  // namespace vornak
