#include "cpu/family_names.h"

#include <string>

#include "cpu/cpu_section.h"
#include "cpu/family_name_tables.h"
#include "cpu/l2_cache_tables.h"
#include "cpu/legacy_name_tables.h"

namespace vornak {

namespace {

uint32_t ProcessorType(uint32_t signature) { return (signature >> 12) & 0xFu; }

// An unnamed model gives the empty name: its line is added blank.
std::string NameIn(const SignatureTable& table, uint32_t signature) {
  const char* name = FindSignatureName(table, signature);
  return name ? name : "";
}

char VendorChar(Machine& m, size_t i) {
  std::string vendor = m.CpuidVendor();
  return i < vendor.size() ? vendor[i] : '\0';
}

const SignatureTable* PentiumTable(Machine& m, uint32_t signature) {
  switch (ProcessorType(signature)) {
    case 0:
      if (VendorChar(m, 0) == 'A') return &kPentiumAmdTable;
      if (VendorChar(m, 1) == 'y') return &kPentiumCyrixTable;
      return &kPentiumTable;
    case 1: return &kPentiumOverDriveTable;
    case 2: return &kPentiumDualTable;
    default: return nullptr;
  }
}

// The name of a type-0 family-6 part and its L2 suffix; empty for a model
// without a row.
std::string P6NameWithL2(Machine& m, uint32_t signature) {
  const int32_t l2 = L2CacheSizeKB(m);
  for (size_t i = 0; i < kP6NameCount; ++i) {
    const P6Name& row = kP6Names[i];
    if ((signature & row.mask) != row.value || l2 < row.minL2 || l2 > row.maxL2) continue;
    std::string line = row.name;
    for (size_t s = 0; s < kL2SuffixCount; ++s)
      if (kL2Suffixes[s].sizeKB == l2) line += kL2Suffixes[s].text;
    return line;
  }
  return std::string();
}

}  // namespace

void NamePentium(Analysis& a, Item parent, uint32_t signature) {
  std::string line;
  if (const SignatureTable* table = PentiumTable(a.machine, signature)) {
    line = std::string(kCpuTypePrefix) + NameIn(*table, signature);
  } else {
    a.Add(parent, kUnknownPentium);
    line = kPleaseReport;
  }
  a.Add(parent, line);
  a.tree.Expand(parent);
}

void NameP6(Analysis& a, Item parent, uint32_t signature) {
  std::string line;
  switch (signature & kTypeFamily) {
    case 0x0600: line = P6NameWithL2(a.machine, signature); break;
    case 0x1600: line = NameIn(kP6OverDriveTable, signature); break;
    default:
      a.Add(parent, kUnknownP6);
      line = kPleaseReport;
  }
  a.Add(parent, line);
}

void NameK7(Analysis& a, Item parent, uint32_t signature) {
  std::string line;
  if ((signature & kTypeFamily) == 0x0600) {
    line = NameIn(kK7Table, signature);
  } else {
    a.Add(parent, kUnknownK7);
    line = kPleaseReport;
  }
  a.Add(parent, line);
}

}  // namespace vornak
