#include "probes/ini_files.h"

#include <cstring>

#include "probes/text_mode_file.h"
#include "report/wsformat.h"

namespace vornak {

namespace {

void IniFileSection(Analysis& a, Item file, const char* pathFormat) {
  // Without the Windows directory there is no path to open.
  const std::optional<std::string> dir = a.machine.WindowsDirectory();
  if (!dir) return;
  const std::optional<std::string> bytes = a.machine.ReadFileBytes(WsFormat(pathFormat, dir->c_str()));
  if (!bytes) return;

  TextModeFile in(*bytes);
  Item current = file;
  std::string piece;
  while (in.Gets(piece)) {
    // The piece is a C string: a NUL ends it for the length test and for the
    // line alike, so "\0..." counts as empty and is skipped.
    if (std::strlen(piece.c_str()) < 2) continue;
    if (piece[0] == '[') {
      const Item header = a.Add(file, piece);
      current = header != kNoItem ? header : file;
    } else {
      a.Add(current, piece);
    }
  }
}

}  // namespace

void WinIniSection(Analysis& a, Item file) { IniFileSection(a, file, "%s\\win.ini"); }
void SystemIniSection(Analysis& a, Item file) { IniFileSection(a, file, "%s\\system.ini"); }

}  // namespace vornak
