// Names of files and folders, split where the system splits them: after
// the last folder separator it knows ('/'; on Windows also '\' and a
// drive's ':', read character by character, since a trail byte of the ANSI
// code page 932 may be 0x5C, the backslash). The rules are paths.cpp; the
// system's separators and roots are posix/paths.cpp and win32/paths.cpp.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vornak {

// Where a path's last part, the file's own name, starts; 0 for a bare name.
size_t FileNameStart(std::string_view path);

// Whether `path` ends in a separator (on Windows also in a drive's ':').
bool EndsInSeparator(std::string_view path);

// The folder a path's last part is in, the path taken as written: "." for
// a bare name, a root as it is ("/x" is in "/"; "C:\x" in "C:\", "C:x" in
// "C:"), else without the separator ("a/" is in "a").
std::string FolderOf(const std::string& path);

// `path` without the separators it ends in, but for a root's own ("/";
// "\", "C:\", "C:").
std::string WithoutTrailingSeparators(const std::string& path);

// The folder holding what `path` names and its last part, with trailing
// separators ignored: "a/b/" is "b" in "a"; a root is in itself, its last
// part "".
std::string Parent(const std::string& path);
std::string Base(const std::string& path);

// `name` in `folder`: one separator between them, none added after one
// (or after a drive's ':').
std::string Join(const std::string& folder, const std::string& name);

// The system's side.
// The separator Join adds.
extern const char kFolderSeparator;
// Whether `head`, a path up to and with a separator, is a root, which keeps
// that separator: "/"; on Windows also "\", "C:\" and a drive's "C:".
bool IsRoot(std::string_view head);

}  // namespace vornak
