// The program's version, kept here only: the VERSIONINFO resource and the
// About box take it from these two numbers, and `make dist` names the release
// package after the VERSIONINFO of the built VORNAK95.EXE.
#pragma once

#define VORNAK_VERSION_MAJOR 3
#define VORNAK_VERSION_MINOR 40

#define VORNAK_STRINGIZE_(x) #x
#define VORNAK_STRINGIZE(x) VORNAK_STRINGIZE_(x)
// "3.40" for the About box; "3, 40, 0, 0" for VERSIONINFO's text values.
#define VORNAK_VERSION_TEXT \
  VORNAK_STRINGIZE(VORNAK_VERSION_MAJOR) "." VORNAK_STRINGIZE(VORNAK_VERSION_MINOR)
#define VORNAK_VERSION_QUAD \
  VORNAK_STRINGIZE(VORNAK_VERSION_MAJOR) ", " VORNAK_STRINGIZE(VORNAK_VERSION_MINOR) ", 0, 0"
