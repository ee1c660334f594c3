// vornak-report: reads VORNAK95.LOG files and machine profiles, on any
// system, and writes their reports: the log bytes or the outline, a page
// with charts, a JSON document, a CSV table (options.cpp lists the command
// line; report_run.h how a call goes; report_output.h the outputs).
#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "res/version.h"
#include "vornak-report/arguments.h"
#include "vornak-report/messages.h"
#include "vornak-report/options.h"
#include "vornak-report/output_file.h"
#include "vornak-report/report_run.h"

namespace {

int Main(int argc, char** argv) {
  std::string error;
  if (!vornak::ArgumentsIntact(error)) {
    vornak::WriteMessage(stderr, error);
    return vornak::kExitInput;
  }
  const std::optional<vornak::Options> o = vornak::ParseOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!o) {
    vornak::WriteMessage(stderr, error);
    std::fputs("\n", stderr);
    std::fputs(vornak::kUsage, stderr);
    return vornak::kExitInput;
  }
  if (o->help) return std::fputs(vornak::kUsage, stdout) < 0 ? vornak::kExitOutput : vornak::kExitOk;
  if (o->version) return std::printf("vornak-report %s\n", VORNAK_VERSION_TEXT) < 0 ? vornak::kExitOutput : vornak::kExitOk;
  return vornak::RunReport(*o, stderr);
}

}  // namespace

// Whatever escapes ends the tool with a message, never with an uncaught
// exception's abort.
int main(int argc, char** argv) {
  vornak::InitOutputFiles();
  try {
    return Main(argc, argv);
  } catch (const std::bad_alloc&) {
    vornak::WriteMessage(stderr, "out of memory");
  } catch (const std::exception& e) {
    vornak::WriteMessage(stderr, e.what());
  } catch (...) {
    vornak::WriteMessage(stderr, "unexpected error");
  }
  return vornak::kExitInternal;
}
