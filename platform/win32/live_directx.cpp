// DirectX and joystick answers of the live machine. Each probe creates its
// component, asks it and releases everything it obtained before returning,
// so no COM object outlives one question.
#include <cstring>
#include <string>

#include <ddraw.h>
#include <d3drm.h>
#include <dplay.h>
#include <dsound.h>
#include <mmsystem.h>

#include "platform/win32/callback_guard.h"
#include "platform/win32/live_machine.h"

namespace vornak {

namespace {

constexpr uint32_t kFail = 0x80004005;  // E_FAIL

// The record sizes of the DirectX 5 era, which every later runtime accepts.
static_assert(sizeof(DDCAPS_DX5) == 364, "DDCAPS as DirectX 5 lays it out");
static_assert(sizeof(DSCAPS) == 96, "DSCAPS");
static_assert(sizeof(DPCAPS) == 40, "DPCAPS");
static_assert(sizeof(JOYCAPSA) == 404, "JOYCAPSA");

// Our own copy, so the program needs no GUID library.
const GUID kIidDirectDraw2 = {0xB3A6F3E0, 0x2B43, 0x11CF,
                              {0xA2, 0xDE, 0x00, 0xAA, 0x00, 0xB9, 0x33, 0x56}};

// A creation that claims success without handing out an object counts as
// a failure: there is nothing to ask. Call it after the creation returned.
uint32_t Created(HRESULT hr, const void* object) {
  if (hr == 0 && !object) return kFail;
  return static_cast<uint32_t>(hr);
}

DdCaps FromDdCaps(const DDCAPS_DX5& c) {
  DdCaps d;
  d.caps = c.dwCaps;
  d.caps2 = c.dwCaps2;
  d.vidMemTotal = c.dwVidMemTotal;
  d.vidMemFree = c.dwVidMemFree;
  d.zBufferBitDepths = c.dwZBufferBitDepths;
  d.alphaBltConstBitDepths = c.dwAlphaBltConstBitDepths;
  d.alphaBltPixelBitDepths = c.dwAlphaBltPixelBitDepths;
  d.alphaBltSurfaceBitDepths = c.dwAlphaBltSurfaceBitDepths;
  d.alphaOverlayConstBitDepths = c.dwAlphaOverlayConstBitDepths;
  d.alphaOverlayPixelBitDepths = c.dwAlphaOverlayPixelBitDepths;
  d.alphaOverlaySurfaceBitDepths = c.dwAlphaOverlaySurfaceBitDepths;
  return d;
}

DDCAPS_DX5 EmptyDdCaps() {
  DDCAPS_DX5 c;
  std::memset(&c, 0, sizeof c);
  c.dwSize = sizeof c;
  return c;
}

// A fixed-size text field of a record, which need not be terminated.
template <size_t N>
std::string FieldText(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}

struct ProviderList {
  std::vector<DirectPlayProvider>& providers;
  CallbackGuard guard;
};

BOOL CALLBACK OnDirectPlayProvider(LPGUID guid, LPSTR name, DWORD major, DWORD minor,
                                   LPVOID context) {
  auto* list = static_cast<ProviderList*>(context);
  return list->guard.Run([&] {
    DirectPlayProvider p;
    p.guid = guid ? std::string(reinterpret_cast<const char*>(guid), sizeof(GUID))
                  : std::string(sizeof(GUID), '\0');
    p.name = name ? name : "";
    p.major = major;
    p.minor = minor;
    list->providers.push_back(p);
  });
}

}  // namespace

Direct3DAnswer LiveMachine::ProbeDirect3D() {
  Direct3DAnswer a;
  IDirect3DRM* rm = nullptr;
  const HRESULT hr = Direct3DRMCreate(&rm);
  a.create = Created(hr, rm);
  if (a.create == 0) {
    IDirect3DRMDeviceArray* devices = nullptr;
    a.getDevices = static_cast<uint32_t>(rm->GetDevices(&devices));
    if (devices) devices->Release();
  }
  if (rm) rm->Release();
  return a;
}

DirectDrawAnswer LiveMachine::ProbeDirectDraw(bool directDraw2) {
  DirectDrawAnswer a;
  IDirectDraw* dd = nullptr;
  IDirectDraw2* dd2 = nullptr;
  const HRESULT hr = DirectDrawCreate(nullptr, &dd, nullptr);
  a.create = Created(hr, dd);
  if (a.create == 0 && directDraw2) {
    const HRESULT qi = dd->QueryInterface(kIidDirectDraw2, reinterpret_cast<void**>(&dd2));
    a.queryInterface = Created(qi, dd2);
  }
  if (a.create == 0 && a.queryInterface == 0) {
    a.cooperativeLevel = static_cast<uint32_t>(
        directDraw2 ? dd2->SetCooperativeLevel(TreeWindow(), DDSCL_NORMAL)
                    : dd->SetCooperativeLevel(TreeWindow(), DDSCL_NORMAL));
    if (a.cooperativeLevel == 0) {
      DDCAPS_DX5 driver = EmptyDdCaps(), emulation = EmptyDdCaps();
      auto* d = reinterpret_cast<LPDDCAPS>(&driver);
      auto* e = reinterpret_cast<LPDDCAPS>(&emulation);
      a.getCaps = static_cast<uint32_t>(directDraw2 ? dd2->GetCaps(d, e) : dd->GetCaps(d, e));
      if (a.getCaps == 0) {
        a.driver = FromDdCaps(driver);
        a.emulation = FromDdCaps(emulation);
      }
    }
  }
  if (dd2) dd2->Release();
  if (dd) dd->Release();
  return a;
}

DirectSoundAnswer LiveMachine::ProbeDirectSound() {
  DirectSoundAnswer a;
  IDirectSound* ds = nullptr;
  const HRESULT hr = DirectSoundCreate(nullptr, &ds, nullptr);
  a.create = Created(hr, ds);
  if (a.create == 0) {
    DSCAPS c;
    std::memset(&c, 0, sizeof c);
    c.dwSize = sizeof c;
    a.getCaps = static_cast<uint32_t>(ds->GetCaps(&c));
    if (a.getCaps == 0) {
      DsCaps& d = a.caps;
      d.flags = c.dwFlags;
      d.minSecondarySampleRate = c.dwMinSecondarySampleRate;
      d.maxSecondarySampleRate = c.dwMaxSecondarySampleRate;
      d.primaryBuffers = c.dwPrimaryBuffers;
      d.maxHwMixingAllBuffers = c.dwMaxHwMixingAllBuffers;
      d.maxHwMixingStaticBuffers = c.dwMaxHwMixingStaticBuffers;
      d.maxHwMixingStreamingBuffers = c.dwMaxHwMixingStreamingBuffers;
      d.freeHwMixingAllBuffers = c.dwFreeHwMixingAllBuffers;
      d.freeHwMixingStaticBuffers = c.dwFreeHwMixingStaticBuffers;
      d.freeHwMixingStreamingBuffers = c.dwFreeHwMixingStreamingBuffers;
      d.maxHw3DAllBuffers = c.dwMaxHw3DAllBuffers;
      d.maxHw3DStaticBuffers = c.dwMaxHw3DStaticBuffers;
      d.maxHw3DStreamingBuffers = c.dwMaxHw3DStreamingBuffers;
      d.freeHw3DAllBuffers = c.dwFreeHw3DAllBuffers;
      d.freeHw3DStaticBuffers = c.dwFreeHw3DStaticBuffers;
      d.freeHw3DStreamingBuffers = c.dwFreeHw3DStreamingBuffers;
      d.totalHwMemBytes = c.dwTotalHwMemBytes;
      d.freeHwMemBytes = c.dwFreeHwMemBytes;
      d.maxContigFreeHwMemBytes = c.dwMaxContigFreeHwMemBytes;
      d.unlockTransferRateHwBuffers = c.dwUnlockTransferRateHwBuffers;
      d.playCpuOverheadSwBuffers = c.dwPlayCpuOverheadSwBuffers;
    }
  }
  if (ds) ds->Release();
  return a;
}

DirectPlayAnswer LiveMachine::ProbeDirectPlay() {
  DirectPlayAnswer a;
  ProviderList list{a.providers, {}};
  DirectPlayEnumerateA(OnDirectPlayProvider, &list);
  list.guard.Rethrow();
  // The report asks only the first provider, and none when there is none.
  if (a.providers.empty()) return a;
  GUID guid;
  std::memcpy(&guid, a.providers.front().guid.data(), sizeof guid);
  a.attempted = true;
  IDirectPlay* dp = nullptr;
  const HRESULT hr = DirectPlayCreate(&guid, &dp, nullptr);
  a.create = Created(hr, dp);
  if (a.create == 0) {
    DPCAPS c;
    std::memset(&c, 0, sizeof c);
    c.dwSize = sizeof c;
    a.getCaps = static_cast<uint32_t>(dp->GetCaps(&c));
    if (a.getCaps == 0)
      a.caps = DpCaps{c.dwSize, c.dwFlags, c.dwMaxBufferSize, c.dwMaxQueueSize,
                      c.dwMaxPlayers, c.dwHundredBaud, c.dwLatency};
  }
  if (dp) dp->Release();
  return a;
}

uint32_t LiveMachine::JoyGetNumDevs() { return ::joyGetNumDevs(); }

JoyCaps LiveMachine::JoyGetDevCaps(uint32_t device) {
  JOYCAPSA c;
  std::memset(&c, 0, sizeof c);
  JoyCaps j;
  j.result = ::joyGetDevCapsA(device, &c, sizeof c);
  if (j.result != JOYERR_NOERROR) return j;  // the record was not filled
  j.productName = FieldText(c.szPname);
  j.regKey = FieldText(c.szRegKey);
  j.oemVxD = FieldText(c.szOEMVxD);
  j.mid = c.wMid;
  j.pid = c.wPid;
  j.numButtons = c.wNumButtons;
  j.caps = c.wCaps;
  return j;
}

}  // namespace vornak
