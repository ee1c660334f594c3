// The HTML pane's text extraction: what a page turns into, and that no page,
// however large or broken, makes it slow or unbounded.
#include <gtest/gtest.h>

#include <sstream>

#include "test_support.h"
#include "vornak95/html_text.h"

namespace vornak {
namespace {

// One line per block: "h2:text", "p:text", "li:text"; the title first as "title:".
std::string Dump(const HtmlPage& page) {
  std::ostringstream out;
  if (!page.title.empty()) out << "title:" << page.title << "\n";
  for (const HtmlBlock& b : page.blocks) {
    if (b.kind == HtmlBlock::kHeading) out << "h" << b.level;
    else out << (b.kind == HtmlBlock::kListItem ? "li" : "p");
    out << ":" << b.text << "\n";
  }
  return out.str();
}

TEST(HtmlText, ExtractsBlocks) {
  struct Case { const char* html; const char* dump; };
  const Case cases[] = {
      {"<html><head><TITLE> The  page </TITLE></head><body><h1>Head</h1><p>one\n  two</p></body>",
       "title:The page\nh1:Head\np:one two\n"},
      {"<ul><li>a<li>b</ul>after", "li:a\nli:b\np:after\n"},
      {"<h3 class=\"x\">Three</h3 >loose text<br>next", "h3:Three\np:loose text\np:next\n"},
      {"<p>a <b>bold</b> <a href='x'>link</a>.</p>", "p:a bold link.\n"},
      {"<script>var s = '<p>no</p>';</script><style>p{}</style><p>yes</p>", "p:yes\n"},
      {"<SCRIPT type=x>if (a < b) {}</ScRiPt >x", "p:x\n"},
      {"a<!-- <p>hidden</p> -->b", "p:ab\n"},
      {"&lt;tag&gt; &amp; &quot;q&quot; &#65;&#x42; &copy; &unknown; & alone", "p:<tag> & \"q\" AB (C) &unknown; & alone\n"},
      {"&#12354; &#;", "p:? &#;\n"},  // no single byte for it in the ANSI code page
      {"1 < 2 and 3 <> 4", "p:1 < 2 and 3 <> 4\n"},
      {"\x82\xA0\x82\xA2<p>\x83\x5C\x83\x74\x83\x67</p>", "p:\x82\xA0\x82\xA2\np:\x83\x5C\x83\x74\x83\x67\n"},
      {"", ""},
      {"   <p>  </p>  ", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.dump, Dump(ExtractHtmlText(c.html))) << c.html;
}

TEST(HtmlText, UnclosedMarkupEndsThePage) {
  const char* const cases[] = {"ok<p", "ok<!-- never closed <p>x</p>", "ok<script>x<p>y",
                               "ok<style>p{}"};
  for (const char* html : cases) EXPECT_EQ("p:ok\n", Dump(ExtractHtmlText(html))) << html;
}

TEST(HtmlText, ShippedStartPageNamesTheCommands) {
  const HtmlPage page = ExtractHtmlText(test::ReadFile(VORNAK_SOURCE_DIR "/res/vornak95.htm"));
  EXPECT_FALSE(page.title.empty());
  const std::string text = Dump(page);
  for (const char* command : {"&S)tart Analyz", "&S)ave LOG", "Ctrl+S", "&D)irectX Setup",
                              "&C)ontrol Panel", "VORNAK95.LOG"})
    EXPECT_NE(std::string::npos, text.find(command)) << command;
}

// Inputs that would be quadratic or unbounded for a naive reader. Each is
// several megabytes: a quadratic reader would not finish within the test's
// time-out, so no clock is read here; the bounds on what is kept are checked.
TEST(HtmlText, HugeAndHostileInputIsBoundedAndLinear) {
  const size_t n = 4 << 20;
  struct Case { const char* name; std::string html; };
  const Case cases[] = {
      {"one huge paragraph", std::string(n, 'x')},
      {"many paragraphs", [&] { std::string s; while (s.size() < n) s += "<p>x"; return s; }()},
      {"lone ampersands", std::string(n, '&')},
      {"unclosed tags", [&] { std::string s; while (s.size() < n) s += "<a"; return s; }()},
      {"comment openers", [&] { std::string s; while (s.size() < n) s += "<!--"; return s; }()},
      {"script without end", "<script>" + std::string(n, '<')},
      {"almost a script end", [&] { std::string s = "<script>"; while (s.size() < n) s += "</scrip"; return s; }()},
      {"huge title", "<title>" + std::string(n, 't')},
  };
  for (const Case& c : cases) {
    const HtmlPage page = ExtractHtmlText(c.html);
    EXPECT_LE(page.blocks.size(), kHtmlMaxBlocks) << c.name;
    EXPECT_LE(page.title.size(), kHtmlMaxTitle) << c.name;
    for (const HtmlBlock& b : page.blocks) ASSERT_LE(b.text.size(), kHtmlMaxBlockText) << c.name;
  }
}

TEST(HtmlText, UnreadablePageNamesThePath) {
  const HtmlPage page = UnreadablePage("C:\\VORNAK\\vornak95.htm");
  EXPECT_EQ("The page cannot be displayed", page.title);
  EXPECT_NE(std::string::npos, Dump(page).find("C:\\VORNAK\\vornak95.htm"));
}

TEST(HtmlText, StartPageIsInTheCurrentFolder) {
  const struct {
    const char* folder;
    const char* page;
  } cases[] = {
      {"C:\\VORNAK", "C:\\VORNAK\\vornak95.htm"},
      {"C:\\", "C:\\vornak95.htm"},
      // A folder ending in a kanji whose trail byte is 0x5C: 表 (95 5C),
      // ソ (83 5C). That byte is not a separator.
      {"C:\\\x95\x5C", "C:\\\x95\x5C\\vornak95.htm"},
      {"C:\\\x83\x5C\x83\x5C", "C:\\\x83\x5C\x83\x5C\\vornak95.htm"},
      // A kanji then a real separator, and a half-width kana (one byte).
      {"C:\\\x95\x5C\\", "C:\\\x95\x5C\\vornak95.htm"},
      {"C:\\\xB1\\", "C:\\\xB1\\vornak95.htm"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.page, StartPagePath(c.folder)) << c.folder;
  // Under a single-byte code page every byte stands alone.
  auto noLeadBytes = [](unsigned char) { return false; };
  EXPECT_EQ("C:\\\x95\x5Cvornak95.htm", StartPagePath("C:\\\x95\x5C", noLeadBytes));
}

}  // namespace
}  // namespace vornak
