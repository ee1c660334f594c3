// shell_driver: drives a running VORNAK95.EXE from outside for the Wine tests
// and the screenshots. Finds the main window by its class and prints what a
// test checks, one fact per line; exit status 1 when the window is missing.
//
//   shell_driver wait SECONDS        until the main window is visible
//   shell_driver metrics             screen and full-screen client sizes
//   shell_driver face NAME           the face GDI gives for a font of that name
//   shell_driver rect                the main window's rectangle: x y width height
//   shell_driver state               visibility of the panes, the status text
//   shell_driver command ID          WM_COMMAND sent, returns when handled
//   shell_driver post ID             WM_COMMAND posted (for modal boxes)
//   shell_driver key VK              a key press posted to the main window
//   shell_driver dialog CAPTION SECONDS   texts of that box's controls, then OK
//   shell_driver open FOLDER FILE SECONDS   in the program's Open dialog,
//                                    browses to FOLDER, then chooses FILE
//   shell_driver title TEXT          sets the main window's title
//   shell_driver hang SECONDS        a top-level window of its own that never
//                                    handles a message, for SECONDS
//   shell_driver expand TEXT...      expands the report's items along a path
//                                    of texts from the root level ("*" for
//                                    any), and scrolls the last one to the top
//   shell_driver expand-typed TEXT... the same, each item found by typing its
//                                    text (no root; under QEMU too)
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char kFrameClass[] = "VORNAK95:MainFrame";

HWND Frame() { return FindWindowA(kFrameClass, nullptr); }

struct Search {
  const char* cls;
  HWND found;
};

BOOL CALLBACK MatchClass(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<Search*>(p);
  char name[64] = {0};
  GetClassNameA(w, name, sizeof name);
  if (lstrcmpiA(name, s->cls) != 0) return TRUE;
  s->found = w;
  return FALSE;
}

// The first descendant of the given class (the panes sit inside the view).
HWND FindDescendant(HWND parent, const char* cls) {
  Search search = {cls, nullptr};
  EnumChildWindows(parent, MatchClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int Visible(HWND w) { return w && IsWindowVisible(w) ? 1 : 0; }

int State(HWND frame) {
  HWND view = FindDescendant(frame, "VORNAK95:View");
  HWND html = FindDescendant(frame, "VORNAK95:HtmlView");
  HWND tree = FindDescendant(frame, "SysTreeView32");
  HWND status = FindDescendant(frame, "msctls_statusbar32");
  char text[128] = {0};
  if (status) GetWindowTextA(status, text, sizeof text);
  char title[128] = {0};
  GetWindowTextA(frame, title, sizeof title);
  std::printf("title=%s\n", title);
  std::printf("view=%d caption=%d\n", Visible(view),
              view && (GetWindowLongA(view, GWL_STYLE) & WS_CAPTION) == WS_CAPTION ? 1 : 0);
  std::printf("html=%d\ntree=%d\nstatusbar=%d\nstatus=%s\n", Visible(html), Visible(tree),
              Visible(status), text);
  if (html) {
    GetWindowTextA(html, text, sizeof text);
    std::printf("html-name=%s html-style=%08lx html-id=%d\n", text,
                static_cast<unsigned long>(GetWindowLongA(html, GWL_STYLE)), GetDlgCtrlID(html));
    // The pane answers whether it shows its page or the "cannot be found" notice.
    const UINT pageShown = RegisterWindowMessageA("VORNAK95:HtmlPageShown");
    std::printf("html-page=%s\n", SendMessageA(html, pageShown, 0, 0) ? "shown" : "notice");
  }
  return 0;
}

int Dialog(const char* caption, int seconds) {
  HWND box = nullptr;
  for (int i = 0; i < seconds * 10 && !box; ++i, Sleep(100)) box = FindWindowA("#32770", caption);
  if (!box) {
    std::printf("no box \"%s\"\n", caption);
    return 1;
  }
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    char text[256] = {0};
    GetWindowTextA(c, text, sizeof text);
    std::printf("%d:%s\n", GetDlgCtrlID(c), text);
  }
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  return 0;
}

// The Open dialog (Ctrl+O) as a person uses it: the folder typed into the
// file-name field and OK, which browses there; then the file's name and OK.
int Open(const char* folder, const char* file, int seconds) {
  HWND box = nullptr;
  for (int i = 0; i < seconds * 10 && !box; ++i, Sleep(100)) box = FindWindowA("#32770", "Open");
  if (!box) {
    std::printf("no Open dialog\n");
    return 1;
  }
  HWND edit = FindDescendant(box, "Edit");
  if (!edit) {
    std::printf("no file-name field\n");
    return 1;
  }
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder));
  SendMessageA(box, WM_COMMAND, IDOK, 0);
  if (!IsWindow(box)) {
    std::printf("the dialog closed on a folder\n");
    return 1;
  }
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file));
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  for (int i = 0; i < seconds * 10 && IsWindow(box); ++i) Sleep(100);
  return IsWindow(box) ? 1 : 0;
}

