#include "probes/display_tables.h"
#include "probes/system_section.h"
#include "report/wsformat.h"

namespace vornak {

namespace {

const char* Words(CapabilityWords words, bool set) {
  if (words == kYesNo) return set ? "Yes" : "No";
  return set ? "Support" : "Not Support";
}

void CapabilityGroupLines(Analysis& a, Item display, const CapabilityGroup& g) {
  const auto word = static_cast<uint32_t>(a.machine.GetDeviceCaps(g.index));
  const Item group = a.Add(display, g.title);
  if (g.summary) a.Add(group, WsFormat(g.summary, word ? "Yes" : "No"));
  const Item sub = g.subHeader ? a.Add(group, g.subHeader) : group;
  for (size_t i = 0; i < g.count; ++i) {
    const CapabilityLine& l = g.lines[i];
    a.Add(l.underSubHeader ? sub : group, WsFormat(l.format, Words(l.words, (word & l.bit) != 0)));
  }
}

}  // namespace

int OnFontFamily(Analysis& a, const FontFamily& font, Item fontList) {
  a.Add(fontList, WsFormat("%s : %s ", font.style.c_str(), font.fullName.c_str()));
  return 1;
}

void DisplaySection(Analysis& a, Item display) {
  Machine& m = a.machine;
  const Item fontList = a.Add(display, "Font List");
  for (const FontFamily& font : m.FontFamilies())
    if (!OnFontFamily(a, font, fontList)) break;

  for (size_t i = 0; i < kCapabilityGroupCount; ++i)
    CapabilityGroupLines(a, display, kCapabilityGroups[i]);

  const auto version = static_cast<uint32_t>(m.GetDeviceCaps(kDriverVersionIndex));
  a.Add(display, WsFormat("Driver Version: %d.%.2d", static_cast<int32_t>((version >> 8) & 0xFFu),
                          static_cast<int32_t>(version & 0xFFu)));
  for (size_t i = 0; i < kDeviceFigureCount; ++i) {
    const DeviceFigure& f = kDeviceFigures[i];
    int32_t v[3] = {0, 0, 0};
    for (size_t j = 0; j < f.count; ++j) v[j] = m.GetDeviceCaps(f.index[j]);
    a.Add(display, WsFormat(f.format, v[0], v[1], v[2]));
  }
  a.Add(display, WsFormat("Clip Rect: %s", m.GetDeviceCaps(kClipCapsIndex) ? "Yes" : "No"));
}

}  // namespace vornak
