#include "cpu/family_name_tables.h"

namespace vornak {

namespace {

constexpr uint32_t W = kWholeSignature;

// "\xA5" is the half-width middle dot; the literal is split after it so a
// following hexadecimal digit does not join the escape.
// clang-format off
const SignatureName kAmd5[] = {
  {kFamilyModel,  0x500, "AMD K5 (Model 0)"},
  {kFamilyModel,  0x510, "AMD K5 (Model 1)"},
  {kFamilyModel,  0x560, "AMD K6 (Model 6)"},
  {kAnySignature, 0,     "AMD CPU"},
};

const SignatureName kCyrix5[] = {
  {W,             0x520, "-Cyrix 6x86 (120\xA5" "150)"},
  {W,             0x530, "-Cyrix 6x86 (120\xA5" "150\xA5" "166\xA5" "200)"},
  {kAnySignature, 0,     "-Cyrix Pentium Compatible"},
};

const SignatureName kPentium[] = {
  {W, 0x513, "Pentium Socket 4(60\xA5" "66MHz)5V"},
  {W, 0x515, "Pentium Socket 4(60\xA5" "66MHz)5V"},
  {W, 0x517, "Pentium Socket 4(60\xA5" "66MHz)5V"},
  {W, 0x51A, "Pentium ODP 60\xA5" "66->120\xA5" "133MHz (Socket 4)"},
  {W, 0x520, "Pentium 75\xA5" "90MHz 4.75V ES ?"},
  {W, 0x521, "Pentium 75\xA5" "90\xA5" "100MHz"},
  {W, 0x522, "Pentium 75\xA5" "90\xA5" "100MHz"},
  {W, 0x524, "Pentium 75\xA5" "90\xA5" "100\xA5" "120MHz"},
  {W, 0x525, "Pentium 75\xA5" "90\xA5" "100\xA5" "120\xA5" "133MHz"},
  {W, 0x526, "Pentium 75\xA5" "90\xA5" "100\xA5" "120MHz"},
  {W, 0x52B, "Pentium 100\xA5" "120\xA5" "133MHz,ODP 75MHz->150MHz"},
  {W, 0x52C, "Pentium 133\xA5" "150\xA5" "166\xA5" "200MHz(PODP3V125,150,166MHz)"},
  {W, 0x544, "Pentium 166\xA5" "200MHz w/MMX"},
  {W, 0x570, "Pentium 75\xA5" "90\xA5" "100MHz"},
  {kModelBits,    0x10, "Pentium Socket 4"},
  {kModelBits,    0x20, "Pentium Socket 5/7 (P54C)3.3V"},
  {kModelBits,    0x40, "Pentium Socket 5/7 (P55C)2.8 or 3.3V"},
  {kAnySignature, 0,    "Pentium ???"},
};

const SignatureName kPentiumOverDrive[] = {
  {W,             0x1531, "PODP5V63 "},
  {W,             0x1532, "PODP5V83 "},
  {W,             0x1544, "Pentium 150/166/200MHz MMX ODP(BPODPMT)"},
  {kAnySignature, 0,      "Pentium ODP"},
};

const SignatureName kPentiumDual[] = {
  {W,             0x2521, "Dual Pentium 75\xA5" "90MHz"},
  {W,             0x2522, "Dual Pentium 75\xA5" "90\xA5" "100MHz"},
  {W,             0x2524, "Dual Pentium 75\xA5" "90\xA5" "100MHz"},
  {W,             0x2525, "Dual Pentium 75\xA5" "90\xA5" "100MHz"},
  {W,             0x2526, "Dual Pentium 75\xA5" "90\xA5" "100\xA5" "120MHz"},
  {W,             0x252B, "Dual Pentium 120\xA5" "133MHz"},
  {kAnySignature, 0,      "Dual Pentium Processor "},
};

const SignatureName kP6OverDrive[] = {
  {W,             0x1632, "Pentium Pro(P6) ODP 333MHz"},
  {kAnySignature, 0,      "Pentium Pro(P6) Over Drive Procedssor"},
};

const SignatureName kK7[] = {
  {kLow12Bits,   0x611, "Athlon K7 "},
  {kLow12Bits,   0x612, "Athlon K7 500/550/600/650MHz "},
  {kFamilyModel, 0x610, "Unknown Athlon K7 Processor "},
};
// clang-format on

template <size_t N>
constexpr SignatureTable Table(const SignatureName (&rows)[N]) {
  return SignatureTable{rows, N};
}

}  // namespace

const SignatureTable kPentiumAmdTable = Table(kAmd5);
const SignatureTable kPentiumCyrixTable = Table(kCyrix5);
const SignatureTable kPentiumTable = Table(kPentium);
const SignatureTable kPentiumOverDriveTable = Table(kPentiumOverDrive);
const SignatureTable kPentiumDualTable = Table(kPentiumDual);
const SignatureTable kP6OverDriveTable = Table(kP6OverDrive);
const SignatureTable kK7Table = Table(kK7);

// Rows by the low 12 bits come before their model's catch-all.
// clang-format off
const P6Name kP6Names[] = {
  {kLow12Bits,   0x611, 0,   kAnyL2Max, "Pentium Pro(P6) 150MHz "},
  {kLow12Bits,   0x612, 0,   kAnyL2Max, "Pentium Pro(P6) 150MHz "},
  {kLow12Bits,   0x616, 0,   kAnyL2Max, "Pentium Pro(P6) 180/200MHz "},
  {kLow12Bits,   0x617, 0,   kAnyL2Max, "Pentium Pro(P6) 166/180/200MHz "},
  {kLow12Bits,   0x619, 0,   kAnyL2Max, "Pentium Pro(P6) 166/180/200MHz "},
  {kFamilyModel, 0x610, 0,   kAnyL2Max, "Unknown Pentium Pro(P6) Processor "},

  {kLow12Bits,   0x633, 0,   kAnyL2Max, "Pentium II 233/266/300MHz 2.8V"},
  {kLow12Bits,   0x634, 0,   kAnyL2Max, "Pentium II 233/266/300MHz 2.8V"},
  {kLow12Bits,   0x650, 512, kAnyL2Max, "Pentium II 333/350/400MHz 2.0V"},
  {kLow12Bits,   0x650, 0,   511,       "Celeron 266/300Mhz "},
  {kLow12Bits,   0x651, 512, kAnyL2Max, "Pentium II 333MHz 2.0V"},
  {kLow12Bits,   0x651, 0,   511,       "Celeron 266/300Mhz 2.0V"},
  {kLow12Bits,   0x652, 0,   511,       "Celeron 266/300Mhz "},
  {kLow12Bits,   0x652, 512, 512,
   "Pentium II 266/300/333/350/400/450MHz(2.0V) or Xeon 400/450MHz or Mobile 233/266MHz"},
  {kLow12Bits,   0x652, 513, kAnyL2Max, "Pentium II Xeon 400/450MHz"},
  {kLow12Bits,   0x660, 0,   kAnyL2Max, "Pentium II Celeron 300A/333 "},
  {kLow12Bits,   0x665, 0,   kAnyL2Max, "Pentium II Celeron 300A/333 "},
  {kFamilyModel, 0x630, 0,   kAnyL2Max, "Pentium II(Mobile)/Celeron/Xeon "},
  {kFamilyModel, 0x650, 0,   kAnyL2Max, "Pentium II(Mobile)/Celeron/Xeon "},
  {kFamilyModel, 0x660, 0,   kAnyL2Max, "Pentium II(Mobile)/Celeron/Xeon "},

  {kLow12Bits,   0x670, 0,   kAnyL2Max, "Pentium III Xeon (ES?)"},
  {kLow12Bits,   0x671, 0,   kAnyL2Max, "Pentium III Xeon (ES?)"},
  {kLow12Bits,   0x672, 0,   kAnyL2Max, "Pentium III (Katmai/Tarnner) 450/500MHz (100MHz*5/4.5)"},
  {kLow12Bits,   0x673, 0,   kAnyL2Max,
   "Pentium III (Katmai/Tarnner) 450/500/550/600/533B/600BMHz (100MHz*5/4.5 133MHz*4.0/4.5)"},
  {kFamilyModel, 0x670, 0,   kAnyL2Max, "Pentium III (Katmai/Tannar) Processor "},

  {kLow12Bits,   0x680, 0,   kAnyL2Max, "Pentium III (Coppermine) (ES?)"},
  {kLow12Bits,   0x681, 0,   kAnyL2Max,
   "Pentium III (Coppermine) 500E/550E/600E/650/700/533EB/600EB/677/733 "
   "(100MHz*5/5.5/6/6.5/7 133MHz/4/4.5/5/5.5)"},
  {kFamilyModel, 0x680, 0,   kAnyL2Max, "Pentium III (Katmai/Tannar/Coppermine) Processor "},
};
// clang-format on
const size_t kP6NameCount = sizeof kP6Names / sizeof kP6Names[0];

}  // namespace vornak
