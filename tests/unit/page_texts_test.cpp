// The pages' texts in each language: the table's own rules, the formats'
// placeholders, the script's text, and how the language is chosen
// (page_language_test.cpp reads whole pages).
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "japanese_text.h"
#include "vornak-report/messages.h"
#include "vornak-report/page_texts.h"
#include "vornak-report/user_language.h"

namespace vornak {
namespace {

constexpr Language kEn = Language::kEnglish, kJa = Language::kJapanese;

// Whether `s` is UTF-8 through and through.
bool IsUtf8(std::string_view s) {
  while (!s.empty()) {
    const TextCharacter c = ReadUtf8(s);
    if (c.codePoint == kNoCharacter) return false;
    s.remove_prefix(c.length);
  }
  return true;
}

// The placeholders a text holds, each with its count.
std::map<std::string, int> Placeholders(std::string_view text) {
  std::map<std::string, int> found;
  for (size_t i = 0; i + 2 < text.size(); ++i)
    if (text[i] == '{' && text[i + 2] == '}' && text[i + 1] >= '1' && text[i + 1] <= '9')
      ++found[std::string(text.substr(i, 3))];
  return found;
}

TEST(PageTexts, EveryRowInBothLanguagesWithTheSamePlaceholders) {
  for (int i = 0; i < static_cast<int>(PageText::kCount); ++i) {
    const auto id = static_cast<PageText>(i);
    const std::string en = TextOf(id, kEn), ja = TextOf(id, kJa);
    SCOPED_TRACE(en);
    EXPECT_FALSE(en.empty());
    EXPECT_NE(en, ja) << "a text the same in both languages stays out of the table";
    EXPECT_TRUE(IsUtf8(en));
    EXPECT_TRUE(IsUtf8(ja)) << ja;
    EXPECT_TRUE(HasJapanese(ja)) << "not translated: " << ja;
    // A translation drops or doubles no number or name.
    EXPECT_EQ(Placeholders(en), Placeholders(ja)) << ja;
    // Written as they are into HTML text, quoted attributes, CSS and script.
    for (const std::string& text : {en, ja})
      EXPECT_EQ(text.find_first_of("<>&\"\\"), std::string::npos) << text;
  }
  for (Language lang : kLanguages) {
    const PageFonts& f = FontsOf(lang);
    for (const char* list : {f.text, f.mono, f.mark, f.chart}) EXPECT_TRUE(IsUtf8(list)) << list;
  }
  EXPECT_NE(std::string(FontsOf(kJa).text).find("\"ＭＳ Ｐゴシック\""), std::string::npos);
}

TEST(PageTexts, FormatFillsEachPlaceholderOnceInTheTextsOrder) {
  const struct {
    const char* text;
    std::initializer_list<std::string_view> args;
    const char* expected;
  } kCases[] = {
      {"{1} of {2}", {"3", "12"}, "3 of 12"},
      {"{2}台中{1}位", {"3", "12"}, "12台中3位"},
      {"{1} and {1}", {"a"}, "a and a"},
      {"file {1}: {2}", {"{2}", "x"}, "file {2}: x"},  // an argument is never read again
      {"{1}{2}", {"{", "1}"}, "{1}"},
      {"{3} {0} {a} {1", {"x", "y"}, "{3} {0} {a} {1"},  // nothing to put there: kept
      {"{10}", {"x"}, "{10}"},
      {"end {", {"x"}, "end {"},
      {"", {"x"}, ""},
  };
  for (const auto& c : kCases) EXPECT_EQ(Format(c.text, c.args), c.expected) << c.text;
}

TEST(PageTexts, ScriptConcatenationIsAlwaysAString) {
  const struct {
    const char* text;
    const char* expected;
  } kCases[] = {
      {"{1} of {2} machines shown", "count + ' of ' + total + ' machines shown'"},
      {"{2}台中{1}台を表示", "total + '台中' + count + '台を表示'"},
      {"shown: {1}", "'shown: ' + count"},
      {"{1}{2} shown", "'' + count + total + ' shown'"},  // two numbers first would be added
      {"{1}", "'' + count"},
      {"", "''"},
      {"it's a \\ {1}", "'it\\'s a \\\\ ' + count"},
  };
  for (const auto& c : kCases) EXPECT_EQ(ScriptConcatenation(c.text, {"count", "total"}), c.expected) << c.text;
}

TEST(PageTexts, StyleTakesTheLanguagesFontsAndMark) {
  const std::string css = "a{font:$TEXT}b{font:$MONO}c{content:\"$DIFFERS\";font:$MARK}d{font:$CHART}$TEXT$RULES";
  EXPECT_EQ(StyleIn(css, kEn),
            "a{font:\"DejaVu Sans\",Arial,\"IPAGothic\",sans-serif}b{font:\"DejaVu Sans Mono\",\"IPAGothic\",monospace}"
            "c{content:\"differs inside\";font:\"DejaVu Sans\",sans-serif}d{font:\"DejaVu Sans\",Arial,sans-serif}"
            "\"DejaVu Sans\",Arial,\"IPAGothic\",sans-serif");
  const std::string ja = StyleIn(css, kJa);
  EXPECT_EQ(ja.find('$'), std::string::npos) << ja;
  EXPECT_NE(ja.find("content:\"内部に相違あり\""), std::string::npos) << ja;
  EXPECT_NE(ja.find("word-break:keep-all"), std::string::npos) << ja;
}

TEST(UserLanguage, LocaleVariablesFirstSetAndNotEmptyDecides) {
  const char* const kUnset = nullptr;
  const struct {
    const char *lcAll, *lcMessages, *lang;
    Language expected;
  } kCases[] = {
      {kUnset, kUnset, "ja_JP.UTF-8", kJa},
      {kUnset, kUnset, "ja", kJa},
      {kUnset, kUnset, "japanese", kJa},  // glibc's alias
      {kUnset, kUnset, "en_US.UTF-8", kEn},
      {kUnset, kUnset, "C", kEn},
      {kUnset, kUnset, kUnset, kEn},
      {"C", kUnset, "ja_JP.UTF-8", kEn},       // LC_ALL over LANG
      {"ja_JP.UTF-8", "C", "en_US", kJa},      // LC_ALL over LC_MESSAGES
      {kUnset, "ja_JP.eucJP", "en_US", kJa},   // LC_MESSAGES over LANG
      {kUnset, "en_US", "ja_JP.UTF-8", kEn},
      {"", "", "ja_JP.UTF-8", kJa},            // empty values are not set
      {"", "C", "ja_JP.UTF-8", kEn},
      {"", "", "", kEn},
      {"JA_JP", kUnset, kUnset, kEn},          // locale names are case-sensitive
      {"j", kUnset, "ja", kEn},                // set: it decides, whatever it is
  };
  for (const auto& c : kCases)
    EXPECT_EQ(LanguageOfLocale(c.lcAll, c.lcMessages, c.lang), c.expected)
        << (c.lcAll ? c.lcAll : "-") << " " << (c.lcMessages ? c.lcMessages : "-") << " " << (c.lang ? c.lang : "-");
}

TEST(UserLanguage, PrimaryLanguageOfTheWindowsIdentifier) {
  const struct {
    unsigned id;
    Language expected;
  } kCases[] = {
      {0x0411, kJa},  // Japanese (Japan)
      {0x0011, kJa},  // Japanese, neutral
      {0x0811, kJa},  // another sublanguage
      {0x0409, kEn},  // English (United States)
      {0x0412, kEn},  // Korean
      {0x0404, kEn},  // Chinese (Taiwan)
      {0x0111, kEn},  // primary 0x111: the low ten bits, not eight
      {0x0000, kEn},
      {0xFFFF, kEn},
  };
  for (const auto& c : kCases) EXPECT_EQ(LanguageOfLangId(c.id), c.expected) << std::hex << c.id;
}

}  // namespace
}  // namespace vornak
