#include "cpu/feature_flag_tables.h"

namespace vornak {

namespace {

// clang-format off
const FlagLine kIntel[] = {
  {0,  "FPU / On-Chip FPU  : Supported", "FPU / On-Chip FPU  : Not support"},
  {1,  "VME / Virtual Mode Extension : Supported", "VME / Virtual Mode Extension : Not supported"},
  {2,  "DE  / Debugging Extension    : Supported", "DE  / Debugging Extension    : Not supported"},
  {3,  "PSE / Page Size Extension : Supported", "PSE / Page Size Extension : Not supported"},
  {4,  "TSC / Time stamp Extension : Supported", "TSC / Time stamp Extension : Not supported"},
  {5,  "MSR / K86 Model Specific Registers : Supported", "MSR / K86 Model Specific Registers : Not supported"},
  {6,  "PAE / Physical Address Extension: Supported", "PAE / Physical Address Extension: Not supported"},
  {7,  "MCE / Machine Check Exception: Supported", "MCE / Machine Check Exception: Not supported"},
  {8,  "CX8 / CMPXCHG8B Instructions : Supported", "CX8 / CMPXCHG8B Instructions : Not supported"},
  {9,  "APIC / On-Chip APIC Hardware (local APIC): Supported", "APIC / On-Chip APIC Hardware (local APIC): Not Supported"},
  {11, "SEP / SYSCALL and SYSTEY Extensions  : Supported", "SEP / SYSCALL and SYSTEY Extensions : Not Supported"},
  {12, "MTRR / Memory TypeRange Register: Supported", "MTRR / Memory TypeRange Register: Not supported"},
  {13, "GPE / Global Page Extension       : Supported", "GPE / Global Page Extension       : Not Supported"},
  {14, "MCA / Machine Check Architecture MCG_CAP reg. : Supported", "MCA / Machine Check Architecture MCG_CAP reg. : Not Supported"},
  {15, "CMOV / Integer Conditional MOVE Instructions : Supported", "CMOV / Integer Conditional MOVE Instructions : Not supported"},
  {16, "PAT / Page Attribute Table : Supported", "PAT / Page Attribute Table : Not supported"},
  {17, "PSE-36 / 36bit Page Size Extension : Supported", "PSE-36 / 36bit Page Size Extension : Not supported"},
  {18, "Processor Serial Number : Supported", "Processor Serial Number : Not supported"},
  {23, "MMX / MMX Technology Suport     : Supported", "MMX / MMX Technology Suport     : Not supported"},
  {24, "FXSR / Fast floatinf point save/restore : Supported", "FXSR / Fast floatinf point save/restore : Not supported"},
  {25, "Streaming SIMD Extension : Supported", "Streaming SIMD Extension : Not supported"},
};

// The AMD lines shared by the K5 and the later leaf-1 listing.
#define AMD_FPU  {0,  "On-Chip FPU  : Supported", "On-Chip FPU  : Not support"}
#define AMD_VME  {1,  "Virtual Mode Extension: Supported", "Virtual Mode Extension: Not supported"}
#define AMD_DE   {2,  "Debugging Extension    : Supported", "Debugging Extension    : Not supported"}
#define AMD_PSE  {3,  "Page Size Extension: Supported", "Page Size Extension: Not supported"}
#define AMD_TSC  {4,  "Time stamp Extension: Supported", "Time stamp Extension: Not supported"}
#define AMD_MSR  {5,  "Model Specific   Registers: Supported", "Model Specific   Registers: Not supported"}
#define AMD_PAE  {6,  "Physical Address Extension: Supported", "Physical Address Extension: Not supported"}
#define AMD_MCE  {7,  "Machine Check Exception: Supported", "Machine Check Exception: Not supported"}
#define AMD_CX8  {8,  "CMPXCHG8B Instructions : Supported", "CMPXCHG8B Instructions : Not supported"}
#define AMD_APIC {9,  "On-Chip APIC : Supported", "On-Chip APIC : Not Supported"}
#define AMD_MTRR {12, "Memory TypeRange Register: Supported", "Memory TypeRange Register: Not supported"}
#define AMD_PGE  {13, "Page Global Enable       : Supported", "Page Global Enable       : Not Supported"}
#define AMD_MCA  {14, "Machine Check Architecture: Supported", "Machine Check Architecture: Not supported"}
#define AMD_CMOV {15, "CMOV Instruction Support  : Supported", "CMOV Instruction Support  : Not supported"}
#define AMD_MMX  {23, "MMX Technology Suport     : Supported", "MMX Technology Suport     : Not supported"}

const FlagLine kAmdK5[] = {
  AMD_FPU, AMD_VME, AMD_DE, AMD_PSE, AMD_TSC, AMD_MSR, AMD_PAE, AMD_MCE, AMD_CX8, AMD_APIC,
  AMD_MTRR, AMD_PGE, AMD_MCA, AMD_CMOV, AMD_MMX,
};

const FlagLine kAmd[] = {
  AMD_FPU, AMD_VME, AMD_DE, AMD_PSE, AMD_TSC, AMD_MSR, AMD_MCE, AMD_CX8, AMD_PGE, AMD_CMOV,
  {16, "Floatinf-Point Conditional Move instructions : supported",
       "Floatinf-Point Conditional Move instructions : Not supported"},
  AMD_MMX,
};

// The extended listing has spacing of its own (bits 5, 12 and 13).
const FlagLine kAmdExtended[] = {
  AMD_FPU, AMD_VME, AMD_DE, AMD_PSE, AMD_TSC,
  {5,  "Model Specific Registers: Supported", "Model Specific Registers: Not supported"},
  AMD_PAE, AMD_MCE, AMD_CX8, AMD_APIC,
  {11, "SYSCALL and SYSRET Instructions : Supported", "SYSCALL and SYSRET Instructions : Not Supported"},
  {12, "Memory TypeRange Register : Supported", "Memory TypeRange Register : Not supported"},
  {13, "Page Global Enable        : Supported", "Page Global Enable        : Not Supported"},
  AMD_MCA, AMD_CMOV,
  {16, "Page Attribute Table(PAT) : Supported", "Page Attribute Table(PAT) : Not supported"},
  {17, "Page Size Extensions(PSE-36) : Supported", "Page Size Extensions(PSE-36) : Not supported"},
  {22, "MMX AMD Extensions Suport : Supported", "MMX AMD Extensions Suport : Not supported"},
  AMD_MMX,
  {30, "3DNow Enhanced Suport     : Supported", "3DNow Enhanced Suport     : Not supported"},
  {31, "3DNow Technology Suport   : Supported", "3DNow Technology Suport   : Not supported"},
};
// clang-format on

#undef AMD_FPU
#undef AMD_VME
#undef AMD_DE
#undef AMD_PSE
#undef AMD_TSC
#undef AMD_MSR
#undef AMD_PAE
#undef AMD_MCE
#undef AMD_CX8
#undef AMD_APIC
#undef AMD_MTRR
#undef AMD_PGE
#undef AMD_MCA
#undef AMD_CMOV
#undef AMD_MMX

template <size_t N>
constexpr FlagTable Table(const char* header, const FlagLine (&lines)[N]) {
  return FlagTable{header, lines, N};
}

}  // namespace

const FlagTable kIntelFlagTable = Table("----- CPU Spec Intel -----", kIntel);
const FlagTable kAmdK5FlagTable = Table("----- CPU Spec AMD -----", kAmdK5);
const FlagTable kAmdFlagTable = Table("----- CPU Spec AMD -----", kAmd);
const FlagTable kAmdExtendedFlagTable = Table("----- CPU Futurte Flg AMD -----", kAmdExtended);

}  // namespace vornak
