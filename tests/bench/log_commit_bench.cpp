// What a logged line and a commit of the log cost, in one process, through
// the program's own FileLog on the system's log file: the same lines written
// with no commit, with each commit count asked for (spread evenly over the
// lines), and a shorter log committed after every line. The counts run in
// turn, round after round, so that a slow spell of a shared machine falls on
// all of them; each figure is the median over the rounds. tools/bench-commit
// runs it; the figures are reported, never asserted.
//
//   log_commit_bench LINES ROUNDS COMMITS...
//   log-commit-bench 1 lines=L rounds=R
//   commits=C median_us=T per_line_us=P [per_commit_us=K]
//   every_line lines=L commits=C per_line_us=P
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "report/report_log.h"

namespace {

double NowUs() {
  LARGE_INTEGER frequency, count;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  return 1e6 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Lines of the length a win.ini gives the log; returns the microseconds
// taken, the file closed.
double WriteLog(int lines, int commits, unsigned& made) {
  DeleteFileA("bench.LOG");
  const double start = NowUs();
  vornak::FileLog log("bench.LOG");
  int next = 1;
  for (int i = 1; i <= lines; ++i) {
    log.Append("key" + std::to_string(i) + "=value " + std::to_string(i));
    if (commits > 0 && static_cast<long long>(i) * commits >= static_cast<long long>(next) * lines) {
      log.Commit();
      ++next;
    }
  }
  log.Close();
  const double took = NowUs() - start;
  made = log.Commits();
  if (!log.Failure().empty()) {
    std::fprintf(stderr, "log_commit_bench: %s\n", log.Failure().c_str());
    std::exit(1);
  }
  return took;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: log_commit_bench LINES ROUNDS COMMITS...\n");
    return 2;
  }
  const int lines = std::atoi(argv[1]), rounds = std::atoi(argv[2]);
  if (lines < 1 || rounds < 1) return 2;
  std::vector<int> counts{0};
  for (int i = 3; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
  std::vector<std::vector<double>> times(counts.size());
  std::vector<unsigned> made(counts.size());
  for (int r = 0; r < rounds; ++r)
    for (size_t j = 0; j < counts.size(); ++j) {
      const size_t k = (j + r) % counts.size();
      times[k].push_back(WriteLog(lines, counts[k], made[k]));
    }

  std::printf("log-commit-bench 1 lines=%d rounds=%d\n", lines, rounds);
  const double none = Median(times[0]);
  for (size_t k = 0; k < counts.size(); ++k) {
    const double t = Median(times[k]);
    std::printf("commits=%u median_us=%.0f per_line_us=%.2f", made[k], t, t / lines);
    if (made[k]) std::printf(" per_commit_us=%.0f", (t - none) / made[k]);
    std::printf("\n");
  }
  // Every line committed: a tenth of the lines, or the run would take minutes.
  const int few = std::max(1, lines / 10);
  std::vector<double> every;
  unsigned everyMade = 0;
  for (int r = 0; r < std::min(rounds, 5); ++r) every.push_back(WriteLog(few, few, everyMade));
  std::printf("every_line lines=%d commits=%u per_line_us=%.2f\n", few, everyMade, Median(every) / few);
  DeleteFileA("bench.LOG");
  return 0;
}
