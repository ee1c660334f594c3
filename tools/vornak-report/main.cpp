// vornak-report: rebuilds a machine's report from its profile, on any system.
//
//   vornak-report PROFILE [--log FILE] [--outline]
//
// Runs the same analysis as "&S)ave LOG" over the recorded answers and writes
// the log bytes to standard output or FILE; --outline prints the tree instead,
// two blanks of indent per level. A bad profile is reported on standard error
// with its line number, exit status 2, and nothing is written.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "app/analysis_run.h"
#include "app/memory_outline.h"
#include "platform/profile/profile_machine.h"

namespace {

class QuietShell : public vornak::Shell {
 public:
  void SetStatusText(const std::string& text) override { status_ = text; }
  std::string StatusText() override { return status_; }

 private:
  std::string status_ = "Ready";
};

int Usage() {
  std::fprintf(stderr, "usage: vornak-report PROFILE [--log FILE] [--outline]\n");
  return 2;
}

bool ReadAll(const std::string& path, std::string& out) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
  std::fclose(f);
  return true;
}

bool WriteAll(std::FILE* f, const std::string& bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() && std::fflush(f) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string profilePath, logPath;
  bool outline = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--log" && i + 1 < argc) logPath = argv[++i];
    else if (arg == "--outline") outline = true;
    else if (!arg.empty() && arg[0] == '-') return Usage();
    else if (profilePath.empty()) profilePath = arg;
    else return Usage();
  }
  if (profilePath.empty()) return Usage();

  vornak::profile::Profile profile;
  try {
    profile = vornak::profile::Profile::Load(profilePath);
  } catch (const vornak::profile::ProfileError& e) {
    std::fprintf(stderr, "vornak-report: %s\n", e.what());
    return 2;
  }

  // The run writes its log through the same writer as the program, into a
  // scratch file; its bytes are passed on only once the run is complete.
  char scratch[] = "/tmp/vornak-report.XXXXXX";
  int fd = mkstemp(scratch);
  if (fd < 0) {
    std::perror("vornak-report: scratch file");
    return 1;
  }
  close(fd);
  std::remove(scratch);

  vornak::ProfileMachine machine(std::move(profile));
  QuietShell shell;
  vornak::MemoryOutline tree;
  vornak::ReportHost host(machine, shell);
  host.CreateTree(tree, 0, 0, 0);
  host.ClearTree();
  host.RunAnalysis(scratch);

  std::string bytes;
  if (outline) bytes = tree.Dump();
  else ReadAll(scratch, bytes);
  std::remove(scratch);

  if (logPath.empty()) return WriteAll(stdout, bytes) ? 0 : 1;
  std::FILE* out = std::fopen(logPath.c_str(), "wb");
  if (!out) {
    std::fprintf(stderr, "vornak-report: cannot write %s\n", logPath.c_str());
    return 1;
  }
  bool ok = WriteAll(out, bytes);
  return (std::fclose(out) == 0 && ok) ? 0 : 1;
}
