// libFuzzer target: any bytes as vornak-report takes a file, by its content:
// a machine profile is read and, when the reader takes it, replayed through
// the whole analysis into the outline and the log, as vornak-report does
// with a profile someone mailed; a VORNAK95.LOG is read back into one
// outline per run. Then the HTML page of each machine alone and of the
// first beside itself, which reads numbers back out of the report's lines,
// and the JSON document and the CSV table of them all; the document must
// parse.
// A replayed profile's log is read back too: every line must come back in
// order, and the outline must be the replay's wherever the log is not
// ambiguous (tests/fuzz/log_round_trip.h). tools/fuzz-run runs it.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include <nlohmann/json.hpp>

#include "log_round_trip.h"
#include "readback/report_input.h"
#include "vornak-report/html_page.h"
#include "vornak-report/html_report.h"
#include "vornak-report/report_output.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::vector<vornak::ReportMachine> machines;
  try {
    machines = vornak::ReadReportBytes(bytes, "fuzz.input");
  } catch (const vornak::InputError&) {
    return 0;
  }
  std::unique_ptr<vornak::ReportOutput> json = vornak::MakeJsonOutput(), csv = vornak::MakeCsvOutput();
  std::string document = json->Begin();
  vornak::TextConverter sjis;
  for (const vornak::ReportMachine& m : machines) {
    if (m.kind == "profile") {
      // A replay that is taken always reaches the end of the report.
      if (m.log.find("\r\nDrive Info\r\n") == std::string::npos) __builtin_trap();
      const std::string failure = vornak::fuzz::CheckLogRoundTrip(m.outline, m.log);
      if (!failure.empty()) {
        std::fprintf(stderr, "log round trip: %s\n", failure.c_str());
        __builtin_trap();
      }
    }
    vornak::html::PageMachine machine;
    machine.report = vornak::html::LinesOf(m.outline);
    machine.facts = vornak::html::ReadFacts(machine.report, m.Name());
    if (vornak::html::BuildPage({machine}).empty()) __builtin_trap();
    if (&m == &machines.front() && vornak::html::BuildPage({machine, machine}).empty()) __builtin_trap();
    const vornak::MachineSource source = vornak::SourceOf(m);
    const vornak::SummaryValues summary = vornak::SummaryOf(machine.facts, sjis);
    const vornak::MachineView view{m, source, machine.report, machine.facts, summary};
    document += json->Add(view);
    if (csv->Add(view).find("\r\n") == std::string::npos) __builtin_trap();
  }
  if (!nlohmann::json::accept(document + json->End())) __builtin_trap();
  return 0;
}
