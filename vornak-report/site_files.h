// The file system as --site needs it: folders walked, a site's files
// written in a new folder, the new folder put in the old site's place. The
// system calls behind it are posix/site_files.cpp and win32/site_files.cpp;
// what needs none, site_files.cpp.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vornak::site {

// The regular files at or under `path`, appended to `files` in name order
// at each level. Links to files are followed, links to folders are not (a
// link back up would never end). A folder below `path` for which `leaveOut`
// is true is not entered. What cannot be read is appended to `errors` as
// "PATH: reason".
void ListFiles(const std::string& path, std::vector<std::string>& files, std::vector<std::string>& errors,
               const std::function<bool(const std::string& folder)>& leaveOut = {});

// What is at the place a site is to go.
enum class Place { kMissing, kEmptyFolder, kSite, kOther };
// kSite: a folder holding the file named `marker`, left by an earlier site.
Place InspectPlace(const std::string& path, const std::string& marker);

// A new empty folder beside `target` (same parent, so a rename can move it
// there), hidden by a leading dot, with the mode of the folder at `target`,
// or the mode a new folder gets when there is none: it becomes the site,
// which others (a web server) read. Returns "" and the reason in `error`.
std::string MakeFolderBeside(const std::string& target, std::string& error);
bool MakeFolder(const std::string& path, std::string& error);
// A new file holding `bytes`; false and the reason on any failure.
bool WriteNewFile(const std::string& path, std::string_view bytes, std::string& error);
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error);
// How ReplaceFolder ended.
struct Replaced {
  enum Outcome {
    kDone,     // `fresh` is at `target`; what stood there is removed
    kFailed,   // `fresh` is not in place; `error` says why
    kRefused,  // what stood at `target` is no site: put back, nothing removed
  } outcome = kDone;
  std::string error;
  // Set when what stood at `target` could not be put back (`error` then
  // says why): where it is now. It is never removed.
  std::string movedTo;
};

// Puts the folder `fresh` in the place of `target` and removes what stood
// there: nothing, an empty folder, or a site (a folder holding `marker`),
// as found at the moment of the swap, since the user may have put a folder
// of theirs there while the site was built. Anything else (a folder of
// other files, a file, a link) is put back. The swap is one atomic step
// where the system has one; elsewhere ReplaceFolderInTwoSteps.
Replaced ReplaceFolder(const std::string& fresh, const std::string& target, const std::string& marker);
// The same where there is no such step: what stands at `target` is moved
// aside and looked at there, then `fresh` moved in, and the old folder put
// back should that fail.
Replaced ReplaceFolderInTwoSteps(const std::string& fresh, const std::string& target, const std::string& marker);
// ReplaceFolderInTwoSteps's second step, once what stood at `target` has
// been moved to `aside`: alike on every system (site_files.cpp).
Replaced ReplaceFromAside(const std::string& fresh, const std::string& target, const std::string& aside,
                          const std::string& marker);
// The system's rename of a folder (or of what stood in a site's place);
// false and the reason on failure.
bool MoveFolder(const std::string& from, const std::string& to, std::string& error);
// Removes a folder and everything in it, not following links. Best effort.
void RemoveTree(const std::string& path);
// When `folder` is named as the work folders MakeFolderBeside and
// ReplaceFolder make beside `target` (".TARGET.new-..." or ".TARGET.old-..."),
// the name `target` would have beside it; "" otherwise.
std::string WorkFolderOwner(const std::string& folder, const std::string& target);

}  // namespace vornak::site
