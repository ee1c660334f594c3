// The compare arithmetic as the program runs it on an x87 unit: the same
// digits as a replay computed in doubles (tests/unit/bench_test.cpp), at the
// precision the program starts with and at the single precision Direct3D
// leaves the unit at, which the compare lines must not inherit or keep.
#include <float.h>

#include <cstdio>
#include <string>

#include "bench/compare_line.h"
#include "platform/machine.h"
#include "platform/x87_precision.h"
#include "report/memory_outline.h"

namespace {
class QuietShell : public vornak::Shell {
 public:
  void SetStatusText(const std::string&) override {}
  std::string StatusText() override { return std::string(); }
};
}  // namespace

int main() {
  vornak::UseDoublePrecision();
  // 1496 / 80 is 18.7 exactly, which no double holds: in doubles the
  // thousandths truncate to 699, in 64-bit or 24-bit arithmetic to 700.
  const std::string want = std::string("Pentium 100MHz") + std::string(31, ' ') +
                           " I = 1870MHz [18.699 Times] : F = 1870MHz [18.699 Times] ";
  const struct {
    const char* name;
    unsigned precision;
  } cases[] = {{"start-up precision", _PC_53}, {"left at 24 bits", _PC_24}, {"left at 64 bits", _PC_64}};
  int failed = 0;
  for (unsigned i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    _controlfp(cases[i].precision, _MCW_PC);
    vornak::MemoryOutline outline;
    vornak::ReportTree tree(outline);
    vornak::Machine machine;
    QuietShell shell;
    vornak::Analysis a{tree, machine, shell};
    vornak::AddCompareLine(a, vornak::kNoItem, "Pentium 100MHz", 80, 1496, 80, 1496, 100);
    const unsigned after = _controlfp(0, 0) & _MCW_PC;
    const std::string got = outline.FullText(outline.Root());
    if (got != want) {
      std::printf("case %u (%s): got \"%s\"\n", i, cases[i].name, got.c_str());
      ++failed;
    }
    if (after != cases[i].precision) {
      std::printf("case %u (%s): precision %#x not restored (%#x)\n", i, cases[i].name,
                  cases[i].precision, after);
      ++failed;
    }
  }
  std::printf("%d passed, %d failed\n", static_cast<int>(sizeof cases / sizeof cases[0]) * 2 - failed,
              failed);
  return failed ? 1 : 0;
}
