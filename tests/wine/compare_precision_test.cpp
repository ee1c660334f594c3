// The compare arithmetic as the program runs it on an x87 unit: the same
// digits as a replay computed in doubles (tests/unit/bench_test.cpp).
#include <cstdio>
#include <string>

#include "app/memory_outline.h"
#include "bench/compare_line.h"
#include "platform/machine.h"
#include "platform/win32/fpu.h"

namespace {
class QuietShell : public vornak::Shell {
 public:
  void SetStatusText(const std::string&) override {}
  std::string StatusText() override { return std::string(); }
};
}  // namespace

int main() {
  vornak::UseDoublePrecision();
  vornak::MemoryOutline outline;
  vornak::ReportTree tree(outline);
  vornak::Machine machine;
  QuietShell shell;
  vornak::Analysis a{tree, machine, shell};
  // 1496 / 80 is 18.7 exactly, which no double holds: in doubles the
  // thousandths truncate to 699, in 64-bit intermediates to 700.
  vornak::AddCompareLine(a, vornak::kNoItem, "Pentium 100MHz", 80, 1496, 80, 1496, 100);
  const std::string want = std::string("Pentium 100MHz") + std::string(31, ' ') +
                           " I = 1870MHz [18.699 Times] : F = 1870MHz [18.699 Times] ";
  const std::string got = outline.FullText(outline.Root());
  if (got != want) {
    std::printf("case 1: got \"%s\"\n0 passed, 1 failed\n", got.c_str());
    return 1;
  }
  std::printf("1 passed, 0 failed\n");
  return 0;
}
