#include "vornak95/window_placement.h"

namespace vornak {

WindowPlacement MainWindowPlacement(int fullScreenWidth, int fullScreenHeight) {
  const int quarterW = fullScreenWidth / 4, quarterH = fullScreenHeight / 4;
  return {quarterW / 2, quarterH / 2, 3 * quarterW, 3 * quarterH};
}

}  // namespace vornak
