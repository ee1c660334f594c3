// An input file vornak-report cannot take: what is wrong, where. Its text is
// "FILE: message" or, for a line of the file, "FILE:LINE: message", as the
// profile reader's errors read.
#pragma once

#include <stdexcept>
#include <string>

namespace vornak {

class InputError : public std::runtime_error {
 public:
  // Line 0 stands for the file as a whole.
  InputError(const std::string& file, int line, const std::string& message)
      : std::runtime_error(file + ":" + (line > 0 ? std::to_string(line) + ":" : "") + " " + message),
        file(file),
        line(line),
        message(message) {}

  std::string file;
  int line;
  std::string message;
};

// A file that is no log or profile at all (another kind of file, or too
// large to be one), as against one of ours that is broken: a site of a
// folder skips the first kind without a word.
class ForeignFileError : public InputError {
 public:
  using InputError::InputError;
};

}  // namespace vornak