// A program that stopped answering: its window exists, but the thread that
// owns it never looks at its queue again.
int Hang(int seconds) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VORNAK95:Hung";
  RegisterClassA(&wc);
  HWND w = CreateWindowExA(0, wc.lpszClassName, "hung window", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                           0, 0, 200, 100, nullptr, nullptr, wc.hInstance, nullptr);
  if (!w) return 1;
  std::printf("hung\n");
  std::fflush(stdout);
  Sleep(static_cast<DWORD>(seconds) * 1000);
  return 0;
}

// Reads item texts of a tree control in another process: the record and the
// text buffer that TVM_GETITEMA fills must live in that process.
class RemoteTree {
 public:
  explicit RemoteTree(HWND tree) : tree_(tree) {
    DWORD pid = 0;
    GetWindowThreadProcessId(tree, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_)
      remote_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, sizeof(TVITEMA) + kText,
                                                  MEM_COMMIT, PAGE_READWRITE));
  }
  ~RemoteTree() {
    if (remote_) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  bool Ready() const { return remote_ != nullptr; }
  HTREEITEM Next(HTREEITEM item, UINT code) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree_, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
  }
  // "*" stands for any text (the report's first line names the system).
  bool TextIs(HTREEITEM item, const char* text) {
    if (!std::strcmp(text, "*")) return true;
    TVITEMA record = {};
    record.mask = TVIF_TEXT;
    record.hItem = item;
    record.pszText = remote_ + sizeof record;
    record.cchTextMax = kText;
    char buffer[kText] = {0};
    SIZE_T done = 0;
    if (!WriteProcessMemory(process_, remote_, &record, sizeof record, &done) ||
        !SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote_)) ||
        !ReadProcessMemory(process_, remote_ + sizeof record, buffer, kText - 1, &done))
      return false;
    return std::strcmp(buffer, text) == 0;
  }

 private:
  static constexpr int kText = 256;
  HWND tree_;
  HANDLE process_ = nullptr;
  char* remote_ = nullptr;
};

