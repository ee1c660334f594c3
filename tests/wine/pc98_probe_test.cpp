// Drives the live PC-98 probe under Wine: reads through the LiveMachine, then
// the machine-type probe and section over it, and prints what it got.
// Exit status 0 when the answers agree with each other: every refused read
// is empty, and a refused work area gives type 0xFF and no machine line.
#include <cstdio>

#include "pc98/machine_type.h"
#include "platform/win32/live_machine.h"
#include "platform/win32/pc98_io.h"
#include "report/memory_outline.h"

namespace {

using namespace vornak;

// The processor class as Windows reports it; the rest is the live machine.
class ProbeMachine : public LiveMachine {
 public:
  SystemInfo GetSystemInfo() override {
    SYSTEM_INFO si;
    ::GetSystemInfo(&si);
    SystemInfo s;
    s.processorType = si.dwProcessorType;
    return s;
  }
};

class QuietShell : public Shell {
 public:
  void SetStatusText(const std::string&) override {}
  std::string StatusText() override { return std::string(); }
};

template <class T>
void Show(const char* what, const std::optional<T>& v) {
  if (v)
    std::printf("%s = %04x\n", what, static_cast<unsigned>(*v));
  else
    std::printf("%s = refused\n", what);
}

}  // namespace

int main() {
  ProbeMachine m;
  uint32_t version = m.GetVersion();
  std::printf("version = %08lx\n", static_cast<unsigned long>(version));

  std::optional<uint16_t> word = m.BiosWord(0x86);
  std::optional<uint8_t> byte = m.BiosByte(0x101);
  std::optional<uint16_t> port = m.ReadPortWord(0xA460);
  bool wrote = m.WritePortWord(0xCC0, 0x30);
  Show("biosword 86", word);
  Show("biosbyte 101", byte);
  Show("portin a460", port);
  std::printf("portout cc0 = %s\n", wrote ? "ok" : "refused");

  uint16_t type = DetectMachineType(m);
  MemoryOutline outline;
  ReportTree tree(outline);
  QuietShell shell;
  Analysis a{tree, m, shell};
  uint16_t sectionType = MachineTypeSection(a, kNoItem);
  size_t lines = outline.Children(kNoItem).size();
  std::printf("type = %02x\nsection type = %02x\nlines = %u\nfaults = %lu\n", type, sectionType,
              static_cast<unsigned>(lines), static_cast<unsigned long>(vornak_pc98_faults));

  bool consistent = type == sectionType && (type == kMachineUnknown) == (lines == 0) &&
                    (word.has_value() || type == kMachineUnknown);
  if (!consistent) std::printf("inconsistent answers\n");
  return consistent ? 0 : 1;
}
