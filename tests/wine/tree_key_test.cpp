// The report tree on the real tree control, under the code page the system
// runs with (1252 in a default prefix, 932 under a Japanese locale). AddItem
// finds a line's equal among its siblings through an index keyed by
// TreeViewOutline::EqualityKey; any two texts that lstrcmpiA calls equal must
// share that key, or a line is added twice where the comparison, walking the
// children one by one, would have found it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "report/report_tree.h"
#include "vornak95/win32/tree_view_outline.h"

namespace {

int failures = 0, checks = 0;

std::string Dump(const std::string& s) {
  std::string out;
  char hex[4];
  for (unsigned char c : s) {
    std::snprintf(hex, sizeof hex, "%02X ", c);
    out += hex;
  }
  if (!out.empty()) out.pop_back();
  return out;
}

bool SystemEqual(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// Every character of the code page: the single bytes and, after each lead
// byte, the trail bytes that make a character of it.
std::vector<std::string> CodePageCharacters() {
  std::vector<std::string> all;
  const UINT cp = GetACP();
  for (int lead = 1; lead < 256; ++lead) {
    if (!IsDBCSLeadByte(static_cast<BYTE>(lead))) {
      all.push_back(std::string(1, static_cast<char>(lead)));
      continue;
    }
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      WCHAR wide[2];
      if (MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, pair, 2, wide, 2) == 1)
        all.push_back(std::string(pair, 2));
    }
  }
  return all;
}

// Characters the comparison treats specially in one code page or another,
// combined in pairs and triples: their weight can depend on their
// neighbours, which single characters do not show.
const char* const kContext[] = {
    "a", "A", "z", "0", " ", "'", "-", "^", "\\", "|",
    "\xAD", "\x88", "\xE9", "\xC9",                         // 1252: soft hyphen, modifier ^, e/E acute
    "\xB0", "\xDE", "\xDF", "\xB6", "\xBF",                 // 932 half-width: prolonged, voiced marks, KA, SO (1252: sharp s ...)
    "\x81\x4A", "\x81\x4B", "\x81\x52", "\x81\x54", "\x81\x58", "\x81\x5B", "\x81\x5C",  // marks, dashes
    "\x82\x60", "\x82\x81", "\x83\x4A", "\x83\x5C", "\x83\x7C", "\x95\x5C", "\x87\x6F",  // A a KA SO ... hyo mm
};

// Sorted by the comparison, equal strings stand side by side.
void CheckKeysOfEqualNeighbours(const vornak::TreeViewOutline& outline, std::vector<std::string> texts,
                                const char* what) {
  std::stable_sort(texts.begin(), texts.end(), [](const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) < 0;
  });
  int equal = 0, misses = 0;
  for (size_t i = 0; i + 1 < texts.size(); ++i) {
    if (!SystemEqual(texts[i], texts[i + 1])) continue;
    ++equal;
    ++checks;
    if (outline.EqualityKey(texts[i]) == outline.EqualityKey(texts[i + 1])) continue;
    ++failures;
    if (++misses <= 10)
      std::printf("FAIL: %s: lstrcmpiA calls [%s] and [%s] equal, their keys differ\n", what,
                  Dump(texts[i]).c_str(), Dump(texts[i + 1]).c_str());
  }
  std::printf("%s: %zu texts, %d pairs the comparison calls equal, %d with different keys\n", what,
              texts.size(), equal, misses);
}

// kTwoLinesIfLead: apart where 0x83 starts a double-byte character (932); in
// a single-byte code page the comparison decides.
enum Expect { kOneLine, kTwoLines, kTwoLinesIfLead, kAsComparisonSays };

struct AddCase {
  const char* name;
  const char* first;
  const char* second;
  Expect expect;
};

// Two lines added under one parent: one line when the comparison calls them
// equal, whatever the index does.
const AddCase kAddCases[] = {
    {"ASCII case",                 "Font List",              "FONT LIST",             kOneLine},
    {"ASCII case after a kanji",   "\x95\x5Cx=1",            "\x95\x5CX=1",           kOneLine},
    {"trail 0x5C and 0x7C",        "\x83\x5C",               "\x83\x7C",              kTwoLines},
    {"trail 'S' and 's'",          "IPA\x83\x53",            "IPA\x83\x73",           kTwoLinesIfLead},
    {"trail 0x5C then ASCII case", "\x95\x5C" "a",           "\x95\x7C" "A",          kTwoLines},
    {"full-width A and a",         "\x82\x60",               "\x82\x81",              kAsComparisonSays},
    {"mm sign and MM",             "size=10\x87\x6F",        "SIZE=10MM",             kAsComparisonSays},
    {"prolonged mark and dash",    "\x83\x4A\x81\x5B",       "\x83\x4A\x81\x5C",      kAsComparisonSays},
    {"voiced mark, two widths",    "\x83\x45\x81\x4A",       "\x83\x45\xDE",          kAsComparisonSays},
    {"soft hyphen",                "co\xADop",               "coop",                  kAsComparisonSays},
    {"circumflex and modifier",    "a^b",                    "a\x88" "b",             kAsComparisonSays},
};

void CheckAddItem(vornak::ReportTree& tree) {
  unsigned row = 0;
  for (const AddCase& c : kAddCases) {
    ++row;
    ++checks;
    const vornak::Item parent = tree.AddRootItem("case " + std::to_string(row));
    const vornak::Item first = tree.AddItem(parent, c.first);
    const vornak::Item second = tree.AddItem(parent, c.second);
    const bool equal = SystemEqual(c.first, c.second);
    const bool merged = second == first;
    const bool expected = c.expect == kOneLine ||
                          (c.expect == kTwoLinesIfLead && !IsDBCSLeadByte(0x83) && equal) ||
                          (c.expect == kAsComparisonSays && equal);
    if (first == vornak::kNoItem || second == vornak::kNoItem || merged != expected) {
      ++failures;
      std::printf("FAIL: case %u (%s): [%s] then [%s]: %s, lstrcmpiA says %s\n", row, c.name,
                  Dump(c.first).c_str(), Dump(c.second).c_str(), merged ? "one line" : "two lines",
                  equal ? "equal" : "different");
    } else {
      std::printf("case %u (%s): %s\n", row, c.name, merged ? "one line" : "two lines");
    }
  }
}

}  // namespace

int main() {
  std::printf("code page %u\n", GetACP());
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VORNAK95:TreeKeyTest";
  RegisterClassA(&wc);
  HWND owner = CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                               nullptr, wc.hInstance, nullptr);
  vornak::TreeViewOutline outline;
  vornak::ReportTree tree(outline);
  if (!owner || !tree.CreateControl(reinterpret_cast<uintptr_t>(owner), 0, 0, 300, 400)) {
    std::printf("FAIL: no tree control\n");
    return 1;
  }

  CheckKeysOfEqualNeighbours(outline, CodePageCharacters(), "characters");
  std::vector<std::string> combined;
  for (const char* a : kContext)
    for (const char* b : kContext) {
      combined.push_back(std::string(a) + b);
      for (const char* c : kContext) combined.push_back(std::string(a) + b + c);
    }
  CheckKeysOfEqualNeighbours(outline, combined, "pairs and triples");
  CheckAddItem(tree);

  DestroyWindow(owner);
  std::printf("tree_key_test: %d checks, %d failures\n", checks, failures);
  return failures ? 1 : 0;
}
