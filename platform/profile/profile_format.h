// The machine-profile text format: one raw answer per line.
//
//   VORNAK95-PROFILE 1
//   # comment
//   cpuid 00000001 = 00000673 00000000 00000000 0387f9ff
//   vendor = "GenuineIntel"
//
// A line is a key, its arguments, "=", and its values. Numbers are hexadecimal
// (32 bits at most); strings are quoted, with every byte below 0x20, 0x7F and
// above, the backslash and the quote written as \hh. docs/profile-format.md
// lists the keys.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vornak::profile {

inline constexpr const char* kMagic = "VORNAK95-PROFILE";
inline constexpr int kVersion = 1;

struct Field {
  bool isString = false;
  uint32_t number = 0;
  std::string text;
};
using Fields = std::vector<Field>;

inline Field Num(uint32_t n) { return Field{false, n, {}}; }
inline Field Str(std::string s) { return Field{true, 0, std::move(s)}; }

class ProfileError : public std::runtime_error {
 public:
  ProfileError(const std::string& file, int line, const std::string& what);
  std::string file;
  int line;
};

std::string EscapeString(const std::string& bytes);  // with the quotes
std::string FormatLine(const std::string& key, const Fields& args, const Fields& values);
// The canonical form of a question, used to match answers to questions.
std::string QuestionText(const std::string& key, const Fields& args);

// Shape of a key's arguments and values: one letter per field, 'n' a number,
// 's' a string.
struct KeySchema {
  const char* key;
  const char* args;
  const char* values;
};
const KeySchema* FindKey(const std::string& key);

// A key whose first value counts the lines of another key: fonts and font,
// windows and window, dplay and dplayprovider. A profile must hold the lines
// its counts promise, and a replay never takes more than are there.
struct CountedList {
  const char* countKey;
  const char* itemKey;
};
extern const CountedList kCountedLists[3];

// A profile larger than this is refused before it is read: a recorded machine
// is a few hundred kilobytes, and win.ini is read up to 16 MB.
inline constexpr long long kMaxProfileBytes = 64LL << 20;

// A parsed profile: every answer, grouped by question, in file order.
//
// The profile keeps the file's text and, per answer line, a 12-byte index
// entry (where the line starts and a hash of its question), sorted by
// question; an answer's fields are parsed again when it is taken. So memory
// stays near the text's own size whatever the file holds: a profile of
// millions of short lines, all one question or all different ones, needs at
// most about 2.4 times its size.
class Profile {
 public:
  // Throws ProfileError naming the file, the line and what was expected.
  static Profile Parse(std::string text, const std::string& fileName);
  static Profile Load(const std::string& path);  // Parse of the file's bytes

  // The next answer to a question; the last one is repeated once the others
  // are used up. Null when the profile never answered the question. The
  // fields stay valid until the same question is taken again.
  const Fields* Take(const std::string& key, const Fields& args);
  // The next line of a counted list (font, window, dplayprovider): each is
  // taken once, and null comes back when they are used up.
  const Fields* TakeListItem(const std::string& key);

 private:
  struct Entry {
    uint32_t hashLow, hashHigh;  // of the question's canonical text
    uint32_t offset;             // where the line starts in text_
    uint64_t Hash() const { return uint64_t{hashHigh} << 32 | hashLow; }
  };
  // How far a question's answers are taken, and the last one taken.
  struct Cursor {
    size_t next = 0;  // the entry to look from
    bool taken = false;
    Fields current;
  };

  // The question's cursor, made at its first answer when first asked.
  Cursor& CursorOf(const std::string& question);
  // Parses the question's next answer into its cursor; false when none is left.
  bool TakeNext(const std::string& question, Cursor& c);
  // Moves `i` to the first entry from `i` on that answers `question`; when
  // none does, to the end of the hash's entries, and returns false.
  bool NextAnswer(const std::string& question, uint64_t hash, size_t& i) const;
  size_t FirstOfHash(uint64_t hash) const;
  std::string_view LineAt(uint32_t offset) const;
  int LineNumberAt(uint32_t offset) const;
  void CheckCounts(const std::string& fileName) const;

  std::string text_;
  std::deque<Entry> entries_;  // by hash, then file order; a deque never copies itself to grow
  // An ordered map: the library's hash tables use instructions a 486 lacks.
  std::map<std::string, Cursor> cursors_;
};

}  // namespace vornak::profile
