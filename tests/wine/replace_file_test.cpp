// PutInPlace under Wine, with MoveFileEx as Windows 95, 98 and Me have it
// (not implemented) and as later systems do: the target replaced whole or
// left as it was, and no file of ours left beside it. Then a site's folder
// put in OUTDIR's place over what stands there by then: only nothing, an
// empty folder or a site goes. With the argument "paths", only the paths'
// splitting (paths.h), in the ANSI code page of the run: under 932 also
// names whose trail byte is 0x5C. Prints each failure; the exit status is
// their number.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "vornak-report/paths.h"
#include "vornak-report/site_files.h"
#include "vornak-report/win32/replace_file.h"

namespace {

int failures = 0;

void Expect(bool ok, const char* name, const char* what) {
  if (ok) return;
  std::printf("FAIL: %s: %s\n", name, what);
  ++failures;
}

BOOL WINAPI NotImplemented(LPCSTR, LPCSTR, DWORD) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

void Put(const std::string& path, const char* text) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD n;
  WriteFile(h, text, static_cast<DWORD>(std::strlen(text)), &n, nullptr);
  CloseHandle(h);
}

// The file's text; "" when there is none.
std::string Text(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return "";
  char buf[64];
  DWORD n = 0;
  ReadFile(h, buf, sizeof buf, &n, nullptr);
  CloseHandle(h);
  return std::string(buf, n);
}

int FilesIn(const std::string& folder) {
  WIN32_FIND_DATAA f;
  HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &f);
  int n = 0;
  if (h == INVALID_HANDLE_VALUE) return 0;
  do n += std::strcmp(f.cFileName, ".") != 0 && std::strcmp(f.cFileName, "..") != 0;  // hidden ones too
  while (FindNextFileA(h, &f));
  FindClose(h);
  return n;
}

}  // namespace

// 表 in code page 932: its trail byte is the backslash's.
#define HYO "\x95\x5c"

void Paths() {
  struct Path {
    const char* path;
    const char *folder, *parent, *base;  // FolderOf, Parent, Base
    bool dbcs;                           // holds a lead byte: only under 932
  };
  const Path paths[] = {
      {"x.json", ".", ".", "x.json", false},
      {"C:\\x.json", "C:\\", "C:\\", "x.json", false},
      {"C:x.json", "C:", "C:", "x.json", false},
      {"a\\b/c.json", "a\\b", "a\\b", "c.json", false},
      {"\\x.json", "\\", "\\", "x.json", false},
      {"\\\\server\\share\\x", "\\\\server\\share", "\\\\server\\share", "x", false},
      {"a\\b\\/", "a\\b\\", "a", "b", false},
      {"dir\\", "dir", ".", "dir", false},
      {"\\", "\\", "\\", "", false},
      {"C:\\", "C:\\", "C:\\", "", false},
      {"C:\\\\", "C:\\", "C:\\", "", false},
      {"C:", "C:", "C:", "", false},
      {"C:dir\\", "C:dir", "C:", "dir", false},
      {"out\\" HYO, "out", "out", HYO, true},
      {"out\\" HYO "\\", "out\\" HYO, "out", HYO, true},
      {HYO "\\" HYO ".LOG", HYO, HYO, HYO ".LOG", true},
  };
  const bool dbcs = GetACP() == 932;
  for (const Path& p : paths) {
    if (p.dbcs && !dbcs) continue;
    Expect(vornak::FolderOf(p.path) == p.folder, p.path, ("folder " + vornak::FolderOf(p.path)).c_str());
    Expect(vornak::Parent(p.path) == p.parent, p.path, ("parent " + vornak::Parent(p.path)).c_str());
    Expect(vornak::Base(p.path) == p.base, p.path, ("base " + vornak::Base(p.path)).c_str());
  }
  struct Joined {
    const char *folder, *name, *path;
    bool dbcs;
  };
  const Joined joins[] = {
      {"a", "x", "a\\x", false},   {"a/", "x", "a/x", false},           {"C:", "x", "C:x", false},
      {"C:\\", "x", "C:\\x", false}, {HYO, "x", HYO "\\x", true}, {"out\\" HYO, ".m", "out\\" HYO "\\.m", true},
  };
  for (const Joined& j : joins) {
    if (j.dbcs && !dbcs) continue;
    Expect(vornak::Join(j.folder, j.name) == j.path, j.folder, ("joined " + vornak::Join(j.folder, j.name)).c_str());
  }
}

