// Every key a profile may hold, with the shape of its arguments and values
// ('n' number, 's' string). docs/profile-format.md explains each one.
#include <cstring>

#include "platform/profile/profile_format.h"

namespace vornak::profile {

namespace {
// clang-format off
const KeySchema kKeys[] = {
  // key           arguments  values
  // Operating system
  {"version",      "",   "n"},
  {"nuvash32",     "",   "n"},
  {"sysinfo",      "",   "nnn"},        // oem id, processors, processor type
  {"memory",       "",   "nnnnnn"},     // total/avail phys, page file, virtual
  {"metric",       "n",  "n"},
  {"devcaps",      "n",  "n"},
  {"fonts",        "",   "n"},          // count of "font" lines that follow
  {"font",         "",   "ss"},         // style, full name
  // Processor probes
  {"cpuidcheck",   "",   "n"},
  {"cpuid",        "n",  "nnnn"},       // eax ebx ecx edx
  {"vendor",       "",   "s"},
  {"cyrixcheck",   "",   "n"},
  {"cyrixreg",     "n",  "n"},
  {"fdiv",         "",   "n"},
  // Benchmark kernels, by export name without HLX_
  {"kernel",       "s",  "n"},
  // PC-98 BIOS work area and ports: first value 1 = read, 0 = refused
  {"biosword",     "n",  "nn"},
  {"biosbyte",     "n",  "nn"},
  {"portin",       "n",  "nn"},
  {"portout",      "nn", "n"},
  // Windows, initialisation files, drives: first value 1 = answered
  {"windows",      "",   "n"},          // count of "window" lines that follow
  {"window",       "",   "nsn"},        // hwnd, title, parent
  {"windir",       "",   "ns"},
  {"sysdir",       "",   "ns"},
  {"temppath",     "",   "ns"},
  {"file",         "s",  "ns"},         // opened, bytes
  {"volume",       "s",  "n"},
  {"volumeinfo",   "s",  "nssnnn"},     // ok, name, file system, serial, max name, flags
  {"drivetype",    "s",  "n"},
  {"diskfree",     "s",  "nnnnn"},      // ok, sectors/cluster, bytes/sector, free, total
  // DirectX: result codes, then the record fields the report reads
  {"d3d",          "",   "nn"},
  {"ddraw",        "n",  "nnnnnnnnnnnnnnnnnnnnnnnnnn"},  // 4 codes, driver caps, emulation caps
  {"dsound",       "",   "nnnnnnnnnnnnnnnnnnnnnnn"},     // 2 codes, 21 DSCAPS fields
  {"dplayprovider","",   "ssnn"},       // guid bytes, name, major, minor
  {"dplay",        "",   "nnnnnnnnnnn"},  // providers, attempted, create, getcaps, 7 DPCAPS fields
  {"joynum",       "",   "n"},
  {"joycaps",      "n",  "nsssnnnn"},   // result, name, reg key, OEM VxD, mid, pid, buttons, caps
};
// clang-format on
}  // namespace

const CountedList kCountedLists[3] = {
  // count key   item key
  {"fonts",      "font"},
  {"windows",    "window"},
  {"dplay",      "dplayprovider"},
};

const KeySchema* FindKey(const std::string& key) {
  for (const KeySchema& k : kKeys)
    if (key == k.key) return &k;
  return nullptr;
}

}  // namespace vornak::profile
