// NUVASH32.dll: the maker's small support library. VORNAK95.EXE uses two of
// its functions, bound at load time.
#pragma once

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

// Version in the low 16 bits: major number in the high byte, minor in the low.
DWORD __cdecl Nuvash32Version(void);
// Draws the bitmap with its top-left corner at (x, y); FALSE when it cannot.
BOOL __cdecl DrawBitmap(HDC dc, int x, int y, HBITMAP bitmap);

#ifdef __cplusplus
}
#endif
