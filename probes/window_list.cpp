#include "probes/window_list.h"

#include <vector>

#include "report/wsformat.h"

namespace vornak {

namespace {
constexpr size_t kMaxTitle = 255;  // GetWindowTextA into 256 characters
}  // namespace

void WindowListSection(Analysis& a, Item thread) {
  std::vector<PaintedWindow> records = a.machine.BroadcastPaint();
  if (records.size() > kPaintRecordSlots) records.resize(kPaintRecordSlots);

  // Slot i holds the line made for record i, so that a window recorded after
  // its owner can be listed under the owner's line.
  std::vector<Item> lines(records.size(), kNoItem);
  for (size_t i = 0; i < records.size(); ++i) {
    const PaintedWindow& w = records[i];
    Item parent = thread;
    if (w.parent != 0) {
      for (size_t j = 0; j < i; ++j) {
        if (records[j].hwnd != w.parent) continue;
        // A line the tree refused must not send its children to the top level.
        if (lines[j] != kNoItem) parent = lines[j];
        break;
      }
    }
    // The title is an argument, never a format: "%" in it prints as itself.
    const std::string title = w.title.substr(0, kMaxTitle);
    lines[i] = a.Add(parent, WsFormat("HWND = 0x%.8x %s", w.hwnd, title.c_str()));
  }
}

}  // namespace vornak