int Expand(HWND frame, int count, char** texts) {
  HWND control = FindDescendant(frame, "SysTreeView32");
  RemoteTree tree(control);
  if (!control || !tree.Ready()) {
    std::printf("no tree to read\n");
    return 1;
  }
  HTREEITEM item = nullptr, candidate = tree.Next(nullptr, TVGN_ROOT);
  for (int i = 0; i < count; ++i) {
    while (candidate && !tree.TextIs(candidate, texts[i])) candidate = tree.Next(candidate, TVGN_NEXT);
    if (!candidate) {
      std::printf("no item \"%s\"\n", texts[i]);
      return 1;
    }
    item = candidate;
    SendMessageA(control, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    candidate = tree.Next(item, TVGN_CHILD);
  }
  SendMessageA(control, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(item));
  return 0;
}

// The same path found by typing: the tree's incremental search selects the
// next visible item that starts with the typed text. Nothing crosses between
// the processes but characters and item handles, so this works where the
// other process's memory cannot be read (Wine under QEMU user emulation).
int ExpandTyped(HWND frame, int count, char** texts) {
  HWND control = FindDescendant(frame, "SysTreeView32");
  if (!control) {
    std::printf("no tree\n");
    return 1;
  }
  HTREEITEM item = nullptr;
  for (int i = 0; i < count; ++i) {
    Sleep(1500);  // the search forgets what was typed before
    for (const char* c = texts[i]; *c; ++c)
      SendMessageA(control, WM_CHAR, static_cast<unsigned char>(*c), 1);
    HTREEITEM selected = reinterpret_cast<HTREEITEM>(SendMessageA(control, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!selected || selected == item) {
      std::printf("no item \"%s\"\n", texts[i]);
      return 1;
    }
    item = selected;
    SendMessageA(control, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
  }
  SendMessageA(control, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(item));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const char* verb = argv[1];
  const long arg = argc > 2 ? std::strtol(argv[2], nullptr, 0) : 0;
  if (!std::strcmp(verb, "metrics")) {
    std::printf("screen %d %d\nfullscreen %d %d\n", GetSystemMetrics(SM_CXSCREEN),
                GetSystemMetrics(SM_CYSCREEN), GetSystemMetrics(SM_CXFULLSCREEN),
                GetSystemMetrics(SM_CYFULLSCREEN));
    return 0;
  }
  // The face GDI gives for a requested name: the prefix must have Marlett,
  // which draws the caption buttons.
  if (!std::strcmp(verb, "face") && argc > 2) {
    HFONT font = CreateFontA(16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, argv[2]);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    char face[LF_FACESIZE] = "";
    GetTextFaceA(dc, sizeof face, face);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    std::printf("%s\n", face);
    return 0;
  }
  if (!std::strcmp(verb, "dialog")) return argc > 3 ? Dialog(argv[2], std::atoi(argv[3])) : 2;
  if (!std::strcmp(verb, "hang")) return Hang(static_cast<int>(arg));
  if (!std::strcmp(verb, "open")) return argc > 4 ? Open(argv[2], argv[3], std::atoi(argv[4])) : 2;
  if (!std::strcmp(verb, "wait")) {
    for (long i = 0; i < arg * 10; ++i, Sleep(100))
      if (Visible(Frame())) return 0;
    return 1;
  }
  HWND frame = Frame();
  if (!frame) {
    std::printf("no main window\n");
    return 1;
  }
  if (!std::strcmp(verb, "rect")) {
    RECT r;
    GetWindowRect(frame, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
  }
  if (!std::strcmp(verb, "state")) return State(frame);
  if (!std::strcmp(verb, "expand")) return Expand(frame, argc - 2, argv + 2);
  if (!std::strcmp(verb, "expand-typed")) return ExpandTyped(frame, argc - 2, argv + 2);
  if (!std::strcmp(verb, "title")) return argc > 2 && SetWindowTextA(frame, argv[2]) ? 0 : 1;
  if (!std::strcmp(verb, "command")) {
    DWORD_PTR result = 0;
    // An analysis under emulation takes a while; the reply comes after it.
    return SendMessageTimeoutA(frame, WM_COMMAND, static_cast<WPARAM>(arg), 0, SMTO_NORMAL,
                               600000, &result) ? 0 : 1;
  }
  if (!std::strcmp(verb, "post")) return PostMessageA(frame, WM_COMMAND, static_cast<WPARAM>(arg), 0) ? 0 : 1;
  if (!std::strcmp(verb, "key")) {
    PostMessageA(frame, WM_KEYDOWN, static_cast<WPARAM>(arg), 1);
    PostMessageA(frame, WM_KEYUP, static_cast<WPARAM>(arg), 0xC0000001);
    return 0;
  }
  return 2;
}
