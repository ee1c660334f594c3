#include "cpu/signature_table.h"

namespace vornak {

const char* FindSignatureName(const SignatureTable& table, uint32_t signature) {
  for (size_t i = 0; i < table.count; ++i)
    if ((signature & table.rows[i].mask) == table.rows[i].value) return table.rows[i].name;
  return nullptr;
}

}  // namespace vornak
