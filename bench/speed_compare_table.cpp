// Reference machines of the speed section: milliseconds of the integer and
// floating-point speed loops. The two 6x86 rows give the processor's rating
// (P166, P200) as their MHz, not its clock, as the parts were sold.
#include "bench/bench_tables.h"

namespace vornak {

namespace {
using namespace compare_data;

// clang-format off
const CompareEntry kEntries[] = {
  Table("Socket 5\xA5" "7 Compare table"),
  Group("Intel CPU's"),
  //       label                   refInt refFloat MHz  note
  NotedRow("Pentium 200MHz",       580,   2610,    200, "PC-9821Xa10->200MHz"),
  NotedRow("Pentium 250MHz w/MMX", 397,   1798,    250, "ASUS P/I-P55T2P4 (Base83MHz)"),
  Group("AMD CPU's"),
  NotedRow("AMD 5k86-P75",         674,   5466,    75,  "ASUS P/I-P55T2P4 (75MHz Base50MHz)"),
  NotedRow("AMD 5k86-P90",         559,   4539,    90,  "ASUS P/I-P55T2P4 (90MHz Base60MHz)"),
  Group("Cyrix and IBM CPU's"),
  NotedRow("IBM 6x86-P166L",       755,   7952,    166, "ASUS P/I-P55T2P4 P166(133MHz Base66MHz)"),
  NotedRow("IBM 6x86-P200L",       660,   7058,    200, "ASUS P/I-P55T2P4 P200(150MHz Base75MHz)"),
};
// clang-format on
}  // namespace

const CompareListing kSpeedCompareListing = {kEntries, sizeof kEntries / sizeof kEntries[0]};

}  // namespace vornak
