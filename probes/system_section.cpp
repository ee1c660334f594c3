#include "probes/system_section.h"

#include "bench/bench_sections.h"
#include "cpu/cpu_section.h"
#include "pc98/machine_type.h"
#include "probes/processor_type_table.h"
#include "report/wsformat.h"

namespace vornak {

namespace {

constexpr int32_t kSmMousePresent = 19;
constexpr int32_t kSmPenWindows = 41;

const ProcessorTypeRow& ProcessorTypeOf(uint32_t type) {
  for (size_t i = 0; i < kProcessorTypeCount; ++i)
    if (kProcessorTypes[i].type == type) return kProcessorTypes[i];
  return kUnknownProcessorType;
}

void VersionLines(Analysis& a, Item info) {
  static const char* const kPlatforms[] = {"Platform : Win32s", "Platform : Windows95[chicago]",
                                           "Platform : Windows NT"};
  const uint32_t v = a.machine.GetVersion();
  a.Add(info, WsFormat("Version : %d.%.2d", static_cast<int32_t>(MajorVersion(v)),
                       static_cast<int32_t>(MinorVersion(v))));
  a.Add(info, kPlatforms[PlatformKindOf(v)]);
}

// The processor as the system classifies it, and under its line either the
// whole CPU analysis or the memory benchmark alone.
void ProcessorTypeSection(Analysis& a, Item root, uint32_t processorType) {
  const ProcessorTypeRow& row = ProcessorTypeOf(processorType);
  const Item cpu = a.Add(root, row.line);
  if (row.cpuAnalysis) {
    a.Status("Analyz:CPU Performance(Intel)");
    CpuSection(a, cpu);
  } else {
    a.Status("Analyz:CPU Performance(PPC\xA5" "MIPS\xA5" "Alpha and others)");
    AddBenchHeaderSection(a, cpu);
  }
}

}  // namespace

void SystemSection(Analysis& a, Item system, Item root) {
  const Item info = a.Add(system, "Systen Info");
  a.Status("Analyz:Memory Info");
  MemorySection(a, a.Add(system, "Memory Info"));
  a.Status("Analyz:Display Info");
  DisplaySection(a, a.Add(system, "Display Info"));

  VersionLines(a, info);
  const SystemInfo si = a.machine.GetSystemInfo();
  a.Add(info, WsFormat("Windows OEM ID : %ld ", static_cast<long>(static_cast<int32_t>(si.oemId))));
  a.Add(info, WsFormat("# of Processor : %ld ",
                       static_cast<long>(static_cast<int32_t>(si.numberOfProcessors))));

  ProcessorTypeSection(a, root, si.processorType);
  MachineTypeSection(a, root);

  a.Status("Analyz:System setting");
  a.Add(info, a.machine.GetSystemMetric(kSmMousePresent) ? "Mouse Instaled" : "Mouse not Installed");
  a.Add(info, a.machine.GetSystemMetric(kSmPenWindows) ? "Pen Service Instaled"
                                                       : "Pen Service not Installed");
}

void MemorySection(Analysis& a, Item memory) {
  const MemoryStatus s = a.machine.GetMemoryStatus();
  // Shifted as unsigned counts: a figure never shows negative.
  auto l = [](uint32_t v) { return static_cast<long>(v); };
  a.Add(memory, WsFormat("Physical : %ld KB / %ld KB", l(s.availPhys >> 10), l(s.totalPhys >> 10)));
  a.Add(memory, WsFormat("PageFile : %ld MB / %ld MB", l(s.availPageFile >> 20),
                         l(s.totalPageFile >> 20)));
  a.Add(memory, WsFormat("Virtual  : %ld MB / %ld MB", l(s.availVirtual >> 20),
                         l(s.totalVirtual >> 20)));
}

}  // namespace vornak
