#include "vornak-report/site_build.h"

#include <set>

#include "vornak-report/file_identity.h"
#include "vornak-report/html_page.h"
#include "vornak-report/report_run.h"
#include "vornak-report/site_files.h"
#include "vornak-report/site_pages.h"

namespace vornak::site {

namespace {

constexpr size_t kNeighbours = 7;
constexpr char kPageFolder[] = "m", kAssetFolder[] = "assets";

// The new site's folder, removed unless it was put in place.
class Building {
 public:
  explicit Building(std::string path) : path_(std::move(path)) {}
  ~Building() {
    if (!path_.empty()) RemoveTree(path_);
  }
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }
  void Release() { path_.clear(); }

 private:
  std::string path_;
};

class SiteRun {
 public:
  SiteRun(const std::string& outdir, std::FILE* err) : outdir_(outdir), err_(err) {}

  int Run(const std::vector<std::string>& inputs) {
    const Place place = InspectPlace(outdir_, kMarker);
    if (place == Place::kOther) {
      std::fprintf(err_, "vornak-report: %s exists and is no site vornak-report made: it is left as it is\n",
                   outdir_.c_str());
      return kExitInput;
    }
    // The old site goes as a whole: nothing in it may be an input, however
    // it is named or reached. An empty folder holds nothing to lose.
    KnownFolder oldSite(outdir_, kMarker);
    const bool old = place == Place::kSite;
    for (const std::string& in : inputs)
      if (old && oldSite.Holds(in)) return WouldReplace(in);
    // OUTDIR in a folder searched, and the work folders a stopped run left
    // beside it, hold pages, not inputs.
    const auto leaveOut = [&](const std::string& folder) {
      const std::string owner = WorkFolderOwner(folder, outdir_);
      return old && (oldSite.Is(folder) || (!owner.empty() && oldSite.Is(owner)));
    };
    std::vector<std::string> files, missing;
    for (const std::string& in : inputs) {
      std::vector<std::string> errors;
      const size_t before = files.size();
      ListFiles(in, files, errors, leaveOut);
      // A name on the command line that is not there is a mistake to stop
      // at; what cannot be read inside a folder is counted and skipped.
      if (files.size() == before && errors.size() == 1 && errors.front().compare(0, in.size() + 2, in + ": ") == 0) {
        std::fprintf(err_, "vornak-report: %s\n", errors.front().c_str());
        return kExitInput;
      }
      for (const std::string& e : errors) Skip(e, counts_.unreadable);
    }
    // A link found in a folder may still lead into the old site.
    for (const std::string& f : files)
      if (old && oldSite.Holds(f)) return WouldReplace(f);
    std::string error;
    const std::string temp = MakeFolderBeside(outdir_, error);
    if (temp.empty()) return CannotWrite(outdir_, error);
    Building site(temp);
    if (!MakeFolder(site / kPageFolder, error) || !MakeFolder(site / kAssetFolder, error))
      return CannotWrite(site.Path(), error);

    // A file named twice (its folder, and itself) is read once.
    std::set<std::string> seen;
    for (const std::string& f : files)
      if (seen.insert(f).second && !Read(f, site)) return kExitOutput;
    if (entries_.empty()) {
      std::fprintf(err_, "vornak-report: no log or profile found in the inputs: no site written\n");
      return kExitInput;
    }
    if (!Finish(site)) return kExitOutput;
    if (!ReplaceFolder(site.Path(), outdir_, error)) return CannotWrite(outdir_, error);
    site.Release();
    // %u: the C runtime of Windows 95 knows no %zu.
    std::fprintf(err_, "vornak-report: %s: %u machines from %u files", outdir_.c_str(),
                 static_cast<unsigned>(entries_.size()), static_cast<unsigned>(counts_.files));
    if (counts_.duplicates)
      std::fprintf(err_, "; %u runs found again, merged", static_cast<unsigned>(counts_.duplicates));
    if (counts_.skipped) std::fprintf(err_, "; %u other files skipped", static_cast<unsigned>(counts_.skipped));
    if (counts_.unreadable)
      std::fprintf(err_, "; %u files could not be read", static_cast<unsigned>(counts_.unreadable));
    std::fprintf(err_, "\n");
    return kExitOk;
  }

