// The start page as formatted text: the HTML pane shows the page's title,
// headings, paragraphs and list items, and nothing else of HTML. There is no
// browser engine to lean on, so this reads just enough HTML for a page we
// ship ourselves, and stays safe on anything else a user puts in its place.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "report/sjis.h"

namespace vornak {

struct HtmlBlock {
  enum Kind { kHeading, kParagraph, kListItem };
  Kind kind = kParagraph;
  int level = 0;  // 1-6 for headings, else 0
  std::string text;  // blanks collapsed, entities decoded, bytes kept (Shift-JIS)
};

struct HtmlPage {
  std::string title;
  std::vector<HtmlBlock> blocks;
  bool truncated = false;  // a limit below cut the page short
};

// The page is cut at these sizes: the pane is a start page, not a browser,
// and a huge or hostile file must neither exhaust memory nor stall painting.
inline constexpr size_t kHtmlMaxBlocks = 2000;
inline constexpr size_t kHtmlMaxBlockText = 4000;
inline constexpr size_t kHtmlMaxTitle = 200;

// One pass over the bytes, no backtracking: linear in the input's size
// whatever its shape (unclosed tags, comments or scripts end the page).
HtmlPage ExtractHtmlText(std::string_view html);

// What the pane shows when the page cannot be read.
HtmlPage UnreadablePage(const std::string& path);

// The start page's path: the current directory followed by "\vornak95.htm".
// isLead tells the code page's lead bytes (Shift-JIS unless given).
std::string StartPagePath(const std::string& currentDirectory,
                          bool (*isLead)(unsigned char) = IsSjisLeadByte);

}  // namespace vornak
