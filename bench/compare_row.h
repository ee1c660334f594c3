// Reference machines for the compare tables, as constant data.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vornak {

inline constexpr int32_t kNoOsCode = -1;  // a row printed without a last column

// One reference machine. The times were measured with the same kernels as the
// section's integer and floating-point lines, so they compare directly.
struct CompareRow {
  const char* label;
  uint32_t refInt;
  uint32_t refFloat;
  int32_t refMHz;
  const char* note;  // the board or machine measured (speed table), or nullptr
  int32_t osCode;    // the Windows measured under (time-stamp tables), or kNoOsCode
};

// A compare listing is flat, in print order: a table line, then group lines
// and rows. A row belongs to the last group line of its table, or to the
// table itself when the table has none.
enum class CompareKind : uint8_t { Table, Group, Row };

struct CompareEntry {
  CompareKind kind;
  CompareRow row;  // for a table or group line only row.label, its text, is used
};

struct CompareListing {
  const CompareEntry* entries;
  size_t count;
  const CompareEntry* begin() const { return entries; }
  const CompareEntry* end() const { return entries + count; }
};

namespace compare_data {
constexpr CompareEntry Table(const char* line) {
  return {CompareKind::Table, {line, 0, 0, 0, nullptr, kNoOsCode}};
}
constexpr CompareEntry Group(const char* line) {
  return {CompareKind::Group, {line, 0, 0, 0, nullptr, kNoOsCode}};
}
constexpr CompareEntry Row(const char* label, uint32_t refInt, uint32_t refFloat, int32_t refMHz,
                           int32_t osCode = kNoOsCode) {
  return {CompareKind::Row, {label, refInt, refFloat, refMHz, nullptr, osCode}};
}
constexpr CompareEntry NotedRow(const char* label, uint32_t refInt, uint32_t refFloat,
                                int32_t refMHz, const char* note) {
  return {CompareKind::Row, {label, refInt, refFloat, refMHz, note, kNoOsCode}};
}
}  // namespace compare_data

}  // namespace vornak
