// Windows, initialisation files and drives on the live system.
#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/win32/live_machine.h"
#include "platform/win32/runtime/cmov_frame.h"

namespace vornak {

namespace {

// A copy of the CWPSTRUCT the hook is handed, field for field.
struct PaintRecord {
  LPARAM lParam;
  WPARAM wParam;
  UINT message;
  HWND hwnd;
};
static_assert(sizeof(PaintRecord) == sizeof(CWPSTRUCT), "a paint record is a CWPSTRUCT");

constexpr uint32_t kPaintRecordSlots = 512;
constexpr DWORD kTextBuffer = 256;
// More than any initialisation file holds; keeps a stray huge file from
// exhausting the address space.
constexpr DWORD kMaxFileBytes = 16u << 20;
// How long one window may take to handle the broadcast paint message. A hung
// program (common on the Windows 95 family) is skipped at once; a slow one
// after this long, so one window cannot stall the report.
constexpr UINT kPaintTimeoutMs = 3000;

// One broadcast: the hook's handle and what it saw. It lives on the stack of
// the call; the hook procedure finds it through `activeBroadcast`, which is
// set only while the broadcast runs.
struct Broadcast {
  HHOOK hook = nullptr;
  PaintRecord records[kPaintRecordSlots];
  uint32_t count = 0;
};
Broadcast* activeBroadcast = nullptr;

LRESULT CALLBACK PaintMessageHook(int code, WPARAM wParam, LPARAM lParam) {
  CmovFrame frame;  // nothing here throws
  Broadcast* b = activeBroadcast;
  // A negative code must be passed on untouched.
  if (b && code == HC_ACTION && lParam && b->count < kPaintRecordSlots) {
    const CWPSTRUCT* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (message->message == WM_PAINT) std::memcpy(&b->records[b->count++], message, sizeof(PaintRecord));
  }
  return CallNextHookEx(b ? b->hook : nullptr, code, wParam, lParam);
}

// A directory query's answer: 0 is failure, and an answer as large as the
// buffer means the path did not fit and the buffer holds nothing usable.
std::optional<std::string> PathAnswer(UINT length, const char* buffer) {
  if (length == 0 || length >= kTextBuffer) return std::nullopt;
  return std::string(buffer, length);
}

}  // namespace

std::vector<PaintedWindow> LiveMachine::BroadcastPaint() {
  std::vector<PaintedWindow> windows;
  // While the broadcast waits, sent messages are still handled on this
  // thread; a broadcast started by one of them would share the hook.
  if (activeBroadcast) return windows;
  auto b = std::make_unique<Broadcast>();
  b->hook = SetWindowsHookExA(WH_CALLWNDPROC, PaintMessageHook, nullptr, 0);
  // Windows NT and Wine refuse a system-wide hook without a module; then the
  // windows of this thread are the ones that can be watched.
  if (!b->hook)
    b->hook = SetWindowsHookExA(WH_CALLWNDPROC, PaintMessageHook, nullptr, GetCurrentThreadId());
  activeBroadcast = b.get();
  DWORD_PTR result = 0;
  SendMessageTimeoutA(HWND_BROADCAST, WM_PAINT, 0, 0, SMTO_ABORTIFHUNG, kPaintTimeoutMs, &result);
  activeBroadcast = nullptr;
  if (b->hook) UnhookWindowsHookEx(b->hook);

  for (uint32_t i = 0; i < b->count; ++i) {
    HWND hwnd = b->records[i].hwnd;
    char title[kTextBuffer] = "";
    GetWindowTextA(hwnd, title, kTextBuffer);
    title[kTextBuffer - 1] = '\0';
    windows.push_back(PaintedWindow{static_cast<uint32_t>(reinterpret_cast<uintptr_t>(hwnd)), title,
                                    static_cast<uint32_t>(reinterpret_cast<uintptr_t>(GetParent(hwnd)))});
  }
  return windows;
}

std::optional<std::string> LiveMachine::WindowsDirectory() {
  char path[kTextBuffer] = "";
  return PathAnswer(GetWindowsDirectoryA(path, kTextBuffer), path);
}

std::optional<std::string> LiveMachine::SystemDirectory() {
  char path[kTextBuffer] = "";
  return PathAnswer(GetSystemDirectoryA(path, kTextBuffer), path);
}

std::optional<std::string> LiveMachine::TempPath() {
  char path[kTextBuffer] = "";
  return PathAnswer(GetTempPathA(kTextBuffer, path), path);
}

std::optional<std::string> LiveMachine::ReadFileBytes(const std::string& path) {
  // A directory cannot be opened this way, which is what the caller wants.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char chunk[65536];
  DWORD got = 0;
  // A read error ends the file, as it ends an fgets loop.
  while (bytes.size() < kMaxFileBytes &&
         ReadFile(file, chunk, static_cast<DWORD>(std::min<size_t>(sizeof chunk, kMaxFileBytes - bytes.size())),
                  &got, nullptr) &&
         got > 0)
    bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

bool LiveMachine::VolumePresent(const std::string& root) {
  return GetVolumeInformationA(root.c_str(), nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0) != 0;
}

std::optional<VolumeInfo> LiveMachine::VolumeInformation(const std::string& root) {
  char name[kTextBuffer] = "", fileSystem[kTextBuffer] = "";
  DWORD serial = 0, maxName = 0, flags = 0;
  if (!GetVolumeInformationA(root.c_str(), name, kTextBuffer, &serial, &maxName, &flags, fileSystem,
                             kTextBuffer))
    return std::nullopt;
  name[kTextBuffer - 1] = fileSystem[kTextBuffer - 1] = '\0';
  return VolumeInfo{name, fileSystem, serial, maxName, flags};
}

uint32_t LiveMachine::DriveType(const std::string& root) { return GetDriveTypeA(root.c_str()); }

std::optional<DiskFreeSpace> LiveMachine::DiskFree(const std::string& root) {
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
  if (!GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters))
    return std::nullopt;
  return DiskFreeSpace{sectorsPerCluster, bytesPerSector, freeClusters, totalClusters};
}

}  // namespace vornak
