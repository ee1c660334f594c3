// Operating-system answers of the live machine.
#include <algorithm>

#include "nuvash32/nuvash32.h"
#include "platform/win32/callback_guard.h"
#include "platform/win32/live_machine.h"

namespace vornak {

uint32_t LiveMachine::GetVersion() { return ::GetVersion(); }
uint32_t LiveMachine::Nuvash32Version() { return ::Nuvash32Version(); }

SystemInfo LiveMachine::GetSystemInfo() {
  SYSTEM_INFO si = {};
  ::GetSystemInfo(&si);
  return SystemInfo{si.dwOemId, si.dwNumberOfProcessors, si.dwProcessorType};
}

MemoryStatus LiveMachine::GetMemoryStatus() {
  MEMORYSTATUS ms = {};
  ms.dwLength = 32;  // the record as Windows 95 and NT 4.0 know it
  ::GlobalMemoryStatus(&ms);
  return MemoryStatus{ms.dwTotalPhys,     ms.dwAvailPhys,    ms.dwTotalPageFile,
                      ms.dwAvailPageFile, ms.dwTotalVirtual, ms.dwAvailVirtual};
}

int32_t LiveMachine::GetSystemMetric(int32_t index) { return ::GetSystemMetrics(index); }

int32_t LiveMachine::GetDeviceCaps(int32_t index) {
  HDC dc = ::GetDC(treeWindow_);
  if (!dc) return 0;
  int value = ::GetDeviceCaps(dc, index);
  ::ReleaseDC(treeWindow_, dc);
  return value;
}

namespace {

// The text of a fixed character array, which need not end in a NUL.
template <size_t N>
std::string Bounded(const BYTE (&text)[N]) {
  const BYTE* end = std::find(text, text + N, BYTE{0});
  return std::string(reinterpret_cast<const char*>(text), reinterpret_cast<const char*>(end));
}

struct FamilyList {
  std::vector<FontFamily> families;
  CallbackGuard guard;
};

int CALLBACK OnFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM user) {
  // With no family name given, each call describes a whole family.
  const auto* elf = reinterpret_cast<const ENUMLOGFONTA*>(font);
  auto* list = reinterpret_cast<FamilyList*>(user);
  return list->guard.Run([&] {
    list->families.push_back(FontFamily{Bounded(elf->elfStyle), Bounded(elf->elfFullName)});
  });
}

}  // namespace

std::vector<FontFamily> LiveMachine::FontFamilies() {
  FamilyList list;
  HDC dc = ::GetDC(treeWindow_);
  if (!dc) return list.families;
  ::EnumFontFamiliesA(dc, nullptr, &OnFamily, reinterpret_cast<LPARAM>(&list));
  ::ReleaseDC(treeWindow_, dc);
  list.guard.Rethrow();
  return std::move(list.families);
}

}  // namespace vornak
