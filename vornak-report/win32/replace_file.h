// A complete new file put in its target's place, for output_file.cpp.
//
// MoveFileEx(MOVEFILE_REPLACE_EXISTING) does it in one step. Windows 95, 98
// and Me export MoveFileEx but do not implement it (ERROR_CALL_NOT_IMPLEMENTED):
// there the old file is moved aside under a new name of its own, the new
// file moved to the target's name, and the old one deleted; when the second
// move fails, the old file is moved back, so the target is as it was.
#pragma once

#include <windows.h>

#include <string>

namespace vornak {

using MoveFileExFunction = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);

// `from` in the place of `to`, whether `to` exists or not: 0, or the
// system's error. `moveFileEx` is the system's but in tests.
DWORD PutInPlace(const std::string& from, const std::string& to, MoveFileExFunction moveFileEx = MoveFileExA);

// A name in `folder` that no file has: GetTempFileName creates the file, so
// the name stays ours; with `keep` false it is removed again, for a move.
bool NewName(const std::string& folder, bool keep, std::string& name, DWORD& error);

}  // namespace vornak
