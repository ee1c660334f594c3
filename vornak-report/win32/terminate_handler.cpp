// For an exception that escapes main()'s catch-all (none should): the
// library's default handler would name its type through a demangler that
// prints with mingw's formatter (c_runtime_printf.cpp says why that is left
// out), and the name tells a user nothing.
#include <cstdio>
#include <cstdlib>

#include "vornak-report/messages.h"

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  vornak::WriteMessage(stderr, "stopped by an unhandled C++ exception");
  std::abort();
}

}  // namespace __gnu_cxx
