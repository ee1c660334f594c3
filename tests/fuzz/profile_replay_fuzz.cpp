// libFuzzer target: any bytes as a machine profile, read and, when the reader
// takes it, replayed through the whole analysis into the outline and the log,
// as vornak-report does with a profile someone mailed; then the HTML page of
// that machine alone and beside itself, which reads numbers back out of the
// report's lines. tools/fuzz-run runs it.
#include <cstddef>
#include <cstdint>

#include "replay_one.h"
#include "tools/vornak-report/html_page.h"
#include "tools/vornak-report/html_report.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const vornak::fuzz::Replayed r = vornak::fuzz::ReplayOne(text);
  if (!r.parsed) return 0;
  // A replay that is taken always reaches the end of the report.
  if (r.log.find("\r\nDrive Info\r\n") == std::string::npos) __builtin_trap();

  vornak::html::PageMachine machine;
  machine.report = vornak::html::LinesOf(r.tree);
  machine.facts = vornak::html::ReadFacts(machine.report, "fuzz.profile");
  const std::string one = vornak::html::BuildPage({machine});
  const std::string two = vornak::html::BuildPage({machine, machine});
  if (one.empty() || two.empty()) __builtin_trap();
  return 0;
}
