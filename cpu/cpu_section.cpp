#include "cpu/cpu_section.h"

#include <string>

#include "bench/bench_sections.h"
#include "cpu/cache_info.h"
#include "cpu/family_names.h"
#include "cpu/feature_flags.h"
#include "cpu/l2_cache_tables.h"
#include "cpu/legacy_names.h"
#include "cpu/processor_signature.h"
#include "pc98/machine_type.h"
#include "report/wsformat.h"

namespace vornak {

namespace {

constexpr uint32_t kBiosCpuIdWord = 0x86;  // from selector 0x40
constexpr uint32_t kCyrixDir0 = 0xFE;
constexpr uint32_t kCyrixDir1 = 0xFF;
constexpr uint32_t kTimeStampCounter = 1u << 4;  // CPUID 1 EDX

char FirstVendorChar(Machine& m) {
  std::string vendor = m.CpuidVendor();
  return vendor.empty() ? '\0' : vendor[0];
}

// Without CPUID: what a PC-98 BIOS and the Cyrix registers tell.
void NoCpuidLines(Analysis& a, Item parent) {
  Machine& m = a.machine;
  if (DetectMachineType(m) == kMachinePc98)
    if (std::optional<uint16_t> word = m.BiosWord(kBiosCpuIdWord))
      a.Add(parent, WsFormat("CPU ID: %x", static_cast<uint32_t>(*word)));
  if (m.CheckCyrix() == 1) {
    Item cyrix = a.Add(parent, "Cyrix/IBM 486 ,5x86,6x86");
    uint32_t model = (m.ReadCyrixReg(kCyrixDir0) & 0xFFu) + 256 * (m.ReadCyrixReg(kCyrixDir1) & 0xFFu);
    a.Add(cyrix, WsFormat("Cyrix Model :%.2x ", model));
    NameCyrix(a, cyrix, model);
  } else {
    a.Add(parent, "i80486 [Intel AMD Cyrix&IBM(CPUID Mode)]");
  }
}

void AmdFeatureLines(Analysis& a, Item parent, uint32_t signature) {
  Machine& m = a.machine;
  if (m.Cpuid(1).eax == 0) return;
  switch (signature & 0xFF0u) {
    case 0x500:
      AmdK5Features(a, parent);
      break;
    case 0x510:
    case 0x560:
    case 0x610: {
      AmdFeatures(a, parent);
      const uint32_t maxExtended = m.Cpuid(0x80000000u).eax;
      if (maxExtended >= 0x80000001u) AmdExtendedFeatures(a, parent);
      if (maxExtended >= 0x80000005u) AmdCacheInfo(a, parent);
      break;
    }
    default:
      break;
  }
}

void IntelFeatureLines(Analysis& a, Item parent) {
  const uint32_t maxLeaf = a.machine.Cpuid(0).eax;
  if (maxLeaf >= 1) IntelFeatures(a, parent);
  if (maxLeaf >= 2) ProcessorConfiguration(a, parent);
  if (maxLeaf >= 3) {
    ProcessorSignature(a, parent);
  } else {
    Item serial = a.Add(parent, "----- Pentium III/ Pentium III Xeon Processor Serial Number -----");
    a.Add(serial, "Not Detect");
  }
}

}  // namespace

void CpuSection(Analysis& a, Item parent) {
  Machine& m = a.machine;
  if (m.CheckCpuid() == 0) {
    // Nothing to name and no processor benchmark: the memory section alone.
    NoCpuidLines(a, parent);
    AddBenchHeaderSection(a, parent);
    return;
  }
  a.Add(parent, m.CpuidVendor());
  const uint32_t signature = m.Cpuid(1).eax;
  a.Add(parent, WsFormat("CPU ID Num : %.4lx", static_cast<unsigned long>(signature)));
  const uint32_t maxLeaf = m.Cpuid(0).eax;
  a.Add(parent, WsFormat("CPU ID Max Value : %.4lx", static_cast<unsigned long>(maxLeaf)));
  if (maxLeaf >= 2) a.Add(parent, WsFormat("CPU L2Cash OnChip : %dKB", L2CacheSizeKB(m)));

  if (FirstVendorChar(m) == 'A')
    AmdFeatureLines(a, parent, signature);
  else
    IntelFeatureLines(a, parent);

  CpuFamilyDispatch(a, parent, m.Cpuid(1).eax);
}

void CpuFamilyDispatch(Analysis& a, Item parent, uint32_t signature) {
  bool timeStamp = false;
  switch (signature & 0xF00u) {
    case 0x400:
      Name486(a, parent, signature);
      break;
    case 0x500:
      NamePentium(a, parent, signature);
      timeStamp = true;
      break;
    case 0x600:
      if (FirstVendorChar(a.machine) == 'A')
        NameK7(a, parent, signature);
      else
        NameP6(a, parent, signature);
      timeStamp = true;
      break;
    default:
      Name386(a, parent, signature);
      break;
  }
  // The time-stamp kernels execute RDTSC: a part of these families that
  // lacks the counter would fault in them, so it gets the speed section.
  if (timeStamp && !(a.machine.Cpuid(1).edx & kTimeStampCounter)) timeStamp = false;

  Item bench = a.Add(parent, "----- VORNAK Harlix -----");
  if (timeStamp)
    AddTimeStampPerformanceSection(a, bench);
  else
    AddSpeedPerformanceSection(a, bench);
  AddMemoryPerformanceSection(a, bench);
}

int32_t L2CacheSizeKB(Machine& m) { return kL2SizeKBByNibble[m.Cpuid(2).edx & 0xFu]; }

}  // namespace vornak
