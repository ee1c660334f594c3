// The log reader as vornak-report will run it over many files: each file
// read through the content-detecting entry point, every machine in it
// summarised as the page and the JSON output do (ReadFacts), nothing kept
// from one file to the next. tools/bench-log-reader runs it; the figures are
// reported, never asserted.
//
//   log_reader_bench FILE...
//   files=N machines=M lines=L seconds=S files_per_sec=F lines_per_sec=P peak_rss_kb=K
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "readback/report_input.h"
#include "vornak-report/html_report.h"

int main(int argc, char** argv) {
  size_t machines = 0, lines = 0, errors = 0, checksum = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 1; i < argc; ++i) {
    try {
      for (const vornak::ReportMachine& m : vornak::ReadReportFile(argv[i])) {
        const vornak::html::MachineFacts f =
            vornak::html::ReadFacts(vornak::html::LinesOf(m.outline), m.Name());
        checksum += f.memory.size() + f.processorName.size();
        lines += static_cast<size_t>(m.lastLineNumber);
        ++machines;
      }
    } catch (const vornak::InputError& e) {
      std::fprintf(stderr, "%s\n", e.what());
      ++errors;
    }
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  const int files = argc - 1;
  std::printf("files=%d machines=%zu lines=%zu seconds=%.3f files_per_sec=%.0f lines_per_sec=%.0f peak_rss_kb=%ld\n",
              files, machines, lines, seconds, files / seconds, lines / seconds, usage.ru_maxrss);
  return errors || checksum == 0 ? 1 : 0;
}
