// A double as printf's "%.1f" writes it, byte for byte, without printf: the
// exact binary value rounded to tenths, a tie to the even tenth. The Windows
// C runtimes differ in how they round and print such numbers, and mingw's
// own printf is compiled for the Pentium Pro (FCOMI), which the 486 lacks.
#pragma once

#include <string>

namespace vornak {

std::string FixedOneDecimal(double v);

}  // namespace vornak
