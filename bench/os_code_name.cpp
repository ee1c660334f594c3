#include "bench/os_code_name.h"

namespace vornak {

namespace {
struct OsCodeText {
  int32_t code;
  const char* text;
};

// clang-format off
// The spellings are the report's own.
const OsCodeText kOsCodes[] = {
  {4000, "Windows NT 4.0 Workstation"},
  {4003, "Windows NT 4.0 Workstation w/SP3"},
  {4103, "Windows NT 4.0 Server w/SP3"},
  {4105, "Windows NT 4.0 Server w/SP5"},
  {4113, "Windows NT 4.0 Server Enterprize w/SP3"},
  {4115, "Windows NT 4.0 Server Enterprize w/SP5"},
  {5100, "Windows NT 5.0 Server"},
  {5101, "Windows NT 5.0 Server Beta 1"},
  {5102, "Windows NT 5.0 Server Beta 2"},
  {5103, "Windows NT 5.0 Server Beta 3"},
  {5110, "Windows NT 5.0 Server Enterprize"},
  {5111, "Windows NT 5.0 Server Enterprize Beta 1"},
  {5112, "Windows NT 5.0 Server Enterprize Beta 2"},
  {5113, "Windows NT 5.0 Server Enterprize Beta 3"},
  {9500, "Windows 95"},
  {9800, "Windows 98"},
  {9803, "Windows 98 Beta 3"},
  {9810, "Windows 98 Secound Edition"},
};
// clang-format on
}  // namespace

const char* OsCodeName(int32_t osCode) {
  for (const OsCodeText& os : kOsCodes)
    if (os.code == osCode) return os.text;
  return "UnKnown OS type";
}

}  // namespace vornak
