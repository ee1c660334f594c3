#include "cpu/legacy_names.h"

#include <string>

#include "cpu/legacy_name_tables.h"

namespace vornak {

void Name486(Analysis& a, Item parent, uint32_t signature) {
  const char* name = FindSignatureName(kName486Table, signature);
  if (!name) {
    a.Add(parent, kUnknown486);
    name = kPleaseReport;
  }
  a.Add(parent, name);
}

void Name386(Analysis& a, Item parent, uint32_t signature) {
  const char* name = FindSignatureName(kName386Table, signature);
  if (!name) {
    a.Add(parent, kUnknown386);
    a.Add(parent, kPleaseReport);
    return;
  }
  a.Add(parent, std::string(kCpuTypePrefix) + name);
}

void NameCyrix(Analysis& a, Item item, uint32_t model) {
  const char* name = kUnknownCyrix;
  for (size_t i = 0; i < kCyrixNameCount; ++i)
    if (kCyrixNames[i].dir0 == (model & 0xFFu)) name = kCyrixNames[i].name;
  a.Add(item, name);
}

}  // namespace vornak
