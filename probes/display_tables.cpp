#include "probes/display_tables.h"

namespace vornak {

namespace {

constexpr CapabilityWords Y = kYesNo;
constexpr CapabilityWords S = kSupportNotSupport;

// clang-format off
const CapabilityLine kRaster[] = {  // RASTERCAPS
  {0x0001, "BitBlt Support: %s", Y, true},   // RC_BITBLT
  {0x8000, "Device Bitmap : %s", S, true},   // RC_DEVBITS
  {0x0080, "DIBit Function: %s", S, true},   // RC_DI_BITMAP
  {0x0200, "SetDIBitsToDev: %s", S, true},   // RC_DIBTODEV
  {0x0800, "StretchBlt    : %s", S, true},   // RC_STRETCHBLT
  {0x2000, "StretchDIBits : %s", S, true},   // RC_STRETCHDIB
  {0x0002, "Banding Need  : %s", Y, false},  // RC_BANDING
  {0x0400, "64KOver Font  : %s", S, false},  // RC_BIGFONT
  {0x0008, "64KOver BitMap: %s", Y, false},  // RC_BITMAP64
  {0x1000, "Flood Fill    : %s", Y, false},  // RC_FLOODFILL
  {0x0010, "2.0 Compatible: %s", S, false},  // RC_GDI20_OUTPUT
  {0x0020, "2.0 Status    : %s", Y, false},  // RC_GDI20_STATE
  {0x4000, "DX Support    : %s", Y, false},  // RC_OP_DX_OUTPUT
  {0x0100, "Pallette Base : %s", Y, false},  // RC_PALETTE
  {0x0040, "Local Save BMP: %s", Y, false},  // RC_SAVEBITMAP
  {0x0004, "Scaling       : %s", S, false},  // RC_SCALING
};

const CapabilityLine kCurve[] = {  // CURVECAPS
  {0x001, "CIRCLE : %s",     Y, false},  // CC_CIRCLES
  {0x002, "PIE    : %s",     Y, false},  // CC_PIE
  {0x004, "CHORD  : %s",     Y, false},  // CC_CHORD
  {0x008, "ELLIPSE: %s",     Y, false},  // CC_ELLIPSES
  {0x010, "Wide  Line: %s",  Y, false},  // CC_WIDE
  {0x020, "Style Line: %s",  Y, false},  // CC_STYLED
  {0x040, "Style,Wide: %s",  Y, false},  // CC_WIDESTYLED
  {0x080, "Interiors : %s",  Y, false},  // CC_INTERIORS
  {0x100, "Round Rect: %s",  Y, false},  // CC_ROUNDRECT
};

const CapabilityLine kLine[] = {  // LINECAPS
  {0x02, "Poly Line : %s", Y, false},  // LC_POLYLINE
  {0x04, "Marker    : %s", Y, false},  // LC_MARKER
  {0x08, "Polymarker: %s", Y, false},  // LC_POLYMARKER
  {0x10, "Wide  Line: %s", Y, false},  // LC_WIDE
  {0x20, "Style Line: %s", Y, false},  // LC_STYLED
  {0x40, "Wide,Style: %s", Y, false},  // LC_WIDESTYLED
  {0x80, "Interiors : %s", Y, false},  // LC_INTERIORS
};

const CapabilityLine kPolygon[] = {  // POLYGONALCAPS
  {0x01, "Polygon   : %s", Y, false},  // PC_POLYGON
  {0x02, "Rectangle : %s", Y, false},  // PC_RECTANGLE
  {0x04, "Wndow Poly: %s", Y, false},  // PC_WINDPOLYGON
  {0x08, "Scan Line : %s", Y, false},  // PC_SCANLINE
  {0x10, "Wide Line : %s", Y, false},  // PC_WIDE
  {0x20, "Style Line: %s", Y, false},  // PC_STYLED
  {0x40, "Wide,Style: %s", Y, false},  // PC_WIDESTYLED
  {0x80, "Interiors : %s", Y, false},  // PC_INTERIORS
};

const CapabilityLine kText[] = {  // TEXTCAPS
  {0x0001, "Character Set: %s", Y, false},  // TC_OP_CHARACTER
  {0x0002, "Stroke : %s",       Y, false},  // TC_OP_STROKE
  {0x0004, "Stroke Clip: %s",   Y, false},  // TC_CP_STROKE
  {0x0008, "Roll 90'   : %s",   Y, false},  // TC_CR_90
  {0x0010, "Roll Any   : %s",   Y, false},  // TC_CR_ANY
  {0x0020, "X-Y Scaling : %s",  Y, false},  // TC_SF_X_YINDEP
  {0x0040, "Double Scale: %s",  Y, false},  // TC_SA_DOUBLE
  {0x0080, "Int powered : %s",  Y, false},  // TC_SA_INTEGER
  {0x0100, "Int Scaling : %s",  Y, false},  // TC_SA_CONTIN
  {0x0200, "Bold Font   : %s",  Y, false},  // TC_EA_DOUBLE
  {0x0400, "Italic Font : %s",  Y, false},  // TC_IA_ABLE
  {0x0800, "UnderLine   : %s",  Y, false},  // TC_UA_ABLE
  {0x1000, "Strikeout   : %s",  Y, false},  // TC_SO_ABLE
  {0x2000, "Raster font : %s",  Y, false},  // TC_RA_ABLE
  {0x4000, "Vector font : %s",  Y, false},  // TC_VA_ABLE
};
// clang-format on

template <size_t N>
constexpr size_t Count(const CapabilityLine (&)[N]) {
  return N;
}

}  // namespace

// clang-format off
const CapabilityGroup kCapabilityGroups[] = {
  {"RASTER",             38, nullptr,                 "--- Function Supports ---", kRaster,  Count(kRaster)},
  {"Curve Supports",     28, "Curve Support : %s",   nullptr, kCurve,   Count(kCurve)},
  {"Line Supports",      30, "Line Support : %s",    nullptr, kLine,    Count(kLine)},
  {"Polygon Supports",   32, "Polygon Support : %s", nullptr, kPolygon, Count(kPolygon)},
  {"Character Supports", 34, nullptr,                 nullptr, kText,    Count(kText)},
};
// clang-format on
const size_t kCapabilityGroupCount = sizeof kCapabilityGroups / sizeof kCapabilityGroups[0];

// Between the driver version and the clipping line.
// clang-format off
const DeviceFigure kDeviceFigures[] = {
  {"Screen Size: %d * %d mm",                  2, {4, 6}},       // HORZSIZE, VERTSIZE
  {"Screen Size: %d * %d pixel",               2, {8, 10}},      // HORZRES, VERTRES
  {"Logical Screen Size: %d : %d pixel/inch",  2, {88, 90}},     // LOGPIXELSX, LOGPIXELSY
  {"Bits per Pixel : %2d",                     1, {12}},         // BITSPIXEL
  {"Color Planes   : %2d",                     1, {14}},         // PLANES
  {"Num of Colors  : %2d",                     1, {24}},         // NUMCOLORS
  {"Num of Brushes : %2d",                     1, {16}},         // NUMBRUSHES
  {"Num of Pens    : %2d",                     1, {18}},         // NUMPENS
  {"Num of Fonts   : %2d",                     1, {22}},         // NUMFONTS
  {"Aspect : X = %d, Y = %d, XY = %d",         3, {40, 42, 44}}, // ASPECTX, ASPECTY, ASPECTXY
};
// clang-format on
const size_t kDeviceFigureCount = sizeof kDeviceFigures / sizeof kDeviceFigures[0];

}  // namespace vornak
