#include "bench/bench_sections.h"
#include "bench/bench_tables.h"
#include "bench/compare_line.h"
#include "report/wsformat.h"

namespace vornak {

void AddTimeStampPerformanceSection(Analysis& a, Item parent) {
  Item section = a.Add(parent, "----- VORNAK Harlix Intel & AMD TimeStamp Performance -----");
  // The cost of one counter read, measured once: it is not a timing to combine.
  a.Status("Harlix Base");
  a.Add(section, WsFormat("Base : %u", a.machine.RunKernel(Kernel::Base)));

  uint32_t times[kTimeStampBenchLineCount];
  for (size_t i = 0; i < kTimeStampBenchLineCount; ++i)
    times[i] = AddBenchLine(a, section, kTimeStampBenchLines[i], Points::Processor);
  const uint32_t measuredInt = times[0], measuredFloat = times[1];
  a.Add(section, "---------- Integer   :   Float    ---------");

  Item table = kNoItem, group = kNoItem;
  for (const CompareEntry& e : kTimeStampCompareListing) {
    const CompareRow& r = e.row;
    switch (e.kind) {
      case CompareKind::Table:
        table = a.Add(section, r.label);
        group = kNoItem;
        break;
      case CompareKind::Group:
        group = a.Add(table, r.label);
        break;
      case CompareKind::Row: {
        Item under = group != kNoItem ? group : table;
        if (r.osCode == kNoOsCode)
          AddCompareLine(a, under, r.label, measuredInt, r.refInt, measuredFloat, r.refFloat,
                         r.refMHz);
        else
          AddCompareLineOs(a, under, r.label, measuredInt, r.refInt, measuredFloat, r.refFloat,
                           r.refMHz, r.osCode);
        break;
      }
    }
  }
  // Tables and groups stay folded: 137 lines would bury the rest of the report.
  a.tree.Expand(parent);
  a.tree.Expand(section);
}

}  // namespace vornak
