// Where the main window opens: centred, three quarters as wide and as high
// as the full-screen client area, whatever size the window had before.
#pragma once

namespace vornak {

struct WindowPlacement {
  int x, y, width, height;
};

// width and height are SM_CXFULLSCREEN and SM_CYFULLSCREEN; integer steps,
// so 1024 x 740 gives (128, 92) and 768 x 555.
WindowPlacement MainWindowPlacement(int fullScreenWidth, int fullScreenHeight);

}  // namespace vornak