int main(int argc, char** argv) {
  Paths();
  if (argc > 1 && std::strcmp(argv[1], "paths") == 0) {
    std::printf("paths in code page %u: %d failures\n", GetACP(), failures);
    return failures;
  }
  struct Case {
    const char* name;
    bool systemMove;   // MoveFileEx as NT has it
    bool oldTarget;    // a file to replace
    bool newFile;      // the new file is there to move
    bool targetHeld;   // another program has the target open
    DWORD error;       // what PutInPlace returns
    const char* after; // the target's text afterwards
    int files;         // files in the folder afterwards
  };
  const Case cases[] = {
      {"MoveFileEx replaces", true, true, true, false, 0, "new", 1},
      {"no MoveFileEx, no old file", false, false, true, false, 0, "new", 1},
      {"no MoveFileEx, an old file", false, true, true, false, 0, "new", 1},
      {"no MoveFileEx, the new file gone", false, true, false, false, ERROR_FILE_NOT_FOUND, "old", 1},
      {"no MoveFileEx, the old file held open", false, true, true, true, ERROR_SHARING_VIOLATION, "old", 2},
  };
  char temp[MAX_PATH];
  GetCurrentDirectoryA(sizeof temp, temp);
  int number = 0;
  for (const Case& c : cases) {
    const std::string folder = std::string(temp) + "\\case" + std::to_string(++number);
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string target = folder + "\\out.json", from = folder + "\\new.tmp";
    if (c.oldTarget) Put(target, "old");
    if (c.newFile) Put(from, "new");
    HANDLE held = c.targetHeld ? CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                             FILE_ATTRIBUTE_NORMAL, nullptr)
                               : INVALID_HANDLE_VALUE;
    const DWORD error = vornak::PutInPlace(from, target, c.systemMove ? MoveFileExA : NotImplemented);
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    Expect(error == c.error, c.name, ("returned " + std::to_string(error)).c_str());
    Expect(Text(target) == c.after, c.name, ("the target reads \"" + Text(target) + "\"").c_str());
    Expect(FilesIn(folder) == c.files, c.name, (std::to_string(FilesIn(folder)) + " files in the folder").c_str());
  }

  using vornak::site::Replaced;
  enum Stand { kNothing, kEmpty, kSite, kFolder, kFile };
  struct Swap {
    const char* name;
    Stand stand;
    bool replaced;
  };
  const Swap swaps[] = {{"nothing", kNothing, true}, {"an empty folder", kEmpty, true}, {"an old site", kSite, true},
                        {"a folder of the user's", kFolder, false}, {"a file", kFile, false}};
  for (const Swap& c : swaps) {
    const std::string folder = std::string(temp) + "\\site" + std::to_string(++number);
    const std::string out = folder + "\\out", fresh = folder + "\\new";
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA(fresh.c_str(), nullptr);
    Put(fresh + "\\.mark", "new");
    if (c.stand != kNothing && c.stand != kFile) CreateDirectoryA(out.c_str(), nullptr);
    if (c.stand == kSite) Put(out + "\\.mark", "old");
    if (c.stand == kFolder) Put(out + "\\thesis", "mine");
    if (c.stand == kFile) Put(out, "mine");
    const Replaced r = vornak::site::ReplaceFolder(fresh, out, ".mark");
    Expect(r.outcome == (c.replaced ? Replaced::kDone : Replaced::kRefused) && r.movedTo.empty(), c.name,
           ("outcome " + std::to_string(r.outcome) + " " + r.error).c_str());
    const std::string kept = c.stand == kFolder ? Text(out + "\\thesis") : Text(out);
    Expect(c.replaced ? Text(out + "\\.mark") == "new" : kept == "mine", c.name, "OUTDIR holds the wrong folder");
    Expect(FilesIn(folder) == (c.replaced ? 1 : 2), c.name, "the new folder, or another, left beside");
  }
  // The new site cannot take the old one's place (it is gone): the old site
  // is moved back from aside.
  const std::string folder = std::string(temp) + "\\site" + std::to_string(++number), out = folder + "\\out";
  CreateDirectoryA(folder.c_str(), nullptr);
  CreateDirectoryA(out.c_str(), nullptr);
  Put(out + "\\.mark", "old");
  const Replaced r = vornak::site::ReplaceFolder(folder + "\\new", out, ".mark");
  Expect(r.outcome == Replaced::kFailed && r.movedTo.empty(), "the new site gone", ("outcome " + r.error).c_str());
  Expect(Text(out + "\\.mark") == "old" && FilesIn(folder) == 1, "the new site gone", "the old site not put back");
  std::printf("%d failures\n", failures);
  return failures;
}
