// vornak-report: rebuilds a machine's report from its profile, on any system.
//
//   vornak-report PROFILE [--log FILE] [--outline]
//   vornak-report PROFILE [PROFILE...] --html FILE
//
// Runs the same analysis as "&S)ave LOG" over the recorded answers and writes
// the log bytes to standard output or FILE; --outline prints the tree instead,
// two blanks of indent per level; --html writes a page of up to eight
// machines with charts (tools/vornak-report/html_*). Exit status: 0 done, 1
// the output could not be written, 2 a bad command line or a profile that
// cannot be read (reported on standard error with its line number; nothing
// is written then). A file is replaced whole or not at all (output_file.h).
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "app/profile_replay.h"
#include "res/version.h"
#include "tools/vornak-report/html_command.h"
#include "tools/vornak-report/output_file.h"


namespace {

constexpr int kExitOk = 0, kExitOutput = 1, kExitInput = 2, kExitInternal = 3;

const char kUsage[] =
    "usage: vornak-report PROFILE [--log FILE] [--outline]\n"
    "       vornak-report PROFILE [PROFILE...] --html FILE\n"
    "       vornak-report --help | --version\n"
    "\n"
    "Replays a machine profile recorded by VORNAK95.EXE /RECORD and writes the\n"
    "report it gives: the VORNAK95.LOG bytes (CR LF line ends), or with\n"
    "--outline the tree, two blanks of indent per level.\n"
    "\n"
    "  --log FILE   write to FILE instead of standard output\n"
    "  --outline    the tree instead of the log\n"
    "  --html FILE  a self-contained HTML page of up to 8 profiles: summaries,\n"
    "               benchmark charts, the reports as outlines\n"
    "\n"
    "Exit status: 0 done; 1 the output could not be written; 2 a bad command\n"
    "line or a profile that cannot be read (FILE:LINE: what was expected);\n"
    "3 an internal error (out of memory).\n";

int Usage() {
  std::fputs(kUsage, stderr);
  return kExitInput;
}

bool WriteAll(std::FILE* f, const std::string& bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() && std::fflush(f) == 0;
}

int CannotWrite(const std::string& name, const std::string& reason) {
  std::fprintf(stderr, "vornak-report: cannot write %s: %s\n", name.c_str(), reason.c_str());
  return kExitOutput;
}

struct Options {
  std::vector<std::string> profiles;
  std::string logPath, htmlPath;
  bool outline = false, html = false;
};

// The replay, as the program's "&S)ave LOG" runs it: the log is collected in
// memory through the same writer, and passed on only once the run is complete.
std::string Replay(vornak::profile::Profile profile, bool outline) {
  vornak::MemoryOutline tree;
  vornak::MemoryLog log;
  vornak::ReplayProfile(std::move(profile), tree, &log);
  return outline ? tree.Dump() : log.Bytes();
}

int Main(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return kExitOk;
    }
    if (arg == "--version") {
      std::printf("vornak-report %s\n", VORNAK_VERSION_TEXT);
      return kExitOk;
    }
    if (arg == "--log" && i + 1 < argc) o.logPath = argv[++i];
    else if (arg == "--outline") o.outline = true;
    else if (arg == "--html" && i + 1 < argc) o.html = true, o.htmlPath = argv[++i];
    else if (!arg.empty() && arg[0] == '-') return Usage();
    else o.profiles.push_back(arg);
  }
  if (o.html) {
    if (o.outline || !o.logPath.empty()) return Usage();
    return vornak::html::WriteHtmlReport(o.profiles, o.htmlPath, stderr);
  }
  if (o.profiles.size() != 1) return Usage();
  const std::string& profilePath = o.profiles.front();

  std::string bytes;
  try {
    bytes = Replay(vornak::profile::Profile::Load(profilePath), o.outline);
  } catch (const vornak::profile::ProfileError& e) {
    std::fprintf(stderr, "vornak-report: %s\n", e.what());
    return kExitInput;
  }

  errno = 0;
  if (o.logPath.empty())
    return WriteAll(stdout, bytes) ? kExitOk
                                   : CannotWrite("standard output", errno ? std::strerror(errno) : "write failed");
  std::string reason;
  return vornak::WriteOutputFile(o.logPath, bytes, reason) ? kExitOk : CannotWrite(o.logPath, reason);
}

}  // namespace

// Whatever escapes the replay ends the tool with a message, never with an
// uncaught exception's abort.
int main(int argc, char** argv) {
  // A file size limit makes a write fail, to be reported and cleaned up
  // like a full disk, rather than end the process mid-file.
  std::signal(SIGXFSZ, SIG_IGN);
  try {
    return Main(argc, argv);
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "vornak-report: out of memory\n");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vornak-report: %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "vornak-report: unexpected error\n");
  }
  return kExitInternal;
}