 private:
  int WouldReplace(const std::string& input) {
    std::fprintf(err_, "vornak-report: --site %s would replace the input %s: nothing written\n", outdir_.c_str(),
                 input.c_str());
    return kExitInput;
  }
  int CannotWrite(const std::string& where, const std::string& error) {
    std::fprintf(err_, "vornak-report: cannot write %s: %s\n", where.c_str(), error.c_str());
    return kExitOutput;
  }
  bool Failed(const std::string& where, const std::string& error) { return CannotWrite(where, error), false; }

  void Skip(const std::string& message, size_t& count) {
    std::fprintf(err_, "vornak-report: skipped %s\n", message.c_str());
    ++count;
  }

  // One file's machines, each new one's page written without its place in
  // the collection (known once every file is read); false if it cannot be
  // written.
  bool Read(const std::string& path, const Building& site) {
    std::vector<ReportMachine> machines;
    try {
      machines = ReadReportFile(path);
    } catch (const ForeignFileError&) {
      ++counts_.skipped;  // other files of a folder are expected
      return true;
    } catch (const InputError& e) {
      Skip(e.what(), counts_.unreadable);  // a log or profile that does not read is worth a word
      return true;
    }
    ++counts_.files;
    const html::SiteLinks links{"../index.html", std::string("../") + kAssetFolder + "/"};
    for (ReportMachine& m : machines) {
      const MachineSource source = SourceOf(m);
      const auto [index, added] = duplicates_.Add(m.log);
      if (!added) {
        entries_[index].files.push_back(source.Name());
        ++counts_.duplicates;
        continue;
      }
      html::PageMachine pm;
      pm.source = source;
      pm.report = html::LinesOf(m.outline);
      pm.facts = html::ReadFacts(pm.report, source.ShortName());
      SiteEntry& e = entries_.emplace_back();
      e.name = html::MachineName(pm.facts, sjis_, names_);
      e.files.push_back(source.Name());
      e.summary = SummaryOf(pm.facts, sjis_);
      e.figures = FiguresOf(pm.facts);
      e.truncated = source.truncated;
      e.page = std::string(kPageFolder) + "/" + std::to_string(entries_.size()) + ".html";
      std::string error;
      if (!WriteNewFile(site / (e.page + ".part"), html::BuildPage({pm}, &links), error))
        return Failed(site / (e.page + ".part"), error);
    }
    return true;
  }

  bool Finish(const Building& site) {
    std::vector<Figures> figures;
    for (const SiteEntry& e : entries_) figures.push_back(e.figures);
    const std::vector<Standing> standings = Standings(figures, kNeighbours);
    std::string error, page;
    const std::string mark = html::kCollectionMark;
    for (size_t i = 0; i < entries_.size(); ++i) {
      const std::string part = site / (entries_[i].page + ".part");
      if (!ReadWholeFile(part, page, error)) return Failed(part, error);
      const size_t at = page.find(mark);
      if (at != std::string::npos) page.replace(at, mark.size(), CollectionSection(entries_, standings, i));
      if (!WriteNewFile(site / entries_[i].page, page, error)) return Failed(site / entries_[i].page, error);
      RemoveTree(part);
    }
    for (const auto& [name, svg] : html::SharedRankingImages()) {
      const std::string path = site / (std::string(kAssetFolder) + "/" + name);
      if (!WriteNewFile(path, svg, error)) return Failed(path, error);
    }
    if (!WriteNewFile(site / "index.html", BuildIndex(entries_, counts_), error)) return Failed(site / "index.html", error);
    if (!WriteNewFile(site / kMarker, "A site vornak-report made: it replaces this folder as a whole.\n", error))
      return Failed(site / kMarker, error);
    return true;
  }

  std::string outdir_;
  std::FILE* err_;
  SiteCounts counts_;
  DuplicateIndex duplicates_;
  std::vector<SiteEntry> entries_;
  TextConverter sjis_, names_{TextConverter::From::kFileName};
};

}  // namespace

int RunSite(const std::string& outdir, const std::vector<std::string>& inputs, std::FILE* err) {
  return SiteRun(outdir, err).Run(inputs);
}

}  // namespace vornak::site
