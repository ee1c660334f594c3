// The x87 unit's precision for the benchmark and compare arithmetic.
//
// The compare lines compute in double precision. The runtime starts the x87
// unit at 64-bit precision, whose intermediates can truncate to another digit
// ("18.700" against "18.699") than a replay on a processor that computes in
// doubles, and Direct3D and display drivers called during a run may leave it
// at 24 bits. So the program sets 53 bits at start-up, and the benchmark
// sections set it again for their own span and restore what they found.
// Elsewhere (SSE arithmetic, native builds) there is nothing to set.
#pragma once

#if defined(_WIN32) && defined(__i386__)
#include <float.h>
#define VORNAK_X87_PRECISION 1
#endif

namespace vornak {

inline void UseDoublePrecision() {
#ifdef VORNAK_X87_PRECISION
  _controlfp(_PC_53, _MCW_PC);
#endif
}

class DoublePrecisionScope {
 public:
#ifdef VORNAK_X87_PRECISION
  DoublePrecisionScope() : saved_(_controlfp(0, 0) & _MCW_PC) { UseDoublePrecision(); }
  ~DoublePrecisionScope() { _controlfp(saved_, _MCW_PC); }
#else
  DoublePrecisionScope() {}
  ~DoublePrecisionScope() {}
#endif
  DoublePrecisionScope(const DoublePrecisionScope&) = delete;
  DoublePrecisionScope& operator=(const DoublePrecisionScope&) = delete;

#ifdef VORNAK_X87_PRECISION
 private:
  unsigned saved_;
#endif
};

}  // namespace vornak
