// A stand-in for the maker's library: the version word and a bitmap blit.
#include "nuvash32/nuvash32.h"

extern "C" DWORD __cdecl Nuvash32Version(void) { return 0x0102; }

extern "C" BOOL __cdecl DrawBitmap(HDC dc, int x, int y, HBITMAP bitmap) {
  if (!dc || !bitmap) return FALSE;
  BITMAP info;
  if (!GetObjectA(bitmap, sizeof info, &info)) return FALSE;
  HDC memory = CreateCompatibleDC(dc);
  if (!memory) return FALSE;
  HGDIOBJ old = SelectObject(memory, bitmap);
  BOOL ok = BitBlt(dc, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
  return ok;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
