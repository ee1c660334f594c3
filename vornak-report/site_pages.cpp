#include "vornak-report/site_pages.h"

#include <algorithm>

#include "bench/bench_tables.h"
#include "vornak-report/html_charts.h"
#include "vornak-report/html_encoding.h"
#include "vornak-report/sha256.h"

namespace vornak::site {

namespace {

using html::Escape;
using html::Thousands;
using P = PageText;

// Sorting and filtering. Without it the table is whole and readable; the
// filter box shows only once the script runs. $SHOWN is the count of rows
// shown, in the page's language (IndexScript); the policy allows the script
// by the hash of its text as written. A head's text goes into a button of
// its own: reached by Tab, worked by Enter or Space, while the head stays a
// header and carries aria-sort. No comment inside the script: its words
// would be English on every page.
constexpr const char* kIndexScript = R"JS(
(function () {
  var table = document.getElementById('machines'), body = table.tBodies[0];
  var heads = table.tHead.rows[0].cells, box = document.getElementById('filter');
  var shown = document.getElementById('shown'), rows = Array.prototype.slice.call(body.rows);
  var column = -1, direction = 1;
  rows.forEach(function (r, i) { r.dataset.order = i; });
  function key(row, i, numeric) {
    var text = row.cells[i].textContent.trim();
    if (!numeric) return text === '' ? null : text.toLowerCase();
    text = text.replace(/,/g, '');
    return text === '' || isNaN(text) ? null : parseFloat(text);
  }
  function sortBy(i) {
    direction = column === i ? -direction : 1;
    column = i;
    var numeric = heads[i].classList.contains('n');
    var keyed = rows.map(function (r) { return [key(r, i, numeric), +r.dataset.order, r]; });
    keyed.sort(function (a, b) {
      if (a[0] === b[0]) return a[1] - b[1];
      if (a[0] === null) return 1;
      if (b[0] === null) return -1;
      return (a[0] < b[0] ? -1 : 1) * direction;
    });
    var fragment = document.createDocumentFragment();
    keyed.forEach(function (k) { fragment.appendChild(k[2]); });
    body.appendChild(fragment);
    for (var h = 0; h < heads.length; ++h) heads[h].removeAttribute('aria-sort');
    heads[i].setAttribute('aria-sort', direction > 0 ? 'ascending' : 'descending');
  }
  function filter() {
    var q = box.value.trim().toLowerCase(), count = 0;
    rows.forEach(function (r) {
      var text = (r.cells[0].textContent + '\n' + r.cells[1].textContent + '\n' + r.cells[4].textContent).toLowerCase();
      r.hidden = q !== '' && text.indexOf(q) < 0;
      if (!r.hidden) ++count;
    });
    shown.textContent = $SHOWN;
  }
  Array.prototype.forEach.call(heads, function (h, i) {
    var b = document.createElement('button');
    b.type = 'button';
    while (h.firstChild) b.appendChild(h.firstChild);
    h.appendChild(b);
    b.addEventListener('click', function () { sortBy(i); });
  });
  box.addEventListener('input', filter);
  document.getElementById('search').hidden = false;
  filter();
})();
)JS";

constexpr const char* kIndexStyle = R"(
body{font:14px/1.45 $TEXT;color:#1c1c1c;margin:0 auto;padding:0 20px 40px;max-width:1500px}
h1{font-size:22px;margin:18px 0 4px}h2{font-size:18px;margin:24px 0 8px;border-bottom:2px solid #ccc;padding-bottom:3px}
.sub{color:#555;margin:0 0 8px}.pair{display:flex;flex-wrap:wrap;gap:4px 24px}.pair figure{margin:6px 0;flex:1 1 560px;max-width:680px}
figcaption{font-weight:600;font-size:13px}svg.scatter{width:100%;height:auto}svg text{font-family:$CHART}
.tick{font-size:10px;fill:#555}.axt{font-size:12px;fill:#333}.grid{stroke:#e2e2e2}.axis{stroke:#777}
.ref{fill:#b4b4b4;stroke:#777;stroke-width:.6}.dot{fill:#0072B2;fill-opacity:.75;stroke:#123;stroke-width:.5}
.legend{list-style:none;padding:0;margin:6px 0;display:flex;flex-wrap:wrap;gap:6px 22px}.legend svg{vertical-align:-2px;margin-right:6px}
#search{margin:8px 0}#filter{font:inherit;padding:3px 6px;width:24em}
table{border-collapse:collapse;font-size:12px;width:100%}th,td{border:1px solid #ccc;padding:3px 5px;text-align:left;vertical-align:top}
thead th{background:#eee;position:sticky;top:0}
th button{font:inherit;font-weight:bold;color:inherit;background:none;border:0;padding:0;margin:0;width:100%;text-align:inherit;cursor:pointer;user-select:none}
th[aria-sort=ascending] button::after{content:" \25B2"/""}th[aria-sort=descending] button::after{content:" \25BC"/""}
:focus-visible{outline:2px solid #0b57d0;outline-offset:2px}
td.n,th.n{text-align:right}td.f{color:#555;overflow-wrap:anywhere;min-width:11em;max-width:14em}td:first-child{min-width:11em;max-width:14em;overflow-wrap:anywhere}.wide{overflow-x:auto}tbody tr:nth-child(even){background:#f8f8f8}
$RULES)";

// The scatter's numbers as the index has always written them: not snapped
// to thousandths as the page's charts' are.
std::string Num(double v) { return html::OneDecimal(v); }

std::string Opt(const std::optional<std::string>& v) { return v ? Escape(*v) : std::string(); }
std::string OptNum(const std::optional<int64_t>& v) { return v ? Thousands(static_cast<uint64_t>(*v)) : std::string(); }
std::string OptNum(const std::optional<uint32_t>& v) { return v ? Thousands(*v) : std::string(); }

std::string Files(const std::vector<FoundIn>& files, const std::string& separator, Language lang) {
  TextConverter names(TextConverter::From::kFileName);
  std::string out;
  for (const FoundIn& f : files)
    out += (out.empty() ? "" : separator) + Escape(RunNameIn(names.ToUtf8(f.file), f.run, f.runs, lang));
  return out;
}

struct Dot {
  uint32_t x, y;
  std::string title, href;  // UTF-8; no href for a reference machine
};

// Integer against floating-point points, on linear axes from 0.
std::string Scatter(const std::vector<Dot>& refs, const std::vector<Dot>& dots, const std::string& aria,
                    const PageTexts& t) {
  const double W = 640, H = 420, left = 64, right = 34, top = 10, bottom = 44;
  uint32_t maxX = 1, maxY = 1;
  for (const auto* set : {&refs, &dots})
    for (const Dot& d : *set) maxX = std::max(maxX, d.x), maxY = std::max(maxY, d.y);
  const html::LinearScale sx = html::NiceScale(maxX, 6), sy = html::NiceScale(maxY, 6);
  auto X = [&](double v) { return left + (W - left - right) * v / static_cast<double>(sx.top); };
  auto Y = [&](double v) { return H - bottom - (H - top - bottom) * v / static_cast<double>(sy.top); };
  // A group, not one picture: each mark is read by its title. The scales
  // are hidden from a reader, whom the marks' titles give the figures.
  std::string s = "<svg class=\"scatter\" viewBox=\"0 0 " + Num(W) + " " + Num(H) + "\" role=\"group\" aria-label=\"" +
                  Escape(aria) + "\">\n<g aria-hidden=\"true\">\n";
  for (int i = 0; i <= sx.Steps(); ++i) {
    const double v = static_cast<double>(sx.step * static_cast<uint64_t>(i));
    s += "<line class=\"grid\" x1=\"" + Num(X(v)) + "\" y1=\"" + Num(top) + "\" x2=\"" + Num(X(v)) + "\" y2=\"" +
         Num(H - bottom) + "\"/><text class=\"tick\" x=\"" + Num(X(v)) + "\" y=\"" + Num(H - bottom + 14) +
         "\" text-anchor=\"middle\">" + Thousands(static_cast<uint64_t>(v)) + "</text>\n";
  }
  for (int i = 0; i <= sy.Steps(); ++i) {
    const double v = static_cast<double>(sy.step * static_cast<uint64_t>(i));
    s += "<line class=\"grid\" x1=\"" + Num(left) + "\" y1=\"" + Num(Y(v)) + "\" x2=\"" + Num(W - right) +
         "\" y2=\"" + Num(Y(v)) + "\"/><text class=\"tick\" x=\"" + Num(left - 4) + "\" y=\"" + Num(Y(v) + 3) +
         "\" text-anchor=\"end\">" + Thousands(static_cast<uint64_t>(v)) + "</text>\n";
  }
  s += "</g>\n<text class=\"axt\" x=\"" + Num((left + W - right) / 2) + "\" y=\"" + Num(H - 8) +
       "\" text-anchor=\"middle\">" + t(P::kIntegerPoints) + "</text><text class=\"axt\" transform=\"translate(14 " +
       Num((top + H - bottom) / 2) + ") rotate(-90)\" text-anchor=\"middle\">" + t(P::kFloatPoints) + "</text>\n";
  // A reference machine is a square, a machine of the collection a dot:
  // told apart by shape, not by colour alone.
  for (const Dot& d : refs)
    s += "<rect class=\"ref\" x=\"" + Num(X(d.x) - 3) + "\" y=\"" + Num(Y(d.y) - 3) +
         "\" width=\"6\" height=\"6\" role=\"img\"><title>" + Escape(d.title) + "</title></rect>\n";
  // The table links the same pages: a dot is no Tab stop of its own, or a
  // keyboard would cross every machine's dot before the filter.
  for (const Dot& d : dots)
    s += "<a href=\"" + Escape(d.href) + "\" tabindex=\"-1\"><circle class=\"dot\" cx=\"" + Num(X(d.x)) + "\" cy=\"" +
         Num(Y(d.y)) + "\" r=\"3.5\"><title>" + Escape(d.title) + "</title></circle></a>\n";
  return s + "</svg>";
}

std::vector<Dot> ReferenceDots(const CompareListing& listing, const PageTexts& t) {
  TextConverter sjis;
  std::vector<Dot> dots;
  for (const CompareEntry& e : listing)
    if (e.kind == CompareKind::Row)
      dots.push_back({html::ReferencePoints(e.row.refInt), html::ReferencePoints(e.row.refFloat),
                      t(P::kReference, {html::CompareLabel(sjis.ToUtf8(e.row.label))}), {}});
  return dots;
}

std::string Charts(const std::vector<SiteEntry>& machines, const PageTexts& t) {
  std::string out;
  for (html::ProcessorBench kind : {html::ProcessorBench::TimeStamp, html::ProcessorBench::Speed}) {
    const bool ts = kind == html::ProcessorBench::TimeStamp;
    std::vector<Dot> dots;
    size_t ofKind = 0;
    for (const SiteEntry& m : machines) {
      if (m.figures.bench != kind) continue;
      ++ofKind;
      if (m.figures.integer && m.figures.floating)
        dots.push_back({*m.figures.integer, *m.figures.floating,
                        t(P::kDotTitle, {html::WithoutNameLabel(m.name), Thousands(*m.figures.integer),
                                         Thousands(*m.figures.floating)}),
                        m.page});
    }
    if (!ofKind) continue;
    const std::string what = t(ts ? P::kTimeStampBenchmark : P::kSpeedBenchmark);
    out += "<figure><figcaption>" +
           t.Counted(dots.size(), P::kScatterCaptionOne, P::kScatterCaptionMany, {what, Thousands(dots.size())}) +
           (dots.size() < ofKind ? t(P::kScatterHidden, {Thousands(ofKind - dots.size())}) : "") +
           "</figcaption>\n" + Scatter(ReferenceDots(ts ? kTimeStampCompareListing : kSpeedCompareListing, t), dots,
                                       t(P::kScatterName, {what}), t) +
           "\n</figure>\n";
  }
  if (out.empty()) return out;
  return "<ul class=\"legend\">\n<li><svg width=\"10\" height=\"10\" aria-hidden=\"true\"><circle class=\"dot\" cx=\"5\" "
         "cy=\"5\" r=\"3.5\"/></svg>" + t(P::kLegendMachine) + "</li>\n<li><svg width=\"10\" height=\"10\" "
         "aria-hidden=\"true\"><rect class=\"ref\" x=\"2\" y=\"2\" width=\"6\" height=\"6\"/></svg>" +
         t(P::kLegendReference) + "</li>\n</ul>\n<div class=\"pair\">\n" + out + "</div>\n";
}

// The benchmark's kind, as the JSON's "time-stamp" and "speed" in the page's language.
std::string Section(html::ProcessorBench bench, const PageTexts& t) {
  if (bench == html::ProcessorBench::None) return {};
  return t(bench == html::ProcessorBench::TimeStamp ? P::kSectionTimeStamp : P::kSectionSpeed);
}

std::string MemoryCell(const SummaryValues& s, uint32_t kb) {
  for (const SummaryValues::Memory& m : s.memory)
    if (m.blockKB == kb) return OptNum(m.points);
  return {};
}

}  // namespace

std::string IndexScript(Language lang) {
  std::string script = kIndexScript;
  const std::string shown = ScriptConcatenation(TextOf(P::kShownCount, lang), {"count", "rows.length"});
  return script.replace(script.find("$SHOWN"), 6, shown);
}

std::string BuildIndex(const std::vector<SiteEntry>& machines, const SiteCounts& counts, Language lang) {
  const PageTexts t(lang);
  const std::string title = "VORNAK95: " + t.Counted(machines.size(), P::kCollectionTitleOne, P::kCollectionTitleMany,
                                                     {Thousands(machines.size())});
  const std::string script = IndexScript(lang);
  std::string out =
      "<!DOCTYPE html>\n<html lang=\"" + std::string(LanguageCode(lang)) + "\">\n<head>\n<meta charset=\"utf-8\">\n";
  out += "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; style-src 'unsafe-inline'; "
         "script-src '" + ScriptHashSource(script) + "'; img-src 'none'; font-src 'none'; base-uri 'none'; "
         "form-action 'none'\">\n";
  out += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" + Escape(title) +
         "</title>\n<style>" + StyleIn(kIndexStyle, lang) + "</style>\n</head>\n<body>\n<header>\n<h1>" + Escape(title) +
         "</h1>\n";
  out += "<p class=\"sub\">" +
         t.Counted(counts.files, P::kIndexMadeFromOne, P::kIndexMadeFromMany, {Thousands(counts.files)});
  if (counts.duplicates)
    out +=
        t.Counted(counts.duplicates, P::kIndexDuplicatesOne, P::kIndexDuplicatesMany, {Thousands(counts.duplicates)});
  if (counts.skipped)
    out += t.Counted(counts.skipped, P::kIndexSkippedOne, P::kIndexSkippedMany, {Thousands(counts.skipped)});
  if (counts.unreadable) out += t(P::kIndexUnreadable, {Thousands(counts.unreadable)});
  out += t(P::kIndexMadeEnd) + "</p>\n</header>\n<main>\n<h2>" + t(P::kProcessorBenchmark) + "</h2>\n<p>" + t(P::kIndexChartsIntro) +
         "</p>\n";
  out += Charts(machines, t);
  out += "<h2>" + t(P::kMachines) + "</h2>\n<p id=\"search\" hidden><label>" + t(P::kFilterLabel) + " <input "
         "id=\"filter\" type=\"search\" autocomplete=\"off\"></label> <span id=\"shown\" role=\"status\"></span></p>\n";
  out += "<div class=\"wide\">\n<table id=\"machines\">\n<thead><tr><th>" + t(P::kProcessor) + "</th><th>" +
         t(P::kVendor) + "</th><th>" + t(P::kSignature) + "</th><th class=\"n\">" + t(P::kClockColumn) +
         "</th><th>Windows</th><th class=\"n\">" + t(P::kMemoryColumn) + "</th><th>" + t(P::kBenchmarkColumn) +
         "</th><th class=\"n\">" + t(P::kIntegerColumn) + "</th><th class=\"n\">" + t(P::kFloatColumn) +
         "</th><th class=\"n\">" + t(P::kMemoryBlockColumn, {"16 KB"}) + "</th><th class=\"n\">" +
         t(P::kMemoryBlockColumn, {"512 KB"}) + "</th><th class=\"n\">" + t(P::kMemoryBlockColumn, {"4 MB"}) +
         "</th><th>" + t(P::kFileColumn) + "</th><th>" + t(P::kTruncatedColumn) + "</th></tr></thead>\n<tbody>\n";
  for (const SiteEntry& m : machines) {
    const SummaryValues& s = m.summary;
    std::string windows = s.windows.value_or("");
    if (s.platform) windows += (windows.empty() ? "" : " ") + *s.platform;
    out += "<tr><td><a href=\"" + Escape(m.page) + "\">" + Escape(s.processor.value_or(m.name)) + "</a></td><td>" +
           Opt(s.vendor) + "</td><td>" + Opt(s.signature) + "</td><td class=\"n\">" + OptNum(s.clockMHz) +
           "</td><td>" + Escape(windows) + "</td><td class=\"n\">" + OptNum(s.physicalKB) + "</td><td>" +
           Section(m.figures.bench, t) + "</td><td class=\"n\">" + OptNum(m.figures.integer) + "</td><td class=\"n\">" +
           OptNum(m.figures.floating) + "</td><td class=\"n\">" + MemoryCell(s, 16) + "</td><td class=\"n\">" +
           MemoryCell(s, 512) + "</td><td class=\"n\">" + MemoryCell(s, 4096) + "</td><td class=\"f\">" +
           Files(m.files, "<br>", lang) + "</td><td>" + (m.truncated ? t(P::kTruncatedMark) : "") + "</td></tr>\n";
  }
  out += "</tbody>\n</table>\n</div>\n</main>\n<script>" + script + "</script>\n</body>\n</html>\n";
  return out;
}

namespace {

// "3 of 12" among all, or of the machines of one benchmark (`among`).
std::string RankText(const Rank& r, P among, const PageTexts& t) {
  if (!r.of) return t(P::kNotRanked);
  return t(among, {Thousands(r.rank), Thousands(r.of)});
}

}  // namespace

std::string CollectionSection(const std::vector<SiteEntry>& machines, const std::vector<Standing>& standings,
                              size_t self, Language lang) {
  const PageTexts t(lang);
  const SiteEntry& me = machines[self];
  const Standing& st = standings[self];
  std::string out =
      "<section id=\"collection\">\n<h2>" + t(P::kInTheCollection) + "</h2>\n<p>" +
      t(P::kOneOf, {Thousands(machines.size()), "<a href=\"../index.html\">" + t(P::kTheCollection) + "</a>"});
  if (me.files.size() > 1)
    out += t(P::kSameRunFound, {Thousands(me.files.size()), Files(me.files, t(P::kListSeparator), lang)});
  out += "</p>\n";
  const P kind = me.figures.bench == html::ProcessorBench::TimeStamp ? P::kRankAmongTimeStamp : P::kRankAmongSpeed;
  out += "<table class=\"summary\">\n<thead><tr><th class=\"corner\">" + t(P::kRankHeading) + "</th><th>" +
         t(P::kPointsHeading) + "</th><th>" + t(P::kRank) + "</th></tr></thead>\n<tbody>\n";
  auto row = [&](const std::string& label, const std::optional<uint32_t>& v, const Rank& r, P among) {
    out += "<tr><th scope=\"row\">" + label + "</th><td>" + (v ? Thousands(*v) : t(P::kNoMeasurement)) +
           "</td><td>" + RankText(r, among, t) + "</td></tr>\n";
  };
  row(t(P::kInteger), me.figures.integer, st.integer, kind);
  row(t(P::kFloatingPoint), me.figures.floating, st.floating, kind);
  row(t(P::kMemoryBlocks, {"16 KB"}), me.figures.mem16K, st.mem16K, P::kRankOf);
  row(t(P::kMemoryBlocks, {"512 KB"}), me.figures.mem512K, st.mem512K, P::kRankOf);
  row(t(P::kMemoryBlocks, {"4 MB"}), me.figures.mem4M, st.mem4M, P::kRankOf);
  out += "</tbody>\n</table>\n";
  if (st.neighbours.empty()) {
    out += "<p class=\"note\">" +
           t(me.figures.bench == html::ProcessorBench::None ? P::kNoBenchNoNeighbours : P::kNoNeighbours) + "</p>\n";
    out += "</section>\n";
    return out;
  }
  // The machine and its neighbours, coloured as the page's machines are.
  std::vector<size_t> who = {self};
  who.insert(who.end(), st.neighbours.begin(), st.neighbours.end());
  out += "<h3>" + t(P::kNeighboursHeading, {Thousands(st.neighbours.size())}) + "</h3>\n<ul class=\"legend\">\n";
  for (size_t k = 0; k < who.size(); ++k) {
    const SiteEntry& m = machines[who[k]];
    out += "<li><span class=\"swatch\" style=\"background:" + std::string(html::StyleOf(k).colour) + "\"></span><b>" +
           html::Letter(k) + ":</b> " +
           (k ? "<a href=\"../" + Escape(m.page) + "\">" + Escape(m.name) + "</a>"
              : Escape(m.name) + " " + t(P::kThisMachineMark)) +
           "</li>\n";
  }
  out += "</ul>\n<div class=\"pair\">\n";
  for (bool integer : {true, false}) {
    std::vector<html::RankBar> bars;
    for (size_t k = 0; k < who.size(); ++k) {
      const std::optional<uint32_t>& v = integer ? machines[who[k]].figures.integer : machines[who[k]].figures.floating;
      if (!v) continue;
      const std::string label = html::Letter(k) + " " + html::WithoutNameLabel(machines[who[k]].name);
      bars.push_back({label, *v, static_cast<int>(k), label + ": " + t(P::kPoints, {Thousands(*v)})});
    }
    std::stable_sort(bars.begin(), bars.end(), [](const html::RankBar& a, const html::RankBar& b) { return a.points > b.points; });
    if (bars.empty()) continue;
    const std::string caption = t(integer ? P::kIntegerPoints : P::kFloatPoints);
    out += "<figure><figcaption>" + caption + "</figcaption>\n" +
           html::RankingSvg(bars, t(P::kNeighboursChart, {caption})) + "\n</figure>\n";
  }
  out += "</div>\n</section>\n";
  return out;
}

}  // namespace vornak::site
