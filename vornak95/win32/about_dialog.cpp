#include "vornak95/win32/about_dialog.h"

#include "vornak95/win32/failure.h"

#include "res/resource.h"

namespace vornak {

void AboutDialog::DoModal(HINSTANCE instance, HWND owner) {
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ABOUTBOX), owner, DialogProc, 0);
}

INT_PTR CALLBACK AboutDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  return GuardedMessage(dialog, [&]() -> INT_PTR {
    switch (message) {
      case WM_INITDIALOG: return OnInitDialog(dialog);
      case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
  });
}

// The date and time this file was compiled, e.g. "(Nov 25 1999 12:51:22)".
INT_PTR AboutDialog::OnInitDialog(HWND dialog) {
  SetDlgItemTextA(dialog, IDC_BUILD_TEXT, "(" __DATE__ " " __TIME__ ")");
  return TRUE;  // the system picks the initial focus
}

}  // namespace vornak
