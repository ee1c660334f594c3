#include "probes/directx_tables.h"

namespace vornak {

namespace {

template <size_t N>
constexpr FlagTable Table(const FlagText (&rows)[N]) {
  return {rows, N};
}
template <typename Record, size_t N>
constexpr FieldTable<Record> Table(const FieldLine<Record> (&rows)[N], bool signedNumbers) {
  return {rows, N, signedNumbers};
}

// clang-format off
const FlagText kGeneral[] = {
  {0x1,       "Hardware 3D Accela support : "},
  {0x2,       "source rectangles with the x-axis aligned to the dwAlignBoundaryDest boundaries of the surface : "},
  {0x8,       "source rectangles with the x-axis aligned to the dwAlignBoundarySrc boundaries  of the surface : "},
  {0x4,       "source rectangles whose x-axis sizes, in bytes, are dwAlignSizeDest multiples : "},
  {0x10,      "source rectangles whose x-axis sizes, in bytes, are dwAlignSizeSrc multiples : "},
  {0x20,      "create display memory surfaces that have a stride alignment equal to the dwAlignStrideAlign value : "},
  {0x800000,  "hardware supports an alpha channel during blit operations : "},
  {0x8000000, "hardware is bank-switched and is potentially very slow at random access to display memory : "},
  {0x400000,  "some form of color key in either overlay or blit operations : "},
  {0x1000000, "the color key is hardware assisted : "},
  {0x400,     "display hardware is shared with GDI : "},
  {0x2000000, "there is no hardware support : "},
  {0x8000,    "capable of creating and supporting DirectDrawPalette objects for more surfaces than only the primary surface : "},
  {0x10000,   "capable of updating a palette synchronized with the vertical refresh : "},
  {0x20000,   "capable of returning the current scanline : "},
  {0x40000,   "hardware has stereo vision capabilities : "},
  {0x80000,   "capable of generating a vertical-blank interrupt : "},
  {0x100000,  "Supports the use of z-buffers with blit operations : "},
  {0x200000,  "Supports the use of the UpdateOverlayZOrder method as a z-value for overlays to control their layering : "},
};

const FlagText kBlit[] = {
  {0x40,       "capable of blit operations : "},
  {0x4000000,  "capable of color filling with a blitter : "},
  {0x10000000, "capable of depth filling z-buffers with a blitter : "},
  {0x100,      "capable of color-space conversions during blit operations : "},
  {0x80,       "capable of asynchronous blit operations : "},
  {0x200,      "capable of stretching during blit operations : "},
  {0x80000000, "capable of blitting to or from system memory : "},
  {0x20000000, "capable of clipping with blitting : "},
  {0x40000000, "capable of clipping while stretch blitting : "},
};

const FlagText kOverlay[] = {
  {0x800,  "hardware supports overlays : "},
  {0x1000, "hardware supports overlays but cannot clip them : "},
  {0x2000, "capable of color-space conversions during overlay operations : "},
  {0x4000, "capable of stretching : "},
};

const FlagText kCaps2[] = {
  {0x1, "display hardware is certified : "},
  {0x2, "2D operations such as IDirectDrawSurface2::Blt & IDirectDrawSurface2::Lock cannot be performed on any surfaces that Direct3D is using between calls to the IDirect3DDevice::BeginScene & IDirect3DDevice::EndScene methods : "},
};

const FlagText kDp[] = {
  {0x4, "DirectPlay Guranteed"},
  {0x2, "DirectPlay supports NameServer"},
  {0x1, "DirectPlay supports NameService"},
};

const FlagText kJoy[] = {
  {0x10, "has point-of-view Infomation"},
  {0x02, "has rudder(fourth axis) Infomation"},
  {0x04, "has u-coordinate(fifth axis)Infomation"},
  {0x08, "has v-coordinate(sixth axis)Infomation"},
  {0x01, "has z-coordinate infomation"},
  {0x20, "The Joystick point-of-view supports discrete values"},
  {0x40, "The joystick point-of-view supports continuous degree bearings"},
};

const FieldLine<DdCaps> kAlpha[] = {
  {"Blt Const Bit Depths : %d",       &DdCaps::alphaBltConstBitDepths},
  {"Blt Pixel Bit Depths : %d",       &DdCaps::alphaBltPixelBitDepths},
  {"Blt Surface Bit Depths : %d",     &DdCaps::alphaBltSurfaceBitDepths},
  {"Overlay Const Bit Depths : %d",   &DdCaps::alphaOverlayConstBitDepths},
  {"Overlay Pixel Bit Depths : %d",   &DdCaps::alphaOverlayPixelBitDepths},
  {"Overlay Surface Bit Depths: %d",  &DdCaps::alphaOverlaySurfaceBitDepths},
};

const FieldLine<DsCaps> kDsGeneral[] = {
  {"Primary Buffers = %u",                      &DsCaps::primaryBuffers},
  {"Min Secoundary Sample Rate = %u",           &DsCaps::minSecondarySampleRate},
  {"Max Secoundary Sample Rate = %u",           &DsCaps::maxSecondarySampleRate},
  {"Total Hardware Memory = %u Bytes",          &DsCaps::totalHwMemBytes},
  {"Free Hardware Memory = %u Bytes",           &DsCaps::freeHwMemBytes},
  {"Max Config Free Hardware Memory = %u Bytes", &DsCaps::maxContigFreeHwMemBytes},
  {"Unlock Transfer Rate Hardware Buffers = %u", &DsCaps::unlockTransferRateHwBuffers},
  {"Play CPU Overhead Switch Buffers = %u",     &DsCaps::playCpuOverheadSwBuffers},
};

const FieldLine<DsCaps> kDsMixing[] = {
  {"Max All Buffers = %u",        &DsCaps::maxHwMixingAllBuffers},
  {"Max Static Buffers = %u",     &DsCaps::maxHwMixingStaticBuffers},
  {"Max Streaming Buffers = %u",  &DsCaps::maxHwMixingStreamingBuffers},
  {"Free All Buffers = %u",       &DsCaps::freeHwMixingAllBuffers},
  {"Free Static Buffers = %u",    &DsCaps::freeHwMixingStaticBuffers},
  {"Free Streaming Buffers = %u", &DsCaps::freeHwMixingStreamingBuffers},
};

const FieldLine<DsCaps> kDs3D[] = {
  {"Max All Buffers = %u",        &DsCaps::maxHw3DAllBuffers},
  {"Max Static Buffers = %u",     &DsCaps::maxHw3DStaticBuffers},
  {"Max Streaming Buffers = %u",  &DsCaps::maxHw3DStreamingBuffers},
  {"Free All Buffers = %u",       &DsCaps::freeHw3DAllBuffers},
  {"Free Static Buffers = %u",    &DsCaps::freeHw3DStaticBuffers},
  {"Free Streaming Buffers = %u", &DsCaps::freeHw3DStreamingBuffers},
};

const FieldLine<DpCaps> kDpLines[] = {
  {"DPCAPS Size = %d",        &DpCaps::size},
  {"Max Buffer Size = %d",    &DpCaps::maxBufferSize},
  {"Max Queue Size = %d",     &DpCaps::maxQueueSize},
  {"Max Players= %d",         &DpCaps::maxPlayers},
  {"Transfer Rate = %d00 bps", &DpCaps::hundredBaud},
  {"Latency = %d",            &DpCaps::latency},
};
// clang-format on

}  // namespace

const FlagTable kDdGeneralFlags = Table(kGeneral);
const FlagTable kDdBlitFlags = Table(kBlit);
const FlagTable kDdOverlayFlags = Table(kOverlay);
const FlagTable kDdCaps2Flags = Table(kCaps2);
const FlagTable kDpCapsFlags = Table(kDp);
const FlagTable kJoyCapsFlags = Table(kJoy);

const FieldTable<DdCaps> kDdAlphaLines = Table(kAlpha, true);
const FieldTable<DsCaps> kDsGeneralLines = Table(kDsGeneral, false);
const FieldTable<DsCaps> kDsMixingLines = Table(kDsMixing, false);
const FieldTable<DsCaps> kDs3DLines = Table(kDs3D, false);
const FieldTable<DpCaps> kDpCapsLines = Table(kDpLines, true);

}  // namespace vornak
