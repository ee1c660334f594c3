#include "bench/bench_sections.h"
#include "bench/bench_tables.h"
#include "bench/compare_line.h"

namespace vornak {

void AddSpeedPerformanceSection(Analysis& a, Item parent) {
  Item section = a.Add(parent, "----- VORNAK Harlix Speed Performance -----");
  uint32_t measuredInt = AddBenchLine(a, section, kSpeedIntLine, Points::Memory);
  uint32_t measuredFloat = AddBenchLine(a, section, kSpeedFloatLine, Points::Memory);

  Item table = kNoItem, group = kNoItem;
  for (const CompareEntry& e : kSpeedCompareListing) {
    const CompareRow& r = e.row;
    switch (e.kind) {
      case CompareKind::Table:
        table = a.Add(section, r.label);
        break;
      case CompareKind::Group:
        if (group != kNoItem) a.tree.Expand(group);
        group = a.Add(table, r.label);
        break;
      case CompareKind::Row:
        AddCompareLineNote(a, group, r.label, measuredInt, r.refInt, measuredFloat, r.refFloat,
                           r.refMHz, r.note);
        break;
    }
  }
  if (group != kNoItem) a.tree.Expand(group);
  a.tree.Expand(table);
  a.tree.Expand(section);
}

}  // namespace vornak
