#include "vornak-report/report_run.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "vornak-report/file_identity.h"
#include "vornak-report/html_page.h"
#include "vornak-report/messages.h"
#include "vornak-report/output_file.h"
#include "vornak-report/report_output.h"
#include "vornak-report/site_build.h"
#include "vornak-report/user_language.h"

namespace vornak {

namespace {

// Where an output's bytes go: a new file that replaces its target once
// complete, or standard output, which is written only at the end, so that a
// bad input found late leaves nothing written there either.
class Destination {
 public:
  explicit Destination(const std::string& path) : path_(path) {
    if (path != "-") file_ = std::make_unique<OutputFile>(path);
  }
  std::string Name() const { return file_ ? path_ : "standard output"; }
  const std::string& Error() const { return file_ ? file_->Error() : error_; }
  bool Write(const std::string& bytes) {
    if (!file_) return buffer_ += bytes, true;
    return file_->Write(bytes);
  }
  bool Commit() { return file_ ? file_->Commit() : WriteStandardOutput(buffer_, error_); }

 private:
  std::string path_;
  std::unique_ptr<OutputFile> file_;
  std::string buffer_, error_;
};

struct Target {
  std::unique_ptr<ReportOutput> output;
  Destination destination;
};

int CannotWrite(const Destination& d, std::FILE* err) {
  WriteMessage(err, "cannot write " + d.Name() + ": " + d.Error());
  return kExitOutput;
}

void NoteTruncated(const MachineSource& s, std::FILE* err) {
  TextConverter sjis;
  if (s.lastLineNumber > 0)
    WriteMessage(err,
                 "note: " + s.Name() + " is truncated: its last line is line " + std::to_string(s.lastLineNumber) + ": ",
                 sjis.ToUtf8(s.LastLineText()));
  else
    WriteMessage(err, "note: " + s.Name() + " is truncated before its first whole line");
}

// What a file starts with as a log or a profile: "log", "profile" or "".
std::string KindOfFile(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return "";
  char start[kKindStartBytes] = {};
  const size_t n = std::fread(start, 1, sizeof start, f);
  std::fclose(f);
  return KindOfStart(std::string_view(start, n));
}

// An output that names one of the inputs (by any name: ./A.LOG, a link)
// would replace it, often the only copy. A page, JSON or CSV never replaces
// a log or profile either: `--csv logs/*.LOG`, its file name forgotten,
// makes the first log the target and no input. Returns the exit status, 0
// if no output is refused.
int RefuseInputTargets(const Options& o, std::FILE* err) {
  std::vector<std::optional<FileIdentity>> inputs;
  for (const auto& [option, target] : {std::pair{"--log", &o.log}, {"--html", &o.html}, {"--json", &o.json},
                                       {"--csv", &o.csv}}) {
    if (!*target || **target == "-") continue;
    const std::optional<FileIdentity> id = IdentityOf(**target);
    if (!id) continue;  // not there yet, or no file a rename replaces
    if (inputs.empty())
      for (const std::string& in : o.inputs) inputs.push_back(IdentityOf(in));
    for (size_t i = 0; i < inputs.size(); ++i)
      if (inputs[i] == id) {
        WriteMessage(err, std::string(option) + " " + **target + " would replace the input " + o.inputs[i] +
                              ": nothing written");
        return kExitInput;
      }
    // --log writes a log, and --outline a text that starts as one does.
    const std::string kind = target == &o.log ? "" : KindOfFile(**target);
    if (!kind.empty()) {
      WriteMessage(err, std::string(option) + " " + **target + " would replace a VORNAK95 " + kind + ": nothing written");
      return kExitInput;
    }
  }
  return kExitOk;
}

}  // namespace

int RunReport(const Options& o, std::FILE* err) {
  const Language lang = o.lang ? *o.lang : UserLanguage();
  if (o.site) return site::RunSite(*o.site, o.inputs, err, lang);
  if (const int status = RefuseInputTargets(o, err)) return status;
  std::vector<Target> targets;
  if (o.html) targets.push_back({MakeHtmlOutput(lang), Destination(*o.html)});
  if (o.json) targets.push_back({MakeJsonOutput(), Destination(*o.json)});
  if (o.csv) targets.push_back({MakeCsvOutput(), Destination(*o.csv)});
  const bool logMode = targets.empty();
  if (logMode) targets.push_back({MakeLogOutput(o.outline), Destination(o.log.value_or("-"))});

  bool summaries = false;
  for (Target& t : targets) {
    if (!t.destination.Error().empty() || !t.destination.Write(t.output->Begin())) return CannotWrite(t.destination, err);
    summaries |= t.output->NeedsSummary();
  }

  TextConverter sjis;
  size_t count = 0;
  for (const std::string& path : o.inputs) {
    std::vector<ReportMachine> machines;
    try {
      machines = ReadReportFile(path);
    } catch (const InputError& e) {
      WriteMessage(err, e.what());
      return kExitInput;
    }
    for (ReportMachine& m : machines) {
      const MachineSource source = SourceOf(m);
      if (o.html && ++count > html::kMaxPageMachines) {
        WriteMessage(err, "at most " + std::to_string(html::kMaxPageMachines) + " machines on one page (--html); " +
                              source.Name() + " is the " + std::to_string(count) + "th");
        return kExitInput;
      }
      if (logMode && source.truncated) NoteTruncated(source, err);
      std::vector<html::ReportLine> report;
      html::MachineFacts facts;
      SummaryValues summary;
      if (summaries) {
        report = html::LinesOf(m.outline);
        facts = html::ReadFacts(report, source.ShortName());
        summary = SummaryOf(facts, sjis);
      }
      const MachineView view{m, source, report, facts, summary};
      for (Target& t : targets)
        if (!t.destination.Write(t.output->Add(view))) return CannotWrite(t.destination, err);
    }
  }
  for (Target& t : targets)
    if (!t.destination.Write(t.output->End()) || !t.destination.Commit()) return CannotWrite(t.destination, err);
  return kExitOk;
}

}  // namespace vornak
