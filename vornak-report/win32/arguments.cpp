// The arguments as the system holds them (UTF-16) against what they are in
// the ANSI code page, which main()'s argv got: an argument that does not come
// back the same from the code page was changed on its way. Windows 95 and 98
// keep the command line in the code page itself, so there is nothing to lose.
#include <windows.h>

#include <string>
#include <vector>

#include "vornak-report/arguments.h"

namespace vornak {

namespace {

// The arguments after the program's name, split as the C runtime splits
// them: blanks outside quotes end one; 2n backslashes before a quote are n
// and the quote opens or closes; 2n+1 are n and a quote; other backslashes
// are themselves; "" inside quotes is a quote.
std::vector<std::wstring> SplitArguments(const wchar_t* p) {
  if (*p == L'"') {
    for (++p; *p && *p != L'"'; ++p) {}
    if (*p) ++p;
  } else {
    while (*p && *p != L' ' && *p != L'\t') ++p;
  }
  std::vector<std::wstring> args;
  for (;;) {
    while (*p == L' ' || *p == L'\t') ++p;
    if (!*p) return args;
    std::wstring arg;
    bool quoted = false;
    while (*p && (quoted || (*p != L' ' && *p != L'\t'))) {
      size_t backslashes = 0;
      while (*p == L'\\') ++backslashes, ++p;
      if (*p == L'"') {
        arg.append(backslashes / 2, L'\\');
        if (backslashes % 2) {
          arg += L'"';
        } else if (quoted && p[1] == L'"') {
          arg += L'"';
          ++p;
        } else {
          quoted = !quoted;
        }
        ++p;
      } else {
        arg.append(backslashes, L'\\');
        if (*p && (quoted || (*p != L' ' && *p != L'\t'))) arg += *p++;
      }
    }
    args.push_back(arg);
  }
}

std::string ToAnsi(const std::wstring& w) {
  const int n = WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), &s[0], n, nullptr, nullptr);
  return s;
}

std::wstring FromAnsi(const std::string& s) {
  const int n = MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), &w[0], n);
  return w;
}

}  // namespace

bool ArgumentsIntact(std::string& error) {
  if (GetVersion() & 0x80000000u) return true;  // Windows 95, 98, Me
  const wchar_t* line = GetCommandLineW();
  if (!line) return true;
  for (const std::wstring& arg : SplitArguments(line)) {
    const std::string ansi = ToAnsi(arg);
    if (FromAnsi(ansi) == arg) continue;
    error = "the name " + ansi + " has characters that code page " + std::to_string(GetACP()) +
            " cannot hold; rename the file, or give its short name (dir /x shows it)";
    return false;
  }
  return true;
}

}  // namespace vornak
