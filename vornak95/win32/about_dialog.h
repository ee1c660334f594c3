// AboutDialog: dialog 100, with the build's date and time in control 1000.
#pragma once

#include <windows.h>

namespace vornak {

class AboutDialog {
 public:
  static void DoModal(HINSTANCE instance, HWND owner);

 private:
  static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);
  static INT_PTR OnInitDialog(HWND dialog);
};

}  // namespace vornak
