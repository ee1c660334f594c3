// Whether the command line reached main() as it was typed. On Windows NT the
// arguments come to main() in the ANSI code page: a name with a character
// that code page lacks arrives with '?' or a look-alike letter in its place
// and would name another file, or none.
#pragma once

#include <string>

namespace vornak {

// False, with the message in `error`, when an argument did not survive.
bool ArgumentsIntact(std::string& error);

}  // namespace vornak
