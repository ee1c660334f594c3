// The tool's messages on standard error: "vornak-report: TEXT", one line
// each, every one written by WriteMessage.
//
// Their texts carry strangers' bytes: file names, a truncated log's last
// line, the readers' errors. A terminal obeys control characters (ESC and
// the C1 CSI start sequences that set the window's title, clear the screen
// or recolour what follows; CR and LF forge lines), so each character the
// terminal would take for a control is shown by its bytes, each as \xHH
// (two uppercase hex digits): C0 but tab, DEL, C1 (U+0080-U+009F), and
// bytes that are no character of the terminal's encoding. That encoding is
// UTF-8 natively (a lone 0x9B is CSI to an 8-bit terminal) and the ANSI
// code page on Windows, where 0x80-0x9F are lead bytes of code page 932 and
// letters of 1252, so bytes are judged as the code page's characters.
// Backslashes stay as they are (Windows paths are full of them): the
// escapes are for the eye, not a quoting to be undone.
//
// Output files and the report on standard output never pass through here.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace vornak {

inline constexpr long kNoCharacter = -1;

// The character at the start of a text: its length in bytes (at least 1)
// and its code point, or kNoCharacter for a byte that starts none.
struct TextCharacter {
  size_t length;
  long codePoint;
};
using CharacterReader = TextCharacter (*)(std::string_view rest);

// UTF-8, strictly: no overlong form, surrogate or code point past U+10FFFF.
TextCharacter ReadUtf8(std::string_view rest);

// A code page of one- and two-byte characters, as the ANSI code pages of
// Windows are: a lead byte takes the next byte as its trail when that is
// one (0x40-0xFE but 0x7F, never a control), and `character` (the system's
// table) gives the code point of one or two bytes, or kNoCharacter.
struct CodePage {
  bool (*isLeadByte)(unsigned char);
  long (*character)(std::string_view bytes);
};
TextCharacter ReadCodePage(std::string_view rest, const CodePage& page);

// How this system's terminal reads messages: ReadUtf8 natively, the ANSI
// code page on Windows.
TextCharacter ReadSystemText(std::string_view rest);

// `text` with its controls shown as escapes, read by `read`.
std::string TerminalText(std::string_view text, CharacterReader read = ReadSystemText);

// "vornak-report: " + TerminalText(text) + "\n" to `err`, without taking
// memory from the heap (it also reports running out of it). `utf8`, a
// report's text converted to UTF-8 (the same bytes in both builds), follows
// `text` and is read as UTF-8 everywhere: each part judged in its own
// encoding.
void WriteMessage(std::FILE* err, std::string_view text, std::string_view utf8 = {});

}  // namespace vornak
