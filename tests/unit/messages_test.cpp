// vornak-report's messages: a stranger's bytes reach the terminal with every
// control shown as an escape, in UTF-8 and in the double-byte code pages of
// Windows (read through a table of their own here, as the system's would).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "vornak-report/messages.h"

namespace vornak {
namespace {

using namespace std::string_literals;

TEST(TerminalText, Utf8ControlsShownAsEscapes) {
  const struct {
    std::string text, shown;
  } kCases[] = {
      {"\x1B]0;owned\a\x1B[2J", "\\x1B]0;owned\\x07\\x1B[2J"},
      {"a\tb", "a\tb"},                                  // tab kept
      {"\x00\x01\x1F !~"s, "\\x00\\x01\\x1F !~"},        // C0 up to 0x1F; 0x20 and 0x7E are letters
      {"line\r\nforged", "line\\x0D\\x0Aforged"},        // no line can be made up
      {"\x7F", "\\x7F"},                                 // DEL
      {"\xC2\x80-\xC2\x9B-\xC2\x9F", "\\xC2\\x80-\\xC2\\x9B-\\xC2\\x9F"},  // C1 as UTF-8
      {"\xC2\xA0\xC3\xA9\xE8\xA1\xA8\xF0\x9F\x98\x80", "\xC2\xA0\xC3\xA9\xE8\xA1\xA8\xF0\x9F\x98\x80"},
      {"C:\\logs\\x1B.LOG", "C:\\logs\\x1B.LOG"},        // backslashes as they are
      // Bytes that start no character: each alone, the next read afresh.
      {"\x9B" "2J", "\\x9B2J"},                          // a lone CSI of 8-bit terminals
      {"\x80\xBF\xFE\xFF", "\\x80\\xBF\\xFE\\xFF"},
      {"\xC0\x9B\xC1\xBF", "\\xC0\\x9B\\xC1\\xBF"},      // overlong forms
      {"\xE0\x9F\xBF\xE0\xA0\x80", "\\xE0\\x9F\\xBF\xE0\xA0\x80"},  // U+07FF in three bytes; U+0800
      {"\xF0\x8F\xBF\xBF\xF0\x90\x80\x80", "\\xF0\\x8F\\xBF\\xBF\xF0\x90\x80\x80"},
      {"\xED\xA0\x80\xED\x9F\xBF", "\\xED\\xA0\\x80\xED\x9F\xBF"},  // a surrogate; U+D7FF
      {"\xF4\x90\x80\x80\xF4\x8F\xBF\xBF", "\\xF4\\x90\\x80\\x80\xF4\x8F\xBF\xBF"},  // past U+10FFFF
      {"\xE3\x81\x1B[2J", "\\xE3\\x81\\x1B[2J"},          // a cut sequence never hides a control
      {"end \xE3\x81", "end \\xE3\\x81"},
  };
  for (const auto& c : kCases) EXPECT_EQ(TerminalText(c.text, ReadUtf8), c.shown) << c.shown;
}

// Code page 932 as its table reads: lead bytes 0x81-0x9F and 0xE0-0xFC;
// 0x80 is U+0080 (as Windows' table has it); 0xA0 and 0xFD-0xFF no
// character; 0x85 0x40, in a row without characters, none either.
bool Lead932(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
long Table932(std::string_view b) {
  const auto c = static_cast<unsigned char>(b[0]);
  if (b.size() == 2) return b == "\x85\x40" ? kNoCharacter : 0x4E00;
  if (c == 0x80) return 0x80;
  if (c >= 0xA1 && c <= 0xDF) return 0xFF61 + (c - 0xA1);
  return kNoCharacter;
}
TextCharacter Read932(std::string_view rest) { return ReadCodePage(rest, {Lead932, Table932}); }

// Code page 1252: no lead bytes, letters at 0x80-0x9F but for its five
// unused places, which the table maps to the C1 controls of their value.
bool Lead1252(unsigned char) { return false; }
long Table1252(std::string_view b) {
  const auto c = static_cast<unsigned char>(b[0]);
  return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D ? c : 0x2000 + c;
}
TextCharacter Read1252(std::string_view rest) { return ReadCodePage(rest, {Lead1252, Table1252}); }

TEST(TerminalText, CodePageCharactersJudgedWholeNotByTheirBytes) {
  const struct {
    CharacterReader read;
    std::string text, shown;
  } kCases[] = {
      {Read932, "\x95\x5C\x83\x53\x9B\x40", "\x95\x5C\x83\x53\x9B\x40"},  // 表, ゴ, a lead byte 0x9B: characters
      {Read932, "\xB1\xDF", "\xB1\xDF"},                                  // half-width katakana
      {Read932, "\x81\x1B[2J", "\\x81\\x1B[2J"},                          // a lead byte never takes a control
      {Read932, "\x81\x7F", "\\x81\\x7F"},
      {Read932, "\x81\x3F", "\\x81?"},                                    // nor a byte below 0x40
      {Read932, "name\x81", "name\\x81"},                                 // cut off at the end
      {Read932, "\x85\x40", "\\x85@"},                                    // no character: the lead alone
      {Read932, "\x80\xA0\xFD", "\\x80\\xA0\\xFD"},
      {Read932, "\x1B\x07\x7F\t", "\\x1B\\x07\\x7F\t"},
      {Read1252, "\x80\x9B\x9F\xA0", "\x80\x9B\x9F\xA0"},                 // letters of 1252
      {Read1252, "\x81\x8D\x8F\x90\x9D", "\\x81\\x8D\\x8F\\x90\\x9D"},    // its C1 controls
  };
  for (const auto& c : kCases) EXPECT_EQ(TerminalText(c.text, c.read), c.shown) << c.shown;
}

// The prefix and line end around the escaped text, also past the writer's
// buffer, with a NUL inside.
TEST(WriteMessage, OneLineWhateverItsLength) {
  for (const std::string& text : {"a\x1B" "b\x00"s, std::string(2000, '\x1B') + "end"}) {
    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    WriteMessage(f, text);
    std::string written(8 * text.size() + 64, '\0');
    std::rewind(f);
    written.resize(std::fread(&written[0], 1, written.size(), f));
    std::fclose(f);
    EXPECT_EQ(written, "vornak-report: " + TerminalText(text, ReadUtf8) + "\n");
    EXPECT_EQ(written.find('\x1B'), std::string::npos);
  }
}

}  // namespace
}  // namespace vornak
