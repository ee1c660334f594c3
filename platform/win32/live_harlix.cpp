// Processor probes and benchmark kernels of the live machine: Harlix.dll,
// bound at load time by name. Every call goes through here.
#include <cstring>

#include "harlix/harlix.h"
#include "platform/win32/live_machine.h"

namespace vornak {

uint32_t LiveMachine::CheckCpuid() { return HLX_CheckCPUID(); }

CpuidRegs LiveMachine::Cpuid(uint32_t leaf) {
  CpuidRegs r;
  HLX_GetCPUID(leaf, &r.eax, &r.ebx, &r.ecx, &r.edx);
  return r;
}

std::string LiveMachine::CpuidVendor() {
  char vendor[13] = {0};
  HLX_GetCPUIDStr(vendor);
  return std::string(vendor, 12);
}

uint32_t LiveMachine::CheckCyrix() { return HLX_CheckCyrix(); }
uint32_t LiveMachine::ReadCyrixReg(uint32_t index) { return HLX_ReadCyrixReg(index); }
uint32_t LiveMachine::FDivDetect() { return HLX_FDivDetect(); }

uint32_t LiveMachine::RunKernel(Kernel kernel) {
  // In Kernel order; the program imports every timing export by name.
  static uint32_t(HLX_CALL* const kKernels[])(void) = {
      HLX_MemClr,     HLX_MemChk16K,  HLX_MemChk32K,   HLX_MemChk64K,  HLX_MemChk128K,
      HLX_MemChk256K, HLX_MemChk512K, HLX_MemChk1M,    HLX_MemChk2M,   HLX_MemChk4M,
      HLX_MemChk8M,   HLX_MemChk12M,  HLX_MemChk16M,   HLX_MemChk24M,  HLX_MemChk32M,
      HLX_SpeedInt,   HLX_SpeedFloat, HLX_Base,        HLX_Int,        HLX_Float,
      HLX_FloatNoWait, HLX_FloatMix,  HLX_FloatMixNoWait};
  static_assert(sizeof kKernels / sizeof kKernels[0] == static_cast<size_t>(Kernel::Count),
                "one export per kernel");
  auto i = static_cast<size_t>(kernel);
  if (i >= static_cast<size_t>(Kernel::Count)) return 0;
  uint32_t result = kKernels[i]();
  if (kernel == Kernel::FloatMix || kernel == Kernel::FloatMixNoWait) {
    // The mixed kernels work on whatever the FPU stack holds; on the empty
    // stack a call leaves them, ST(0) ends up a NaN marked in use with the
    // invalid-operation flag set. Give the compiled code its empty stack back.
    __asm__ volatile("ffree %%st(0)\n\tfnclex" ::: "memory");
  }
  return result;
}

uint32_t LiveMachine::Convert2Point(uint32_t time) { return HLX_Convert2Point(time); }
uint32_t LiveMachine::Convert2PointMem(uint32_t time) { return HLX_Convert2PointMem(time); }

}  // namespace vornak
