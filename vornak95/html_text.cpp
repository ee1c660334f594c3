#include "vornak95/html_text.h"

#include <cstring>

#include "report/sjis.h"

namespace vornak {

namespace {

// Tags that end the text before them; the ones that start a block of their
// own kind are matched first in Scanner::OnTag.
const char* const kBreakingTags[] = {"p",  "div", "br",    "ul", "ol", "dl",  "dt",
                                     "dd", "tr",  "table", "hr", "pre", "blockquote",
                                     "body", "center", "address"};

// Named entities worth knowing in a start page; others stay as written.
struct Entity {
  const char* name;
  char byte;
};
const Entity kEntities[] = {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'},
                            {"apos", '\''}, {"nbsp", ' '}, {"copy", 'c'}};
constexpr size_t kMaxEntity = 10;  // "&#x10FFFF;" is the longest worth reading

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

// Case-insensitive search for an ASCII needle; a plain forward scan, so the
// whole page is still read once.
size_t FindNoCase(std::string_view s, size_t from, const char* needle) {
  const size_t n = std::strlen(needle);
  for (size_t i = from; i + n <= s.size(); ++i) {
    size_t k = 0;
    while (k < n && Lower(s[i + k]) == needle[k]) ++k;
    if (k == n) return i;
  }
  return std::string_view::npos;
}

class Scanner {
 public:
  explicit Scanner(std::string_view html) : s_(html) {}

  HtmlPage Run() {
    size_t i = 0;
    while (i < s_.size() && !page_.truncated) {
      const char c = s_[i];
      if (c == '<' && i + 1 < s_.size() &&
          (IsAsciiLetter(s_[i + 1]) || s_[i + 1] == '/' || s_[i + 1] == '!' || s_[i + 1] == '?')) {
        i = Markup(i);
      } else if (c == '&') {
        i = EntityAt(i);
      } else {
        Text(c);
        ++i;
      }
    }
    EndBlock();
    return std::move(page_);
  }

 private:
  // Returns the index after the markup at i; the input's end when it is not
  // closed, so an unclosed tag cannot make later ones be searched again.
  size_t Markup(size_t i) {
    if (s_.compare(i, 4, "<!--") == 0) {
      const size_t end = s_.find("-->", i + 4);
      return end == std::string_view::npos ? s_.size() : end + 3;
    }
    const size_t close = s_.find('>', i);
    if (close == std::string_view::npos) return s_.size();
    size_t k = i + 1;
    const bool closing = s_[k] == '/';
    if (closing) ++k;
    std::string name;
    while (k < close && (IsAsciiLetter(s_[k]) || (s_[k] >= '0' && s_[k] <= '9')) && name.size() < 16)
      name += Lower(s_[k++]);
    if (!closing && (name == "script" || name == "style")) {
      const size_t end = FindNoCase(s_, close + 1, name == "script" ? "</script" : "</style");
      if (end == std::string_view::npos) return s_.size();
      const size_t endClose = s_.find('>', end);
      return endClose == std::string_view::npos ? s_.size() : endClose + 1;
    }
    OnTag(name, closing);
    return close + 1;
  }

  void OnTag(const std::string& name, bool closing) {
    if (name == "title") {
      EndBlock();
      inTitle_ = !closing;
      return;
    }
    if (name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6') {
      EndBlock();
      if (!closing) Start(HtmlBlock::kHeading, name[1] - '0');
      return;
    }
    if (name == "li") {
      EndBlock();
      if (!closing) Start(HtmlBlock::kListItem, 0);
      return;
    }
    for (const char* tag : kBreakingTags) {
      if (name == tag) {
        EndBlock();
        return;
      }
    }
  }

  size_t EntityAt(size_t i) {
    // Only a short look ahead: a page full of bare '&' must not be rescanned.
    const size_t semi = s_.substr(0, i + 2 + kMaxEntity).find(';', i + 1);
    if (semi == std::string_view::npos) {
      Text('&');
      return i + 1;
    }
    const std::string_view name = s_.substr(i + 1, semi - i - 1);
    if (!name.empty() && name[0] == '#') {
      unsigned long code = 0;
      const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
      size_t k = hex ? 2 : 1;
      if (k == name.size()) {
        Text('&');
        return i + 1;
      }
      for (; k < name.size(); ++k) {
        const char d = Lower(name[k]);
        int v = (d >= '0' && d <= '9') ? d - '0' : (hex && d >= 'a' && d <= 'f') ? d - 'a' + 10 : -1;
        if (v < 0) {
          Text('&');
          return i + 1;
        }
        code = code * (hex ? 16 : 10) + static_cast<unsigned long>(v);
      }
      // ASCII only: the pane's text is in the ANSI code page, where other
      // code points have no single meaning.
      Text(code >= 0x20 && code < 0x7F ? static_cast<char>(code) : (code == 0xA0 ? ' ' : '?'));
      return semi + 1;
    }
    for (const Entity& e : kEntities) {
      if (name == e.name) {
        if (e.byte == 'c') {
          for (const char* p = "(C)"; *p; ++p) Text(*p);
        } else {
          Text(e.byte);
        }
        return semi + 1;
      }
    }
    Text('&');
    return i + 1;
  }

  void Start(HtmlBlock::Kind kind, int level) {
    current_.kind = kind;
    current_.level = level;
  }

  // Runs of blanks become one blank; leading and trailing blanks go.
  void Text(char c) {
    std::string& out = inTitle_ ? page_.title : current_.text;
    const size_t limit = inTitle_ ? kHtmlMaxTitle : kHtmlMaxBlockText;
    if (IsBlank(c)) {
      pendingBlank_ = !out.empty();
      return;
    }
    if (out.size() + 2 > limit) return;
    if (pendingBlank_) out += ' ';
    pendingBlank_ = false;
    out += c;
  }

  void EndBlock() {
    pendingBlank_ = false;
    if (!current_.text.empty()) {
      if (page_.blocks.size() >= kHtmlMaxBlocks) {
        page_.truncated = true;
      } else {
        page_.blocks.push_back(std::move(current_));
      }
    }
    current_ = HtmlBlock();
  }

  std::string_view s_;
  HtmlPage page_;
  HtmlBlock current_;
  bool inTitle_ = false;
  bool pendingBlank_ = false;
};

}  // namespace

HtmlPage ExtractHtmlText(std::string_view html) { return Scanner(html).Run(); }

HtmlPage UnreadablePage(const std::string& path) {
  HtmlPage page;
  page.title = "The page cannot be displayed";
  HtmlBlock b;
  b.text = "The start page " + path + " cannot be found or read.";
  page.blocks.push_back(b);
  b.text = "Choose \"&S)tart Analyz\" or \"&S)ave LOG\" to analyse this machine.";
  page.blocks.push_back(b);
  return page;
}

std::string StartPagePath(const std::string& currentDirectory, bool (*isLead)(unsigned char)) {
  // The root folder already ends in a backslash ("C:\"); a folder whose last
  // character is a kanji with the trail byte 0x5C does not.
  if (EndsWithBackslash(currentDirectory, isLead)) return currentDirectory + "vornak95.htm";
  return currentDirectory + "\\vornak95.htm";
}

}  // namespace vornak
