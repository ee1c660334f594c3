#include "vornak-report/html_page.h"

#include <functional>
#include <set>

#include "bench/bench_tables.h"
#include "vornak-report/html_charts.h"
#include "vornak-report/html_encoding.h"

namespace vornak::html {

namespace {

using P = PageText;

// Inline, because the page may load nothing. $TEXT and the like are the
// language's fonts and texts (StyleIn).
constexpr const char* kStyle = R"(
body{font:14px/1.45 $TEXT;color:#1c1c1c;margin:0 auto;padding:0 20px 40px;max-width:1300px;background:#fff}
h1{font-size:22px;margin:18px 0 4px}h2{font-size:18px;margin:28px 0 8px;border-bottom:2px solid #ccc;padding-bottom:3px}
h3{font-size:15px;margin:18px 0 6px}.sub{color:#555;margin:0 0 8px}
.legend{list-style:none;padding:0;margin:6px 0;display:flex;flex-wrap:wrap;gap:6px 22px}
.legend li{display:flex;align-items:center;gap:6px}.legend svg{flex:none}.file{color:#666}
.note{color:#444;background:#f4f4f4;border-left:4px solid #999;padding:6px 10px;margin:8px 0}
table.summary{border-collapse:collapse;margin:6px 0;width:100%;table-layout:fixed}
.summary th,.summary td{border:1px solid #ccc;padding:4px 8px;text-align:left;vertical-align:top;overflow-wrap:anywhere}
.summary thead th,.summary thead td{background:#eee}.summary .corner{width:170px}.summary tbody th{background:#fafafa;font-weight:600}
.summary td.differs{background:#fff1c2}.summary td.differs::before{content:"\2260  ";color:#a04800;font-weight:bold}
.swatch{display:inline-block;width:12px;height:12px;border:1px solid #222;vertical-align:-1px;margin-right:4px}
details.group{margin:6px 0;border:1px solid #ddd;border-radius:4px;padding:4px 8px}
details.group>summary{font-weight:600;cursor:pointer}details.group details.group{margin-left:14px}
.pair{display:flex;flex-wrap:wrap;gap:4px 24px}.pair figure{margin:6px 0;flex:1 1 520px;min-width:0;max-width:640px}
svg.rank{width:100%;height:auto}svg.mem{width:100%;max-width:960px;height:auto}
figcaption{font-weight:600;font-size:13px;margin-bottom:2px}
svg text{font-family:$TEXT}
.lab,.val{font-size:11px;fill:#222}.labm{font-weight:bold;fill:#000}.tick{font-size:10px;fill:#555}
.axt{font-size:12px;fill:#333}.cachet{font-size:11px;font-weight:bold}
.grid{stroke:#e2e2e2;stroke-width:1}.axis{stroke:#777;stroke-width:1}.cache{stroke-width:1.4;stroke-dasharray:5 4}
.tree{font:13px/1.4 $MONO;border:1px solid #ddd;padding:6px 8px;overflow-x:auto}
.tree summary,.tree .l{white-space:pre;min-height:1.4em}.tree .l{padding-left:1.15em}
.tree details>details,.tree details>.l{margin-left:1.4em}
.tree .d{background:#fff1c2}.tree .d::before{content:"\2260  ";color:#a04800;font-weight:bold}
.tree details:not([open])>.has::after{content:"  \25C6 $DIFFERS";font:11px $MARK;color:#a04800}
:focus-visible{outline:2px solid #0b57d0;outline-offset:2px}
$RULES)";

// The rules of the ranking charts, for their images on a site.
constexpr const char* kRankingImageStyle =
    "text{font-family:$TEXT}.lab,.val{font-size:11px;fill:#222}"
    ".tick{font-size:10px;fill:#555}.grid{stroke:#e2e2e2;stroke-width:1}";

std::string RankingPrefix(bool timeStamp) { return timeStamp ? "rank-ts-" : "rank-sp-"; }

// "0673" → "family 6, model 7, stepping 3".
std::string DecodedSignature(const std::string& hex, const PageTexts& t) {
  if (hex.empty() || hex.size() > 8 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
    return {};
  const unsigned long v = std::stoul(hex, nullptr, 16);
  return t(PageText::kSignatureDecoded,
           {std::to_string((v >> 8) & 0xF), std::to_string((v >> 4) & 0xF), std::to_string(v & 0xF)});
}

class Page {
 public:
  Page(const std::vector<PageMachine>& machines, const SiteLinks* site, Language lang)
      : m_(machines), site_(site), t_(lang), utf8_(TextConverter::From::kFileName) {
    for (const PageMachine& pm : m_) {
      // A page of facts alone (no source) names the facts' file.
      files_.push_back(pm.source.file.empty() ? utf8_.ToUtf8(pm.facts.fileName)
                                              : pm.source.ShortName(t_.Lang(), utf8_));
      names_.push_back(MachineName(pm.facts, sjis_, files_.back()));
    }
  }

  std::string Build() {
    std::string title = m_.size() == 1 ? t_(P::kReportTitle, {names_[0]})
                                       : "VORNAK95: " + t_(P::kComparedTitle, {std::to_string(m_.size())});
    out_ += "<!DOCTYPE html>\n<html lang=\"" + std::string(LanguageCode(t_.Lang())) +
            "\">\n<head>\n<meta charset=\"utf-8\">\n";
    out_ += "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; style-src 'unsafe-inline'; "
            "img-src " + std::string(site_ ? "'self'" : "'none'") + "; font-src 'none'; base-uri 'none'; form-action 'none'\">\n";
    out_ += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    out_ += "<title>" + Escape(title) + "</title>\n<style>" + StyleIn(kStyle, t_.Lang()) + "</style>\n</head>\n<body>\n";
    out_ += "<header>\n<h1>" + Escape(m_.size() == 1 ? t_(P::kReportHeading) : title) + "</h1>\n";
    std::string files;
    for (size_t i = 0; i < m_.size(); ++i)
      files += (i ? t_(P::kListSeparator) : "") + Escape(files_[i]);
    out_ += "<p class=\"sub\">" + t_(P::kMadeFromFiles, {files}) + "</p>\n";
    if (site_)
      out_ += "<p class=\"sub\"><a href=\"" + Escape(site_->index) + "\">" + t_(P::kAllMachines) + "</a></p>\n";
    Legend();
    for (size_t i = 0; i < m_.size(); ++i)
      if (m_[i].source.truncated) Note(TruncatedNote(i));
    out_ += "</header>\n<main>\n";
    if (site_) out_ += kCollectionMark;
    // Short to long: the memory chart is one figure, the rankings are many.
    Summary();
    Memory();
    Processor();
    Outlines();
    out_ += "</main>\n</body>\n</html>\n";
    return std::move(out_);
  }

 private:
  bool Multi() const { return m_.size() > 1; }
  std::string Text(const std::string& sjis) { return sjis_.ToUtf8(sjis); }
  // A bar's name: the chart needs the label's room for the name.
  std::string ChartName(size_t i) const { return WithoutNameLabel(names_[i]); }
  std::string Tag(size_t i) const { return Multi() ? Letter(i) + ": " : std::string(); }
  // A machine as the subject of a note.
  std::string Who(size_t i) const { return Multi() ? Letter(i) + " (" + names_[i] + ")" : t_(P::kThisMachine); }

  std::string LegendIcon(size_t i) const {
    const MachineStyle& st = StyleOf(i);
    return "<svg width=\"36\" height=\"14\" viewBox=\"0 0 36 14\" aria-hidden=\"true\"><line x1=\"2\" y1=\"7\" x2=\"34\" "
           "y2=\"7\" stroke=\"" + std::string(st.colour) + "\" stroke-width=\"2.2\"" +
           (*st.dash ? " stroke-dasharray=\"" + std::string(st.dash) + "\"" : std::string()) + "/>" +
           Marker(i, 18, 7, 4) + "</svg>";
  }

  // The machines of `which`, or all of them.
  void Legend(const std::vector<size_t>& which = {}) {
    std::vector<size_t> all;
    for (size_t i = 0; i < m_.size(); ++i) all.push_back(i);
    out_ += "<ul class=\"legend\">\n";
    for (size_t i : which.empty() ? all : which)
      out_ += "<li>" + LegendIcon(i) + "<span><b>" + Escape(Tag(i)) + "</b>" + Escape(names_[i]) +
              " <span class=\"file\">(" + Escape(files_[i]) + ")</span></span></li>\n";
    out_ += "</ul>\n";
  }

  void Row(const std::string& label, const std::vector<std::string>& values) {
    std::set<std::string> distinct(values.begin(), values.end());
    out_ += "<tr><th scope=\"row\">" + Escape(label) + "</th>";
    for (const std::string& v : values)
      out_ += std::string(Multi() && distinct.size() > 1 ? "<td class=\"differs\">" : "<td>") + Escape(v) + "</td>";
    out_ += "</tr>\n";
  }

  template <class F>
  void RowOf(const std::string& label, F value) {
    std::vector<std::string> values;
    for (const PageMachine& pm : m_) values.push_back(value(pm.facts));
    Row(label, values);
  }

  std::string Figure(const std::optional<BenchFigure>& f) const {
    if (!f) return t_(P::kNoLine);
    if (f->time == 0) return t_(P::kNoTime);
    return t_(P::kPointsAndTime, {Thousands(f->points), Thousands(f->time) + " ms"});
  }

  void Summary() {
    // The corner heads nothing: a cell, not an empty header.
    out_ += "<section id=\"summary\">\n<h2>" + t_(P::kSummary) + "</h2>\n<table class=\"summary\">\n<thead><tr><td class=\"corner\"></td>";
    for (size_t i = 0; i < m_.size(); ++i)
      out_ += "<th><span class=\"swatch\" style=\"background:" + std::string(StyleOf(i).colour) + "\"></span>" +
              Escape(Tag(i) + files_[i]) + "</th>";
    out_ += "</tr></thead>\n<tbody>\n";
    const std::string missing = t_(P::kNotInReport);
    RowOf(t_(P::kProcessor), [&](const MachineFacts& f) { return f.processorName.empty() ? missing : Text(f.processorName); });
    RowOf(t_(P::kSignature), [&](const MachineFacts& f) {
      if (f.signature.empty()) return missing;
      std::string s = f.signature + " (" + Text(f.vendor);
      const std::string decoded = DecodedSignature(f.signature, t_);
      return s + (decoded.empty() ? "" : (f.vendor.empty() ? "" : "; ") + decoded) + ")";
    });
    RowOf(t_(P::kClock), [&](const MachineFacts& f) {
      if (f.clockMHz.empty()) return missing;
      std::string s = f.clockMHz + " MHz";
      if (!f.fsbMHz.empty() && !f.multiplier.empty()) s += " (" + f.fsbMHz + " MHz \xC3\x97 " + f.multiplier + ")";
      return s;
    });
    RowOf(t_(P::kL1DataCache), [&](const MachineFacts& f) { return f.l1DataKB ? MemorySize(f.l1DataKB) : missing; });
    RowOf(t_(P::kL2Cache), [&](const MachineFacts& f) {
      return f.l2KB         ? MemorySize(f.l2KB)
             : f.noL2       ? t_(P::kNone)
             : f.l2LineZero ? t_(P::kL2LineZero)
                            : missing;
    });
    RowOf("Windows", [&](const MachineFacts& f) {
      if (f.windowsVersion.empty()) return missing;
      return f.windowsVersion + (f.platform.empty() ? "" : ", " + Text(f.platform));
    });
    RowOf(t_(P::kPhysicalMemory), [&](const MachineFacts& f) {
      if (!f.physicalTotalKB) return missing;
      return t_(P::kMemoryAvailable, {Thousands(*f.physicalTotalKB) + " KB", Thousands(*f.physicalAvailKB) + " KB"});
    });
    RowOf(t_(P::kDirectXAnswered), [&](const MachineFacts& f) {
      if (f.directX.empty()) return t_(P::kNone);
      std::string s;
      for (const DirectXAnswer& d : f.directX)
        s += (s.empty() ? "" : t_(P::kListSeparator)) + DirectXText(d, sjis_, t_.Lang());
      return s;
    });
    RowOf(t_(P::kIntegerBenchmark), [&](const MachineFacts& f) { return f.bench == ProcessorBench::None ? missing : Figure(f.integer); });
    RowOf(t_(P::kFloatBenchmark), [&](const MachineFacts& f) { return f.bench == ProcessorBench::None ? missing : Figure(f.floating); });
    RowOf(t_(P::kSectionKind), [&](const MachineFacts& f) {
      return f.bench == ProcessorBench::TimeStamp ? t_(P::kTimeStampCompared)
             : f.bench == ProcessorBench::Speed   ? t_(P::kSpeedCompared)
                                                  : missing;
    });
    out_ += "</tbody>\n</table>\n</section>\n";
  }

  void Note(const std::string& utf8) { out_ += "<p class=\"note\">" + Escape(utf8) + "</p>\n"; }

  // A run the machine did not finish: where its log stops.
  std::string TruncatedNote(size_t i) {
    const MachineSource& s = m_[i].source;
    const std::string where = s.lastLineNumber > 0
                                  ? t_(P::kAfterLine, {Thousands(s.lastLineNumber), Text(s.LastLineText())})
                                  : t_(P::kBeforeFirstLine);
    return t_(P::kTruncatedNote, {Who(i), where});
  }

  // A group's chart; on a site's page the reference bars are the shared
  // image `file` and the machine a mark over it.
  std::string Chart(const std::vector<RankBar>& bars, const std::vector<RankBar>* refs, const std::string& file,
                    const std::string& aria) {
    if (!site_ || !refs) return RankingSvg(bars, aria);
    for (const RankBar& b : bars)
      if (b.machine >= 0) return RankingOverlaySvg(*refs, site_->assets + file, b, aria);
    return "<img class=\"rank\" src=\"" + Escape(site_->assets + file) + "\" alt=\"" + Escape(aria) + "\">";
  }

  // A chart's caption; on a site's page, where the reference bars are a
  // shared image, a link to that image: opened alone it is a document whose
  // every bar a screen reader reads by its title.
  std::string Caption(const std::string& text, const RankingGroup* ref, const std::string& file) const {
    if (!site_ || !ref) return "<figcaption>" + Escape(text) + "</figcaption>\n";
    return "<figcaption><a href=\"" + Escape(site_->assets + file) + "\">" + Escape(text) + "</a></figcaption>\n";
  }

  // `ref`: the same group of the reference bars alone (on a site's page);
  // `count` numbers the groups in the order of the walk, as the shared
  // images are named (SharedRankingImages).
  void Group(const RankingGroup& g, const RankingGroup* ref, const std::string& prefix, int& count) {
    const std::string file = prefix + std::to_string(count++);
    out_ += std::string("<details class=\"group\"") + (g.open ? " open" : "") + "><summary>" + Escape(g.title) +
            "</summary>\n";
    if (!g.integer.empty() || !g.floating.empty()) {
      out_ += "<div class=\"pair\">\n";
      if (!g.integer.empty())
        out_ += "<figure>" + Caption(t_(P::kIntegerPoints), ref, file + "-int.svg") +
                Chart(g.integer, ref ? &ref->integer : nullptr, file + "-int.svg", t_(P::kChartIntegerName, {g.title})) +
                "\n</figure>\n";
      if (!g.floating.empty())
        out_ += "<figure>" + Caption(t_(P::kFloatPoints), ref, file + "-float.svg") +
                Chart(g.floating, ref ? &ref->floating : nullptr, file + "-float.svg",
                      t_(P::kChartFloatName, {g.title})) +
                "\n</figure>\n";
      out_ += "</div>\n";
    }
    for (size_t i = 0; i < g.groups.size(); ++i)
      Group(g.groups[i], ref && i < ref->groups.size() ? &ref->groups[i] : nullptr, prefix, count);
    out_ += "</details>\n";
  }

  void Processor() {
    out_ += "<section id=\"processor\">\n<h2>" + t_(P::kProcessorBenchmark) + "</h2>\n";
    out_ += "<p>" + t_(Multi() ? P::kProcessorIntroMany : P::kProcessorIntroOne) + "</p>\n";
    bool anyChart = false;
    for (ProcessorBench kind : {ProcessorBench::TimeStamp, ProcessorBench::Speed}) {
      std::vector<RankedMachine> ranked;
      for (size_t i = 0; i < m_.size(); ++i) {
        const MachineFacts& f = m_[i].facts;
        if (f.bench != kind) continue;
        RankedMachine r{i, (Multi() ? Letter(i) + " " : std::string()) + "\xE2\x96\xB6 " + ChartName(i), {}, {}};
        if (f.integer && f.integer->time) r.integer = f.integer;
        if (f.floating && f.floating->time) r.floating = f.floating;
        if (r.integer || r.floating) ranked.push_back(r);
      }
      if (ranked.empty()) continue;
      anyChart = true;
      const bool timeStamp = kind == ProcessorBench::TimeStamp;
      out_ += "<h3>" + t_(timeStamp ? P::kTimeStampHeading : P::kSpeedHeading) + "</h3>\n";
      if (timeStamp && Has(ProcessorBench::Speed)) Note(t_(P::kScalesApart));
      if (Multi()) {
        std::vector<size_t> which;
        for (const RankedMachine& r : ranked) which.push_back(r.index);
        Legend(which);
      }
      const CompareListing& listing = timeStamp ? kTimeStampCompareListing : kSpeedCompareListing;
      const std::vector<RankingGroup> groups = BuildRankings(listing, timeStamp, ranked, sjis_, t_.Lang());
      std::vector<RankingGroup> refs;
      if (site_) refs = BuildRankings(listing, timeStamp, {}, sjis_, t_.Lang());
      int count = 0;
      for (size_t g = 0; g < groups.size(); ++g)
        Group(groups[g], g < refs.size() ? &refs[g] : nullptr, RankingPrefix(timeStamp), count);
    }
    for (size_t i = 0; i < m_.size(); ++i) {
      const MachineFacts& f = m_[i].facts;
      const std::string who = Who(i);
      if (f.bench == ProcessorBench::None)
        Note(t_(P::kNoProcessorBench, {who}));
      else if (!(f.integer && f.integer->time) && !(f.floating && f.floating->time))
        Note(t_(P::kNoProcessorTime, {who}));
      else if (!(f.integer && f.integer->time) || !(f.floating && f.floating->time))
        Note(t_(f.integer && f.integer->time ? P::kNoFloatTime : P::kNoIntegerTime, {who}));
    }
    if (!anyChart) Note(t_(P::kNoProcessorChart));
    out_ += "</section>\n";
  }

  bool Has(ProcessorBench kind) const {
    for (const PageMachine& pm : m_)
      if (pm.facts.bench == kind) return true;
    return false;
  }

  void Memory() {
    out_ += "<section id=\"memory\">\n<h2>" + t_(P::kMemoryBenchmark) + "</h2>\n";
    std::vector<MemorySeries> series;
    std::vector<std::string> notes;
    for (size_t i = 0; i < m_.size(); ++i) {
      const MachineFacts& f = m_[i].facts;
      const std::string who = Who(i);
      bool any = false;
      std::string gaps;
      for (const MemoryPoint& p : f.memory) {
        any |= p.measured;
        if (!p.measured) gaps += (gaps.empty() ? "" : t_(P::kListSeparator)) + MemorySize(p.blockKB);
      }
      if (f.memory.empty()) {
        notes.push_back(t_(P::kNoMemoryBench, {who}));
      } else if (!any) {
        notes.push_back(t_(P::kNoMemoryTime, {who}));
      } else {
        series.push_back({i, f.memory, f.l1DataKB, f.l2KB});
        if (!gaps.empty()) notes.push_back(t_(P::kMemoryGaps, {who, gaps}));
      }
    }
    if (LogarithmicPoints(series)) {
      for (const MemorySeries& ms : series) {
        std::string zeros;
        for (const MemoryPoint& p : ms.points)
          if (p.measured && p.figure.points == 0)
            zeros += (zeros.empty() ? "" : t_(P::kListSeparator)) + MemorySize(p.blockKB);
        if (!zeros.empty()) notes.push_back(t_(P::kMemoryZeros, {Who(ms.machine), zeros}));
      }
    }
    if (series.empty()) {
      notes.push_back(t_(P::kNoMemoryChart));
    } else {
      out_ += "<p>" + t_(P::kMemoryIntro) + "</p>\n";
      if (Multi()) {
        std::vector<size_t> which;
        for (const MemorySeries& ms : series) which.push_back(ms.machine);
        Legend(which);
      }
      out_ += "<figure>\n" + MemorySvg(series, m_.size(), t_.Lang()) + "\n</figure>\n";
    }
    for (const std::string& n : notes) Note(n);
    out_ += "</section>\n";
  }

  void Outlines() {
    out_ += "<section id=\"report\">\n<h2>" + t_(P::kReport) + "</h2>\n";
    std::vector<const std::vector<ReportLine>*> reports;
    for (const PageMachine& pm : m_) reports.push_back(&pm.report);
    const std::vector<std::vector<bool>> marks = DifferenceMarks(reports);
    out_ += "<p>" + t_(Multi() ? P::kOutlineIntroMany : P::kOutlineIntroOne) + "</p>\n";
    for (size_t i = 0; i < m_.size(); ++i) {
      size_t differing = 0;
      for (bool b : marks[i]) differing += b;
      out_ += "<section class=\"outline\">\n<h3>" + Escape(Tag(i) + names_[i]) + "</h3>\n";
      if (m_[i].source.truncated) Note(TruncatedNote(i));
      if (Multi()) out_ += "<p>" + t_(P::kLinesDiffer, {Thousands(differing), Thousands(marks[i].size())}) + "</p>\n";
      out_ += "<div class=\"tree\">\n";
      std::vector<bool> inside(marks[i].size());
      size_t index = 0;
      for (const ReportLine& l : m_[i].report) MarkedInside(l, marks[i], index, inside);
      index = 0;
      for (const ReportLine& l : m_[i].report) Line(l, 0, marks[i], inside, index);
      out_ += "</div>\n</section>\n";
    }
    out_ += "</section>\n";
  }

  // Per line in preorder: whether a line under it is marked. Returns
  // whether the lines from `index` on (one line and its subtree) hold one.
  static bool MarkedInside(const ReportLine& l, const std::vector<bool>& marks, size_t& index,
                           std::vector<bool>& inside) {
    const size_t self = index++;
    bool any = false;
    for (const ReportLine& c : l.children) any |= MarkedInside(c, marks, index, inside);
    inside[self] = any;
    return any || marks[self];
  }

  void Line(const ReportLine& l, int depth, const std::vector<bool>& marks, const std::vector<bool>& inside,
            size_t& index) {
    const size_t self = index++;
    std::string text = l.text;
    // A line read from a text file keeps its line end: one item, one line.
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    const std::string shown = Escape(Text(text));
    if (l.children.empty()) {
      out_ += std::string(marks[self] ? "<div class=\"l d\">" : "<div class=\"l\">") + shown + "</div>\n";
      return;
    }
    const std::string cls = std::string(marks[self] ? "d" : "") + (marks[self] && inside[self] ? " " : "") +
                            (inside[self] ? "has" : "");
    out_ += std::string(depth < 2 ? "<details open>" : "<details>") + "<summary" +
            (cls.empty() ? std::string() : " class=\"" + cls + "\"") + ">" + shown + "</summary>\n";
    for (const ReportLine& c : l.children) Line(c, depth + 1, marks, inside, index);
    out_ += "</details>\n";
  }

  const std::vector<PageMachine>& m_;
  const SiteLinks* site_;
  const PageTexts t_;
  TextConverter sjis_;
  TextConverter utf8_;
  std::vector<std::string> files_, names_;  // UTF-8
  std::string out_;
};

void Keys(const std::vector<ReportLine>& lines, const std::string& path, std::vector<std::string>& out) {
  for (const ReportLine& l : lines) {
    std::string key = path;
    key += '\0';
    key += l.text;
    out.push_back(key);
    Keys(l.children, key, out);
  }
}

}  // namespace

std::vector<std::vector<bool>> DifferenceMarks(const std::vector<const std::vector<ReportLine>*>& reports) {
  std::vector<std::vector<std::string>> keys(reports.size());
  std::vector<std::set<std::string>> sets(reports.size());
  for (size_t i = 0; i < reports.size(); ++i) {
    Keys(*reports[i], std::string(), keys[i]);
    sets[i].insert(keys[i].begin(), keys[i].end());
  }
  std::vector<std::vector<bool>> marks(reports.size());
  for (size_t i = 0; i < reports.size(); ++i)
    for (const std::string& k : keys[i]) {
      bool everywhere = true;
      for (size_t j = 0; j < reports.size(); ++j) everywhere &= j == i || sets[j].count(k) > 0;
      marks[i].push_back(!everywhere);
    }
  return marks;
}

std::string BuildPage(const std::vector<PageMachine>& machines, const SiteLinks* site, Language lang) {
  return Page(machines, site, lang).Build();
}

std::vector<std::pair<std::string, std::string>> SharedRankingImages(Language lang) {
  std::vector<std::pair<std::string, std::string>> images;
  const PageTexts t(lang);
  TextConverter sjis;
  for (bool timeStamp : {true, false}) {
    int count = 0;
    std::function<void(const RankingGroup&)> walk = [&](const RankingGroup& g) {
      const std::string file = RankingPrefix(timeStamp) + std::to_string(count++);
      for (bool integer : {true, false}) {
        const std::vector<RankBar>& bars = integer ? g.integer : g.floating;
        if (bars.empty()) continue;
        std::string svg =
            RankingSvg(bars, t(integer ? PageText::kChartIntegerName : PageText::kChartFloatName, {g.title}));
        // An image does not see the page's style: it brings its own.
        svg.insert(svg.find('>') + 1, "\n<style>" + StyleIn(kRankingImageStyle, lang) + "</style>");
        images.emplace_back(file + (integer ? "-int.svg" : "-float.svg"), std::move(svg));
      }
      for (const RankingGroup& s : g.groups) walk(s);
    };
    for (const RankingGroup& g :
         BuildRankings(timeStamp ? kTimeStampCompareListing : kSpeedCompareListing, timeStamp, {}, sjis, lang))
      walk(g);
  }
  return images;
}

}  // namespace vornak::html
