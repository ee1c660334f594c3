// A file's bytes read back the way the C runtime's text mode hands them to a
// program: fopen(path, "rt") and fgets into a 256-byte buffer, as msvcrt does
// it on Windows, so that a replay on another system lists the same lines.
#pragma once

#include <string>

namespace vornak {

class TextModeFile {
 public:
  // Text mode as msvcrt has it: CR LF becomes LF (a CR on its own stays),
  // and a Ctrl-Z (0x1A) ends the file.
  explicit TextModeFile(const std::string& bytes);

  // fgets(buffer, 256, file): the next piece of at most 255 characters,
  // ending after the first LF when one comes within them. False at the end.
  // A piece may hold NUL bytes; a caller that reads it as a C string sees it
  // end at the first one.
  bool Gets(std::string& piece);

 private:
  std::string text_;
  size_t pos_ = 0;
};

}  // namespace vornak
