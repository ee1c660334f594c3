// The printf family of this program goes to msvcrt.dll's. mingw's own
// formatter (which its headers select for C++, and which the library's
// nlohmann/json calls for its \u escapes) links a number converter compiled
// with FCOMI, an instruction the 486 and the Pentium lack, even where only
// "%s" is printed. The tool prints no floating-point number through printf
// (decimal.h) and no %zu or %lld, which msvcrt.dll of Windows 95 lacks.
#include <cstdarg>
#include <cstdio>
#include <string>

extern "C" {

int __cdecl __ms_vfprintf(FILE*, const char*, va_list);

int __cdecl __mingw_vfprintf(FILE* f, const char* format, va_list args) { return __ms_vfprintf(f, format, args); }

// C99's contract over msvcrt's: the text cut to fit and ended, and the
// length the whole text would have.
int __cdecl __mingw_vsnprintf(char* out, size_t size, const char* format, va_list args) {
  va_list again;
  va_copy(again, args);
  int n = _vsnprintf(out, size, format, args);
  if (n >= 0 && static_cast<size_t>(n) < size) {
    va_end(again);
    return n;
  }
  if (size > 0) out[size - 1] = '\0';
  std::string whole(size > 0 ? size * 2 : 64, '\0');
  for (;;) {
    va_list attempt;
    va_copy(attempt, again);
    n = _vsnprintf(&whole[0], whole.size(), format, attempt);
    va_end(attempt);
    if (n >= 0 && static_cast<size_t>(n) < whole.size()) break;
    if (whole.size() > (1u << 24)) {  // a format msvcrt refuses, not a long text
      n = -1;
      break;
    }
    whole.resize(whole.size() * 2);
  }
  va_end(again);
  return n;
}

}  // extern "C"
