#include "vornak-report/site_build.h"

#include <set>

#include "vornak-report/file_identity.h"
#include "vornak-report/html_page.h"
#include "vornak-report/messages.h"
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
  SiteRun(const std::string& outdir, std::FILE* err, Language lang) : outdir_(outdir), err_(err), lang_(lang) {}

  int Run(const std::vector<std::string>& inputs) {
    const Place place = InspectPlace(outdir_, kMarker);
    if (place == Place::kOther) {
      WriteMessage(err_, outdir_ + " exists and is no site vornak-report made: it is left as it is");
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
        WriteMessage(err_, errors.front());
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
      WriteMessage(err_, "no log or profile found in the inputs: no site written");
      return kExitInput;
    }
    if (!Finish(site)) return kExitOutput;
    const Replaced replaced = ReplaceFolder(site.Path(), outdir_, kMarker);
    // What stood at OUTDIR may be in the new folder's place now: never removed.
    if (replaced.movedTo == site.Path()) site.Release();
    if (replaced.outcome == Replaced::kFailed) {
      const std::string where = replaced.movedTo.empty() ? "" : "; the old site is now at " + replaced.movedTo;
      return CannotWrite(outdir_, replaced.error + where);
    }
    if (replaced.outcome == Replaced::kRefused) {
      const std::string refused = outdir_ + " changed while the site was built and is no site vornak-report made: ";
      WriteMessage(err_, refused + (replaced.movedTo.empty() ? "it is left as it is"
                                                             : "it could not be put back (" + replaced.error +
                                                                   ") and is now at " + replaced.movedTo));
      return kExitInput;
    }
    site.Release();
    std::string done = outdir_ + ": " + std::to_string(entries_.size()) + " machines from " +
                       std::to_string(counts_.files) + " files";
    if (counts_.duplicates) done += "; " + std::to_string(counts_.duplicates) + " runs found again, merged";
    if (counts_.skipped) done += "; " + std::to_string(counts_.skipped) + " other files skipped";
    if (counts_.unreadable) done += "; " + std::to_string(counts_.unreadable) + " files could not be read";
    WriteMessage(err_, done);
    return kExitOk;
  }

 private:
  int WouldReplace(const std::string& input) {
    WriteMessage(err_, "--site " + outdir_ + " would replace the input " + input + ": nothing written");
    return kExitInput;
  }
  int CannotWrite(const std::string& where, const std::string& error) {
    WriteMessage(err_, "cannot write " + where + ": " + error);
    return kExitOutput;
  }
  bool Failed(const std::string& where, const std::string& error) { return CannotWrite(where, error), false; }

  void Skip(const std::string& message, size_t& count) {
    WriteMessage(err_, "skipped " + message);
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
        entries_[index].files.push_back({source.file, source.run, source.runs});
        ++counts_.duplicates;
        continue;
      }
      html::PageMachine pm;
      pm.source = source;
      pm.report = html::LinesOf(m.outline);
      pm.facts = html::ReadFacts(pm.report, source.ShortName());
      SiteEntry& e = entries_.emplace_back();
      e.name = html::MachineName(pm.facts, sjis_, source.ShortName(lang_, names_));
      e.files.push_back({source.file, source.run, source.runs});
      e.summary = SummaryOf(pm.facts, sjis_);
      e.figures = FiguresOf(pm.facts);
      e.truncated = source.truncated;
      e.page = std::string(kPageFolder) + "/" + std::to_string(entries_.size()) + ".html";
      std::string error;
      if (!WriteNewFile(site / (e.page + ".part"), html::BuildPage({pm}, &links, lang_), error))
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
      if (at != std::string::npos) page.replace(at, mark.size(), CollectionSection(entries_, standings, i, lang_));
      if (!WriteNewFile(site / entries_[i].page, page, error)) return Failed(site / entries_[i].page, error);
      RemoveTree(part);
    }
    for (const auto& [name, svg] : html::SharedRankingImages(lang_)) {
      const std::string path = site / (std::string(kAssetFolder) + "/" + name);
      if (!WriteNewFile(path, svg, error)) return Failed(path, error);
    }
    if (!WriteNewFile(site / "index.html", BuildIndex(entries_, counts_, lang_), error))
      return Failed(site / "index.html", error);
    if (!WriteNewFile(site / kMarker, "A site vornak-report made: it replaces this folder as a whole.\n", error))
      return Failed(site / kMarker, error);
    return true;
  }

  std::string outdir_;
  std::FILE* err_;
  Language lang_;
  SiteCounts counts_;
  DuplicateIndex duplicates_;
  std::vector<SiteEntry> entries_;
  TextConverter sjis_, names_{TextConverter::From::kFileName};
};

}  // namespace

int RunSite(const std::string& outdir, const std::vector<std::string>& inputs, std::FILE* err, Language lang) {
  return SiteRun(outdir, err, lang).Run(inputs);
}

}  // namespace vornak::site
