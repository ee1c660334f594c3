// ReplaceFolder under Wine: whatever stands in OUTDIR's place when the new
// site goes in (put there after the build started) is removed only if it is
// nothing, an empty folder or a site; anything else is moved back. Prints
// each failure; the exit status is their number.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "vornak-report/site_files.h"

namespace {

int failures = 0;

void Expect(bool ok, const char* name, const std::string& what) {
  if (ok) return;
  std::printf("FAIL: %s: %s\n", name, what.c_str());
  ++failures;
}

void Put(const std::string& path, const char* text) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD n;
  WriteFile(h, text, static_cast<DWORD>(std::strlen(text)), &n, nullptr);
  CloseHandle(h);
}

// What stands at a path: "missing", "file TEXT", or "folder" and its names.
std::string Describe(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return "missing";
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    char buf[64];
    DWORD n = 0;
    ReadFile(h, buf, sizeof buf, &n, nullptr);
    CloseHandle(h);
    return "file " + std::string(buf, n);
  }
  std::string names = "folder";
  WIN32_FIND_DATAA f;
  HANDLE h = FindFirstFileA((path + "\\*").c_str(), &f);
  if (h == INVALID_HANDLE_VALUE) return names;
  do
    if (std::strcmp(f.cFileName, ".") != 0 && std::strcmp(f.cFileName, "..") != 0) names += std::string(" ") + f.cFileName;
  while (FindNextFileA(h, &f));
  FindClose(h);
  return names;
}

}  // namespace

int main() {
  using vornak::site::Replaced;
  enum Stand { kNothing, kEmpty, kSite, kFolder, kFile };
  struct Case {
    const char* name;
    Stand stand;
    bool replaced;
  };
  const Case cases[] = {
      {"nothing", kNothing, true}, {"an empty folder", kEmpty, true}, {"an old site", kSite, true},
      {"a folder of the user's", kFolder, false}, {"a file", kFile, false},
  };
  char temp[MAX_PATH];
  GetCurrentDirectoryA(sizeof temp, temp);
  int number = 0;
  for (const Case& c : cases) {
    const std::string folder = std::string(temp) + "\\site" + std::to_string(++number);
    const std::string out = folder + "\\out", fresh = folder + "\\.out.new";
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA(fresh.c_str(), nullptr);
    Put(fresh + "\\.mark", "");
    if (c.stand == kEmpty || c.stand == kSite || c.stand == kFolder) CreateDirectoryA(out.c_str(), nullptr);
    if (c.stand == kSite) Put(out + "\\.mark", "");
    if (c.stand == kSite || c.stand == kFolder) Put(out + "\\page.html", "old");
    if (c.stand == kFile) Put(out, "thesis");
    const std::string before = Describe(out);

    const Replaced r = vornak::site::ReplaceFolder(fresh, out, ".mark");
    Expect(r.outcome == (c.replaced ? Replaced::kDone : Replaced::kRefused), c.name,
           "outcome " + std::to_string(r.outcome) + " " + r.error);
    Expect(r.movedTo.empty(), c.name, "moved to " + r.movedTo);
    Expect(Describe(out) == (c.replaced ? "folder .mark" : before), c.name, "out is " + Describe(out));
    Expect(Describe(fresh) == (c.replaced ? "missing" : "folder .mark"), c.name, "the new folder is " + Describe(fresh));
    const std::string left = Describe(folder);
    Expect(left == (c.replaced ? "folder out" : "folder .out.new out"), c.name, "beside it: " + left);
  }
  std::printf("%d failures\n", failures);
  return failures;
}
