// What runs when an exception finds no handler: WinMain and the callbacks
// catch what the C++ library throws (out of memory), so this is only for one
// that still escapes. The library's default handler names the exception's
// type through its demangler, which alone would be a ninth of VORNAK95.EXE;
// a GUI program on Windows 95 has nowhere to show that name anyway, so this
// one says that it stops, and stops.
#include <cstdio>
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  std::fputs("VORNAK95: stopped by an unhandled C++ exception\n", stderr);
  std::abort();
}

}  // namespace __gnu_cxx
