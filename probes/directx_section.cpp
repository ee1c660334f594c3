#include "probes/directx_section.h"

#include "probes/directx_tables.h"
#include "report/wsformat.h"

namespace vornak {

namespace {

constexpr uint32_t kDdErrInvalidObject = 0x88760082;
constexpr uint32_t kDdErrInvalidParams = 0x80070057;  // E_INVALIDARG
constexpr uint32_t kDsCapsCertified = 0x40;
constexpr uint32_t kDsCapsContinuousRate = 0x10;
constexpr uint32_t kDsCapsEmulDriver = 0x20;
constexpr uint32_t kJoyErrNoError = 0;

bool AllSet(uint32_t word, uint32_t mask) { return (word & mask) == mask; }

// Every row, its text followed by "YES" or "NO".
void AddYesNoLines(Analysis& a, Item parent, const FlagTable& t, uint32_t word) {
  for (size_t i = 0; i < t.count; ++i)
    a.Add(parent, std::string(t.rows[i].text) + (AllSet(word, t.rows[i].mask) ? "YES" : "NO"));
}

// Only the rows whose flag is set.
void AddSetFlagLines(Analysis& a, Item parent, const FlagTable& t, uint32_t word) {
  for (size_t i = 0; i < t.count; ++i)
    if (AllSet(word, t.rows[i].mask)) a.Add(parent, t.rows[i].text);
}

template <typename Record>
void AddFieldLines(Analysis& a, Item parent, const FieldTable<Record>& t, const Record& r,
                   uint32_t mask = 0xFFFFFFFF) {
  for (size_t i = 0; i < t.count; ++i) {
    const uint32_t v = (r.*(t.rows[i].field)) & mask;
    a.Add(parent, t.signedNumbers ? WsFormat(t.rows[i].format, static_cast<int32_t>(v))
                                  : WsFormat(t.rows[i].format, v));
  }
}

// DirectDraw and DirectDraw2 differ only in the interface they ask through.
void DirectDrawFamily(Analysis& a, Item directX, bool directDraw2) {
  const Item family = a.Add(directX, directDraw2 ? "DirectDraw2" : "DirectDraw");
  const DirectDrawAnswer d = a.machine.ProbeDirectDraw(directDraw2);
  if (d.create != 0) {
    a.Add(family, "Initialize Error:DirectDrawCreate");
    return;
  }
  if (directDraw2 && d.queryInterface != 0) {
    a.Add(family, "Initialize Error:QueryInterface:DirectDraw2");
    return;
  }
  if (d.cooperativeLevel != 0) {
    a.Add(family, "Initialize Error:SetCooperativeLevel");
    return;
  }
  if (d.getCaps != 0) {
    if (d.getCaps == kDdErrInvalidObject)
      a.Add(family, "ERRCODE:DDERR_INVALIDOBJECT");
    else if (d.getCaps == kDdErrInvalidParams)
      a.Add(family, "ERRCODE:DDERR_INVALIDPARAMS");
    else  // any other failure still says which one it was
      a.Add(family, WsFormat("ERRCODE:%08x", d.getCaps));
    return;
  }
  DirectDrawCapsLines(a, a.Add(family, "Device Driver"), d.driver);
  DirectDrawCapsLines(a, a.Add(family, "Hardware Emulation"), d.emulation);
}

void JoystickDevice(Analysis& a, Item input, uint32_t device) {
  const JoyCaps j = a.machine.JoyGetDevCaps(device);
  // Only a successful query fills the record; whatever else the driver
  // answers (no driver, bad parameters, unplugged) there is nothing to show.
  if (j.result != kJoyErrNoError) {
    a.Add(input, WsFormat("JoyStick%u not found", device + 1));
    return;
  }
  const Item stick = a.Add(input, WsFormat("JoyStick %u", device + 1));
  a.Add(stick, WsFormat("Product Name : %s", j.productName.c_str()));
  a.Add(stick, WsFormat("Registry Key : %s", j.regKey.c_str()));
  a.Add(stick, WsFormat("OEM driver ID : %s", j.oemVxD.c_str()));
  a.Add(stick, WsFormat("Manufacture ID : %d", static_cast<int32_t>(j.mid)));
  a.Add(stick, WsFormat("Product ID : %d", static_cast<int32_t>(j.pid)));
  a.Add(stick, WsFormat("#of Buttons : %d", static_cast<int32_t>(j.numButtons)));
  AddSetFlagLines(a, stick, kJoyCapsFlags, j.caps);
}

}  // namespace

void DirectXSection(Analysis& a, Item root) {
  const Item directX = a.Add(root, "DirectX");
  a.Status("System Analyzing [Direct Draw]");
  Direct3DSection(a, directX);
  a.Status("System Analyzing [Direct Draw]");
  DirectDrawSection(a, directX);
  a.Status("System Analyzing [Direct Draw2]");
  DirectDraw2Section(a, directX);
  a.Status("System Analyzing [Direct Sound]");
  DirectSoundSection(a, directX);
  a.Status("System Analyzing [Direct Play]");
  DirectPlaySection(a, directX);
  a.Status("System Analyzing [Direct Input]");
  JoystickSection(a, directX);
  a.tree.Expand(directX);
}

void Direct3DSection(Analysis& a, Item directX) {
  const Item d3d = a.Add(directX, "Direct3D");
  const Direct3DAnswer d = a.machine.ProbeDirect3D();
  if (d.create != 0)
    a.Add(d3d, "Initialize Error:Direct3DRMCreate");
  else if (d.getDevices != 0)
    a.Add(d3d, "Initialize Error:GetDevices");
}

void DirectDrawSection(Analysis& a, Item directX) { DirectDrawFamily(a, directX, false); }
void DirectDraw2Section(Analysis& a, Item directX) { DirectDrawFamily(a, directX, true); }

void DirectDrawCapsLines(Analysis& a, Item device, const DdCaps& c) {
  const Item caps = a.Add(device, WsFormat("Caps : %x", c.caps));
  AddYesNoLines(a, a.Add(caps, "General Support"), kDdGeneralFlags, c.caps);
  AddYesNoLines(a, a.Add(caps, "Hardware Blit function supports"), kDdBlitFlags, c.caps);
  AddYesNoLines(a, a.Add(caps, "Hardware Overlay"), kDdOverlayFlags, c.caps);
  AddYesNoLines(a, a.Add(device, WsFormat("Caps2 : %x", c.caps2)), kDdCaps2Flags, c.caps2);
  a.Add(device, WsFormat("Total Video Memory : %d MB", static_cast<int32_t>(c.vidMemTotal >> 20)));
  a.Add(device, WsFormat("Free Video Memory : %d MB", static_cast<int32_t>(c.vidMemFree >> 20)));
  a.Add(device, WsFormat("Z-Buffer Bit Depths : %d", static_cast<int32_t>(c.zBufferBitDepths)));
  AddFieldLines(a, a.Add(device, "Alpha"), kDdAlphaLines, c);
}

void DirectSoundSection(Analysis& a, Item directX) {
  const Item sound = a.Add(directX, "DirectSound");
  const DirectSoundAnswer d = a.machine.ProbeDirectSound();
  if (d.create != 0) {
    a.Add(sound, "Initialize Error:DirectSoundCreate");
    return;
  }
  if (d.getCaps != 0) {
    a.Add(sound, "Initialize Error:DirectSound(GetCaps)");
    return;
  }
  const DsCaps& c = d.caps;
  if (c.flags & kDsCapsCertified) a.Add(sound, "This driver has been tested and certified by Microsoft");
  if (c.flags & kDsCapsContinuousRate) {
    const Item all = a.Add(sound, "device supports all sample rates");
    a.Add(all, WsFormat("Min Sample Rate = %d ", static_cast<int32_t>(c.minSecondarySampleRate)));
    a.Add(all, WsFormat("Max Sample Rate = %d ", static_cast<int32_t>(c.maxSecondarySampleRate)));
  }
  if (c.flags & kDsCapsEmulDriver) a.Add(sound, "The device does not have a DirectSound driver installed");
  AddFieldLines(a, sound, kDsGeneralLines, c);
  AddFieldLines(a, a.Add(sound, "Hardware Mixing"), kDsMixingLines, c);
  AddFieldLines(a, a.Add(sound, "Hardware 3D Sound"), kDs3DLines, c);
}

void DirectPlaySection(Analysis& a, Item directX) {
  DirectPlayProbe probe(a.machine);
  const Item play = a.Add(directX, "DirectPlay");
  for (size_t i = 0; i < probe.Count(); ++i) {
    const ProviderEntry& p = probe.Slot(i);
    if (p.inUse)
      a.Add(play, WsFormat("%s version %d.%.2x", p.name.data(), static_cast<int32_t>(p.major),
                           p.minor));
  }
  const Item caps = a.Add(play, "Device CAPS(IPX)");
  // Without a provider there is nothing to create the object for.
  if (probe.Count() == 0 || probe.CreateAndGetCaps(probe.Slot(0).guid) != 0) {
    a.Add(caps, "Could't get CAPS(IPX)");
    return;
  }
  AddSetFlagLines(a, caps, kDpCapsFlags, probe.Caps().flags);
  AddFieldLines(a, caps, kDpCapsLines, probe.Caps(), 0xFFFF);
}

void JoystickSection(Analysis& a, Item directX) {
  const Item input = a.Add(directX, "DirectInput");
  a.Add(input, WsFormat("#of Joystics Devices : %d", static_cast<int32_t>(a.machine.JoyGetNumDevs())));
  JoystickDevice(a, input, 0);
  JoystickDevice(a, input, 1);
}

}  // namespace vornak
