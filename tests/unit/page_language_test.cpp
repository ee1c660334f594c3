// Pages and sites in each language, read as a reader gets them: the text,
// the alt, aria-label and title attributes, the script's strings and the
// style's generated text. A Japanese page holds none of the English texts of
// the table and an English page none of the Japanese; the report's own lines
// (its outline) are the report's and are left out.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <fstream>
#include <map>
#include <set>

#include "bench/bench_tables.h"
#include "bench/os_code_name.h"
#include "readback/report_input.h"
#include "japanese_text.h"
#include "test_support.h"
#include "vornak-report/html_charts.h"
#include "vornak-report/html_page.h"
#include "vornak-report/messages.h"
#include "vornak-report/page_texts.h"
#include "vornak-report/sha256.h"
#include "vornak-report/site_build.h"
#include "vornak-report/site_pages.h"

namespace vornak {
namespace {

namespace fs = std::filesystem;
constexpr Language kEn = Language::kEnglish, kJa = Language::kJapanese;
const std::string kProfiles = std::string(VORNAK_SOURCE_DIR) + "/tests/profiles/";
constexpr char kCutLine[] = "Clock    : 500 MHz";  // a truncated run's last line

std::string Decoded(std::string s) {
  for (const auto& [entity, c] : std::map<std::string, std::string>{{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}}) {
    for (size_t at; (at = s.find(entity)) != std::string::npos;) s.replace(at, entity.size(), c);
  }
  for (size_t at = 0; (at = s.find("&amp;", at)) != std::string::npos; ++at) s.replace(at, 5, "&");
  return s;
}

// `from` up to the first `end` after it, and the place after that end.
std::string Between(const std::string& s, size_t from, const std::string& end, size_t& next) {
  const size_t at = s.find(end, from);
  next = at == std::string::npos ? s.size() : at + end.size();
  return s.substr(from, (at == std::string::npos ? s.size() : at) - from);
}

// What a reader gets of a page or an SVG image, piece by piece.
std::vector<std::string> ReaderTexts(const std::string& page) {
  std::vector<std::string> out;
  for (size_t i = 0; i < page.size();) {
    size_t next = i;
    if (page.compare(i, 18, "<div class=\"tree\">") == 0) {
      Between(page, i, "</div>\n</section>", next);  // the report's lines
    } else if (page.compare(i, 7, "<style>") == 0) {
      const std::string css = Between(page, i, "</style>", next);
      for (size_t at = 0; (at = css.find("content:\"", at)) != std::string::npos;) {
        size_t end;
        out.push_back(Between(css, at + 9, "\"", end));
        at = end;
      }
    } else if (page.compare(i, 8, "<script>") == 0) {
      const std::string js = Between(page, i, "</script>", next);
      for (size_t at = 0; (at = js.find('\'', at)) != std::string::npos;) {
        std::string literal;
        for (++at; at < js.size() && js[at] != '\''; ++at) literal += js[at] == '\\' ? js[++at] : js[at];
        out.push_back(literal);
        ++at;
      }
    } else if (page[i] == '<') {
      const std::string tag = Between(page, i, ">", next);
      for (const char* attribute : {" alt=\"", " aria-label=\"", " title=\""})
        for (size_t at = 0; (at = tag.find(attribute, at)) != std::string::npos;) {
          size_t end;
          out.push_back(Decoded(Between(tag, at + std::string(attribute).size(), "\"", end)));
          at = end;
        }
    } else {
      const std::string text = Between(page, i, "<", next);
      next = i + text.size();
      if (text.find_first_not_of(" \n") != std::string::npos) out.push_back(Decoded(text));
    }
    i = next;
  }
  return out;
}

// A text's fixed pieces between its placeholders that only its language
// writes: with a Latin letter in English, with a Japanese character in
// Japanese (a piece of blanks and punctuation may be anyone's).
std::vector<std::string> OwnPieces(PageText id, Language lang) {
  const std::string text = TextOf(id, lang);
  std::vector<std::string> pieces;
  size_t start = 0;
  auto add = [&](size_t end) {
    const std::string piece = text.substr(start, end - start);
    const bool own = lang == kJa ? HasJapanese(piece)
                                 : piece.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") !=
                                       std::string::npos;
    if (own) pieces.push_back(piece);
  };
  for (size_t i = 0; i + 2 < text.size(); ++i)
    if (text[i] == '{' && text[i + 2] == '}') {
      add(i);
      start = i + 3;
    }
  add(text.size());
  return pieces;
}

// The report's own texts that reach a page beyond its outline: its lines (a
// machine's name, a cut run's last line, DirectX names), with and without
// the name line's label, and the compare tables' labels, notes and systems.
void AddForeign(const std::string& path, std::set<std::string>& foreign) {
  std::vector<ReportMachine> machines;
  try {
    machines = ReadReportFile(path);
  } catch (const InputError&) {
    return;
  }
  TextConverter sjis;
  std::function<void(const std::vector<html::ReportLine>&)> walk = [&](const std::vector<html::ReportLine>& lines) {
    for (const html::ReportLine& l : lines) {
      const std::string text = sjis.ToUtf8(l.text);
      foreign.insert(text);
      foreign.insert(html::TrimBlanks(html::WithoutNameLabel(text)));
      walk(l.children);
    }
  };
  for (const ReportMachine& m : machines) walk(html::LinesOf(m.outline));
}

void AddCompareTables(std::set<std::string>& foreign) {
  TextConverter sjis;
  for (const CompareListing* listing : {&kTimeStampCompareListing, &kSpeedCompareListing})
    for (const CompareEntry& e : *listing) {
      foreign.insert(html::CompareLabel(sjis.ToUtf8(e.row.label)));
      if (e.row.note) foreign.insert(e.row.note);
      if (e.row.osCode != kNoOsCode) foreign.insert(OsCodeName(e.row.osCode));
    }
}

// Whether `piece` at `at` in `text` is part of one of the report's own
// texts there: the two agree around it up to that text's start (or the
// page text's) and up to its end (or the page text's, or a cut "…").
bool ReportsOwn(const std::string& text, size_t at, std::string piece, const std::vector<std::string>& foreign) {
  // Its blanks may be the page's: " machine" before "machine.profile".
  const size_t lead = piece.find_first_not_of(' ');
  piece = piece.substr(lead, piece.find_last_not_of(' ') + 1 - lead);
  at += lead;
  for (const std::string& f : foreign)
    for (size_t o = f.find(piece); o != std::string::npos; o = f.find(piece, o + 1)) {
      size_t left = 0, right = 0;
      while (left < at && left < o && text[at - left - 1] == f[o - left - 1]) ++left;
      const size_t t1 = at + piece.size(), f1 = o + piece.size();
      while (t1 + right < text.size() && f1 + right < f.size() && text[t1 + right] == f[f1 + right]) ++right;
      const bool fromStart = left == o || left == at;
      const bool toEnd = f1 + right == f.size() || t1 + right == text.size() ||
                         text.compare(t1 + right, 3, "\xE2\x80\xA6") == 0;
      if (fromStart && toEnd) return true;
    }
  return false;
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

html::PageMachine MachineOf(const std::string& path) {
  ReportMachine m = std::move(ReadReportFile(path).front());
  html::PageMachine pm;
  pm.source = SourceOf(m);
  pm.report = html::LinesOf(m.outline);
  pm.facts = html::ReadFacts(pm.report, pm.source.ShortName());
  return pm;
}

// Pages that take every branch with a text of its own: truncated runs, a
// machine without benchmarks or without one figure, sizes the report could
// not decode, the DirectX counts, two benchmark kinds on one page.
std::vector<std::string> Pages(Language lang, const std::string& quiet) {
  html::PageMachine p3 = MachineOf(kProfiles + "html/p3-500-win98.profile");
  html::PageMachine dx4 = MachineOf(kProfiles + "html/486dx4-win95.profile");
  html::PageMachine k6 = MachineOf(kProfiles + "html/k6-233-win95.profile");
  html::PageMachine cut = p3, none, noFloat = k6, noInteger = dx4, zero = dx4;
  cut.source.truncated = true;
  cut.source.lastLineNumber = 27;
  cut.source.lastLine = kCutLine + std::string("\r\n");
  html::PageMachine cutEarly = cut;
  cutEarly.source.lastLineNumber = 0;
  none.facts.fileName = "none.profile";
  noFloat.facts.floating = html::BenchFigure{5, 0};
  noFloat.facts.l2KB = 0;
  noFloat.facts.l2LineZero = true;
  noFloat.facts.directX = {{"DirectPlay", html::DirectXAnswer::Detail::kProviders, 2, {}},
                           {"DirectInput", html::DirectXAnswer::Detail::kJoysticks, 1, {}}};
  noInteger.facts.integer.reset();
  noInteger.facts.noL2 = true;
  noInteger.facts.directX = {{"DirectInput", html::DirectXAnswer::Detail::kJoysticks, 2, {}}};
  // A point a hundredfold below the others makes the axis logarithmic, where 0 has no place.
  for (html::MemoryPoint& p : zero.facts.memory) {
    if (p.blockKB == 32) p.figure.points = 0, p.measured = true;
    if (p.blockKB == 64) p.figure.points = 1, p.measured = true;
  }
  const html::SiteLinks links{"../index.html", "../assets/"};
  std::vector<std::string> pages = {
      html::BuildPage({p3}, nullptr, lang),
      html::BuildPage({cut, cutEarly, dx4, noFloat, noInteger, zero, none, MachineOf(quiet)}, nullptr, lang),
      html::BuildPage({none}, &links, lang),
  };
  for (const auto& [name, svg] : html::SharedRankingImages(lang)) pages.push_back(svg);
  return pages;
}

// Sites: one of every profile and log under tests/ with duplicates, other
// files, a file that does not read and a log of two runs; one of a single
// file that holds the same run twice.
std::vector<std::string> Sites(Language lang, const test::ScratchDir& scratch, const std::string& quiet) {
  const std::string many = scratch.Path(std::string("many-") + LanguageCode(lang)),
                    one = scratch.Path(std::string("one-") + LanguageCode(lang));
  fs::create_directories(many);
  fs::copy(kProfiles, many + "/in", fs::copy_options::recursive);
  fs::copy(kProfiles + "html/k6-233-win95.profile", many + "/in/copy.profile");
  fs::copy(kProfiles + "html/p3-500-win98.profile", many + "/in/again.profile");
  fs::copy(quiet, many + "/in/quiet.profile");
  std::ofstream(many + "/in/notes.txt") << "a note\n";
  std::ofstream(many + "/in/more.txt") << "another\n";
  std::ofstream(many + "/in/broken.profile") << "VORNAK95-PROFILE 1\nvolts = 1\n";
  const std::string log = Slurp(kProfiles + "live/wine-98.LOG");
  std::ofstream(many + "/in/glued.LOG", std::ios::binary) << log.substr(0, 1500) << Slurp(kProfiles + "live/wine-nt.LOG");
  fs::create_directories(one + "/in");
  std::ofstream(one + "/in/twice.LOG", std::ios::binary) << log << log;
  std::ofstream(one + "/in/notes.txt") << "a note\n";
  std::ofstream(one + "/in/broken.profile") << "VORNAK95-PROFILE 1\nvolts = 1\n";
  std::vector<std::string> pages;
  for (const std::string& root : {many, one}) {
    std::FILE* err = std::tmpfile();
    EXPECT_EQ(site::RunSite(root + "/site", {root + "/in"}, err, lang), 0) << root;
    std::fclose(err);
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(root + "/site"))
      if (e.is_regular_file() && e.path().filename() != ".vornak-site") pages.push_back(Slurp(e.path().string()));
  }
  // A machine alone of its benchmark, and one without any.
  std::vector<site::SiteEntry> entries(2);
  entries[0].figures.bench = html::ProcessorBench::Speed;
  entries[0].figures.integer = 100;
  std::vector<site::Standing> standings(2);
  pages.push_back(site::CollectionSection(entries, standings, 0, lang));
  pages.push_back(site::CollectionSection(entries, standings, 1, lang));
  return pages;
}

TEST(PageLanguage, EachLanguageHoldsNoneOfTheOthersTextsAndAllOfItsOwn) {
  test::ScratchDir scratch;
  const std::string quiet = scratch.Path("quiet.profile");
  std::ofstream(quiet) << "VORNAK95-PROFILE 1\nversion = c0000a04\nsysinfo = 0 1 24a\ncpuidcheck = 1\n"
                          "cpuid 00000001 = 00000673 0 0 00000010\n";
  std::map<Language, std::vector<std::string>> texts;
  for (Language lang : kLanguages) {
    std::vector<std::string> pages = Pages(lang, quiet);
    for (const std::string& p : Sites(lang, scratch, quiet)) pages.push_back(p);
    for (const std::string& page : pages) {
      const std::string code = LanguageCode(lang);
      if (page.compare(0, 15, "<!DOCTYPE html>") == 0) {
        EXPECT_NE(page.find("<html lang=\"" + code + "\">"), std::string::npos) << code;
      }
      for (std::string& t : ReaderTexts(page)) texts[lang].push_back(std::move(t));
    }
  }
  ASSERT_GT(texts[kEn].size(), 1000u);
  std::set<std::string> foreignSet;
  AddCompareTables(foreignSet);
  foreignSet.insert(kCutLine);
  for (const std::string& root : {scratch.Path("many-en/in"), scratch.Path("many-ja/in")})
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(root))
      if (e.is_regular_file()) {
        AddForeign(e.path().string(), foreignSet);
        foreignSet.insert(e.path().string());
        foreignSet.insert(e.path().filename().string());
      }
  for (const char* name : {"none.profile", "quiet.profile"}) foreignSet.insert(name);
  for (Language lang : kLanguages) {
    const Language other = lang == kEn ? kJa : kEn;
    for (int i = 0; i < static_cast<int>(PageText::kCount); ++i) {
      const auto id = static_cast<PageText>(i);
      const std::vector<std::string> own = OwnPieces(id, lang);
      bool shown = own.empty();  // a row of punctuation is shown through its other language
      for (const std::string& piece : own) {
        std::vector<std::string> foreign;
        const std::string core = piece.substr(piece.find_first_not_of(' '));
        for (const std::string& f : foreignSet)
          if (f.find(core.substr(0, core.find_last_not_of(' ') + 1)) != std::string::npos) foreign.push_back(f);
        for (const std::string& t : texts[other])
          for (size_t at = t.find(piece); at != std::string::npos; at = t.find(piece, at + 1))
            EXPECT_TRUE(ReportsOwn(t, at, piece, foreign))
                << LanguageCode(other) << " page holds \"" << piece << "\" in: " << t;
        for (const std::string& t : texts[lang]) shown |= t.find(piece) != std::string::npos;
      }
      EXPECT_TRUE(shown) << "no " << LanguageCode(lang) << " page shows " << TextOf(id, lang);
    }
  }
}

// The policy allows the index's script by the hash of the script as it is
// written in each language; the English one is pinned, so that a change to
// the script is a change someone made on purpose.
TEST(PageLanguage, IndexScriptAllowedByItsOwnHash) {
  std::set<std::string> hashes;
  for (Language lang : kLanguages) {
    const std::string index = site::BuildIndex({}, site::SiteCounts{}, lang);
    const size_t start = index.find("<script>") + 8;
    const std::string script = index.substr(start, index.find("</script>") - start);
    EXPECT_EQ(script, site::IndexScript(lang));
    EXPECT_NE(index.find("script-src '" + ScriptHashSource(script) + "';"), std::string::npos);
    EXPECT_EQ(script.find('$'), std::string::npos);
    hashes.insert(ScriptHashSource(script));
  }
  EXPECT_EQ(hashes.size(), 2u);
  EXPECT_EQ(ScriptHashSource(site::IndexScript(kEn)), "sha256-8qJRuLQkX39BeLOklFO+uXEeBi4crkU2KIfr6nz04d8=");
  EXPECT_NE(site::IndexScript(kJa).find("shown.textContent = rows.length + '台中' + count + '台を表示';"), std::string::npos);
}

// Japanese names the whole before the part ("16台中3台"), English the part
// first: a text's placeholders carry that order, and a slip there reads
// fine in every other test. The index's sentence of counts opens its
// bracket in one text and closes it in another.
TEST(PageLanguage, JapaneseFiguresInTheirPlaces) {
  const struct {
    PageText text;
    std::initializer_list<std::string_view> args;
    const char *english, *japanese;
  } kCases[] = {
      {PageText::kLinesDiffer, {"3", "40"}, "3 of 40 lines differ.", "40行中3行が異なります。"},
      {PageText::kShownCount, {"3", "16"}, "3 of 16 machines shown", "16台中3台を表示"},
      {PageText::kRankOf, {"2", "5"}, "2 of 5", "5台中2位"},
      {PageText::kRankAmongSpeed, {"2", "5"}, "2 of 5 machines of the speed benchmark", "スピードベンチマークの5台中2位"},
      {PageText::kRunOfRuns, {"A.LOG", "2", "3"}, "A.LOG (run 2 of 3)", "A.LOG（3回中2回目の実行）"},
      {PageText::kOneOf, {"16", "X"}, "One of 16 machines of X.", "Xにある16台のうちの1台です。"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(Format(TextOf(c.text, kEn), c.args), c.english);
    EXPECT_EQ(Format(TextOf(c.text, kJa), c.args), c.japanese);
  }
  for (const site::SiteCounts& counts : {site::SiteCounts{1, 0, 0, 0}, site::SiteCounts{18, 2, 147, 5}}) {
    const std::string index = site::BuildIndex({}, counts, kJa);
    const size_t start = index.find("<p class=\"sub\">");
    const std::string sub = index.substr(start, index.find("</p>", start) - start);
    EXPECT_EQ(sub.find("（"), sub.rfind("（")) << sub;
    EXPECT_NE(sub.find("（"), std::string::npos) << sub;
    EXPECT_EQ(sub.substr(sub.size() - 6), "）。") << sub;
  }
}

}  // namespace
}  // namespace vornak
