#include "platform/profile/profile_machine.h"

#include <cerrno>
#include <cstring>

namespace vornak {

using profile::Field;
using profile::Fields;
using profile::Num;
using profile::Str;

ProfileWriter::ProfileWriter(const std::string& path)
    : path_(path), file_(std::fopen(path.c_str(), "wb")) {
  if (!file_) failure_ = path_ + ": cannot create the profile: " + std::strerror(errno);
  Put(std::string(profile::kMagic) + " " + std::to_string(profile::kVersion) + "\n");
}

ProfileWriter::~ProfileWriter() { Close(); }

bool ProfileWriter::Close() {
  if (file_ && std::fclose(file_) != 0 && failure_.empty())
    failure_ = path_ + ": cannot close the profile: " + std::strerror(errno);
  file_ = nullptr;
  return failure_.empty();
}

void ProfileWriter::Put(const std::string& line) {
  if (!file_ || !failure_.empty()) return;
  errno = 0;
  if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() || std::fflush(file_) != 0)
    failure_ = path_ + ": cannot write the profile: " + std::strerror(errno ? errno : EIO);
}

void ProfileWriter::Comment(const std::string& text) { Put("# " + text + "\n"); }

void ProfileWriter::Write(const std::string& key, const Fields& args, const Fields& values) {
  Put(profile::FormatLine(key, args, values));
}

namespace {

// Field lists for the records: one number per field, in declaration order.
Fields Encode(const DdCaps& c) {
  return {Num(c.caps), Num(c.caps2), Num(c.vidMemTotal), Num(c.vidMemFree),
          Num(c.zBufferBitDepths), Num(c.alphaBltConstBitDepths), Num(c.alphaBltPixelBitDepths),
          Num(c.alphaBltSurfaceBitDepths), Num(c.alphaOverlayConstBitDepths),
          Num(c.alphaOverlayPixelBitDepths), Num(c.alphaOverlaySurfaceBitDepths)};
}
DdCaps DecodeDdCaps(const Fields& f, size_t i) {
  DdCaps c;
  uint32_t* out[] = {&c.caps, &c.caps2, &c.vidMemTotal, &c.vidMemFree, &c.zBufferBitDepths,
                     &c.alphaBltConstBitDepths, &c.alphaBltPixelBitDepths,
                     &c.alphaBltSurfaceBitDepths, &c.alphaOverlayConstBitDepths,
                     &c.alphaOverlayPixelBitDepths, &c.alphaOverlaySurfaceBitDepths};
  for (uint32_t* p : out) *p = f[i++].number;
  return c;
}

uint32_t* DsCapsFields(DsCaps& c, size_t index) {
  uint32_t* all[] = {&c.flags, &c.minSecondarySampleRate, &c.maxSecondarySampleRate,
                     &c.primaryBuffers, &c.maxHwMixingAllBuffers, &c.maxHwMixingStaticBuffers,
                     &c.maxHwMixingStreamingBuffers, &c.freeHwMixingAllBuffers,
                     &c.freeHwMixingStaticBuffers, &c.freeHwMixingStreamingBuffers,
                     &c.maxHw3DAllBuffers, &c.maxHw3DStaticBuffers, &c.maxHw3DStreamingBuffers,
                     &c.freeHw3DAllBuffers, &c.freeHw3DStaticBuffers, &c.freeHw3DStreamingBuffers,
                     &c.totalHwMemBytes, &c.freeHwMemBytes, &c.maxContigFreeHwMemBytes,
                     &c.unlockTransferRateHwBuffers, &c.playCpuOverheadSwBuffers};
  return all[index];
}
constexpr size_t kDsCapsFields = 21;

uint32_t* DpCapsFields(DpCaps& c, size_t index) {
  uint32_t* all[] = {&c.size, &c.flags, &c.maxBufferSize, &c.maxQueueSize,
                     &c.maxPlayers, &c.hundredBaud, &c.latency};
  return all[index];
}
constexpr size_t kDpCapsFields = 7;

Fields OptionalText(const std::optional<std::string>& s) {
  return {Num(s ? 1 : 0), Str(s.value_or(std::string()))};
}
std::optional<std::string> DecodeOptionalText(const Fields& f) {
  if (f[0].number == 0) return std::nullopt;
  return f[1].text;
}

}  // namespace

// --- Operating system --------------------------------------------------------

uint32_t ProfileMachine::GetVersion() {
  return Ask("version", {}, [&] { return Fields{Num(live_->GetVersion())}; },
             {Num(Machine::GetVersion())})[0].number;
}

uint32_t ProfileMachine::Nuvash32Version() {
  return Ask("nuvash32", {}, [&] { return Fields{Num(live_->Nuvash32Version())}; },
             {Num(Machine::Nuvash32Version())})[0].number;
}

SystemInfo ProfileMachine::GetSystemInfo() {
  SystemInfo d = Machine::GetSystemInfo();
  Fields f = Ask("sysinfo", {}, [&] {
    SystemInfo s = live_->GetSystemInfo();
    return Fields{Num(s.oemId), Num(s.numberOfProcessors), Num(s.processorType)};
  }, {Num(d.oemId), Num(d.numberOfProcessors), Num(d.processorType)});
  return SystemInfo{f[0].number, f[1].number, f[2].number};
}

MemoryStatus ProfileMachine::GetMemoryStatus() {
  Fields f = Ask("memory", {}, [&] {
    MemoryStatus m = live_->GetMemoryStatus();
    return Fields{Num(m.totalPhys), Num(m.availPhys), Num(m.totalPageFile),
                  Num(m.availPageFile), Num(m.totalVirtual), Num(m.availVirtual)};
  }, Fields(6, Num(0)));
  return MemoryStatus{f[0].number, f[1].number, f[2].number, f[3].number, f[4].number, f[5].number};
}

int32_t ProfileMachine::GetSystemMetric(int32_t index) {
  auto i = static_cast<uint32_t>(index);
  return static_cast<int32_t>(
      Ask("metric", {Num(i)}, [&] { return Fields{Num(static_cast<uint32_t>(live_->GetSystemMetric(index)))}; },
          {Num(static_cast<uint32_t>(Machine::GetSystemMetric(index)))})[0].number);
}

int32_t ProfileMachine::GetDeviceCaps(int32_t index) {
  auto i = static_cast<uint32_t>(index);
  return static_cast<int32_t>(
      Ask("devcaps", {Num(i)}, [&] { return Fields{Num(static_cast<uint32_t>(live_->GetDeviceCaps(index)))}; },
          {Num(static_cast<uint32_t>(Machine::GetDeviceCaps(index)))})[0].number);
}

std::vector<FontFamily> ProfileMachine::FontFamilies() {
  if (Recording()) {
    std::vector<FontFamily> v = live_->FontFamilies();
    writer_->Write("fonts", {}, {Num(static_cast<uint32_t>(v.size()))});
    for (const FontFamily& f : v) writer_->Write("font", {}, {Str(f.style), Str(f.fullName)});
    return v;
  }
  std::vector<FontFamily> v;
  const Fields* count = profile_.Take("fonts", {});
  for (uint32_t i = 0; count && i < (*count)[0].number; ++i) {
    const Fields* f = profile_.TakeListItem("font");
    if (!f) break;
    v.push_back(FontFamily{(*f)[0].text, (*f)[1].text});
  }
  return v;
}

// --- Processor probes ----------------------------------------------------------

uint32_t ProfileMachine::CheckCpuid() {
  return Ask("cpuidcheck", {}, [&] { return Fields{Num(live_->CheckCpuid())}; },
             {Num(Machine::CheckCpuid())})[0].number;
}

CpuidRegs ProfileMachine::Cpuid(uint32_t leaf) {
  Fields f = Ask("cpuid", {Num(leaf)}, [&] {
    CpuidRegs r = live_->Cpuid(leaf);
    return Fields{Num(r.eax), Num(r.ebx), Num(r.ecx), Num(r.edx)};
  }, Fields(4, Num(0)));
  return CpuidRegs{f[0].number, f[1].number, f[2].number, f[3].number};
}

std::string ProfileMachine::CpuidVendor() {
  return Ask("vendor", {}, [&] { return Fields{Str(live_->CpuidVendor())}; },
             {Str(Machine::CpuidVendor())})[0].text;
}

uint32_t ProfileMachine::CheckCyrix() {
  return Ask("cyrixcheck", {}, [&] { return Fields{Num(live_->CheckCyrix())}; },
             {Num(Machine::CheckCyrix())})[0].number;
}

uint32_t ProfileMachine::ReadCyrixReg(uint32_t index) {
  return Ask("cyrixreg", {Num(index)}, [&] { return Fields{Num(live_->ReadCyrixReg(index))}; },
             {Num(Machine::ReadCyrixReg(index))})[0].number;
}

uint32_t ProfileMachine::FDivDetect() {
  return Ask("fdiv", {}, [&] { return Fields{Num(live_->FDivDetect())}; },
             {Num(Machine::FDivDetect())})[0].number;
}

uint32_t ProfileMachine::RunKernel(Kernel kernel) {
  return Ask("kernel", {Str(KernelName(kernel))}, [&] { return Fields{Num(live_->RunKernel(kernel))}; },
             {Num(Machine::RunKernel(kernel))})[0].number;
}

// --- PC-98 BIOS work area and ports ----------------------------------------------

namespace {
template <class T>
Fields OptionalNumber(const std::optional<T>& v) {
  return {Num(v ? 1 : 0), Num(v ? static_cast<uint32_t>(*v) : 0)};
}
}  // namespace

std::optional<uint16_t> ProfileMachine::BiosWord(uint32_t offset) {
  Fields f = Ask("biosword", {Num(offset)}, [&] { return OptionalNumber(live_->BiosWord(offset)); },
                 {Num(0), Num(0)});
  if (!f[0].number) return std::nullopt;
  return static_cast<uint16_t>(f[1].number);
}

std::optional<uint8_t> ProfileMachine::BiosByte(uint32_t offset) {
  Fields f = Ask("biosbyte", {Num(offset)}, [&] { return OptionalNumber(live_->BiosByte(offset)); },
                 {Num(0), Num(0)});
  if (!f[0].number) return std::nullopt;
  return static_cast<uint8_t>(f[1].number);
}

std::optional<uint16_t> ProfileMachine::ReadPortWord(uint32_t port) {
  Fields f = Ask("portin", {Num(port)}, [&] { return OptionalNumber(live_->ReadPortWord(port)); },
                 {Num(0), Num(0)});
  if (!f[0].number) return std::nullopt;
  return static_cast<uint16_t>(f[1].number);
}

bool ProfileMachine::WritePortWord(uint32_t port, uint16_t value) {
  return Ask("portout", {Num(port), Num(value)},
             [&] { return Fields{Num(live_->WritePortWord(port, value) ? 1 : 0)}; },
             {Num(0)})[0].number != 0;
}

// --- Windows, initialisation files, drives -----------------------------------------

std::vector<PaintedWindow> ProfileMachine::BroadcastPaint() {
  if (Recording()) {
    std::vector<PaintedWindow> v = live_->BroadcastPaint();
    writer_->Write("windows", {}, {Num(static_cast<uint32_t>(v.size()))});
    for (const PaintedWindow& w : v) writer_->Write("window", {}, {Num(w.hwnd), Str(w.title), Num(w.parent)});
    return v;
  }
  std::vector<PaintedWindow> v;
  const Fields* count = profile_.Take("windows", {});
  for (uint32_t i = 0; count && i < (*count)[0].number; ++i) {
    const Fields* f = profile_.TakeListItem("window");
    if (!f) break;
    v.push_back(PaintedWindow{(*f)[0].number, (*f)[1].text, (*f)[2].number});
  }
  return v;
}

std::optional<std::string> ProfileMachine::WindowsDirectory() {
  return DecodeOptionalText(Ask("windir", {}, [&] { return OptionalText(live_->WindowsDirectory()); },
                                OptionalText(std::nullopt)));
}

std::optional<std::string> ProfileMachine::SystemDirectory() {
  return DecodeOptionalText(Ask("sysdir", {}, [&] { return OptionalText(live_->SystemDirectory()); },
                                OptionalText(std::nullopt)));
}

std::optional<std::string> ProfileMachine::TempPath() {
  return DecodeOptionalText(Ask("temppath", {}, [&] { return OptionalText(live_->TempPath()); },
                                OptionalText(std::nullopt)));
}

std::optional<std::string> ProfileMachine::ReadFileBytes(const std::string& path) {
  return DecodeOptionalText(Ask("file", {Str(path)}, [&] { return OptionalText(live_->ReadFileBytes(path)); },
                                OptionalText(std::nullopt)));
}

bool ProfileMachine::VolumePresent(const std::string& root) {
  return Ask("volume", {Str(root)}, [&] { return Fields{Num(live_->VolumePresent(root) ? 1 : 0)}; },
             {Num(0)})[0].number != 0;
}

std::optional<VolumeInfo> ProfileMachine::VolumeInformation(const std::string& root) {
  Fields f = Ask("volumeinfo", {Str(root)}, [&] {
    std::optional<VolumeInfo> v = live_->VolumeInformation(root);
    VolumeInfo i = v.value_or(VolumeInfo{});
    return Fields{Num(v ? 1 : 0), Str(i.volumeName), Str(i.fileSystemName),
                  Num(i.serialNumber), Num(i.maxComponentLength), Num(i.fileSystemFlags)};
  }, {Num(0), Str(""), Str(""), Num(0), Num(0), Num(0)});
  if (!f[0].number) return std::nullopt;
  return VolumeInfo{f[1].text, f[2].text, f[3].number, f[4].number, f[5].number};
}

uint32_t ProfileMachine::DriveType(const std::string& root) {
  return Ask("drivetype", {Str(root)}, [&] { return Fields{Num(live_->DriveType(root))}; },
             {Num(Machine::DriveType(root))})[0].number;
}

std::optional<DiskFreeSpace> ProfileMachine::DiskFree(const std::string& root) {
  Fields f = Ask("diskfree", {Str(root)}, [&] {
    std::optional<DiskFreeSpace> d = live_->DiskFree(root);
    DiskFreeSpace s = d.value_or(DiskFreeSpace{});
    return Fields{Num(d ? 1 : 0), Num(s.sectorsPerCluster), Num(s.bytesPerSector),
                  Num(s.freeClusters), Num(s.totalClusters)};
  }, Fields(5, Num(0)));
  if (!f[0].number) return std::nullopt;
  return DiskFreeSpace{f[1].number, f[2].number, f[3].number, f[4].number};
}

// --- DirectX and joysticks -------------------------------------------------------------

Direct3DAnswer ProfileMachine::ProbeDirect3D() {
  Direct3DAnswer d;
  Fields f = Ask("d3d", {}, [&] {
    Direct3DAnswer a = live_->ProbeDirect3D();
    return Fields{Num(a.create), Num(a.getDevices)};
  }, {Num(d.create), Num(d.getDevices)});
  return Direct3DAnswer{f[0].number, f[1].number};
}

DirectDrawAnswer ProfileMachine::ProbeDirectDraw(bool directDraw2) {
  auto encode = [](const DirectDrawAnswer& a) {
    Fields f{Num(a.create), Num(a.queryInterface), Num(a.cooperativeLevel), Num(a.getCaps)};
    for (const Field& x : Encode(a.driver)) f.push_back(x);
    for (const Field& x : Encode(a.emulation)) f.push_back(x);
    return f;
  };
  Fields f = Ask("ddraw", {Num(directDraw2 ? 2 : 1)},
                 [&] { return encode(live_->ProbeDirectDraw(directDraw2)); },
                 encode(Machine::ProbeDirectDraw(directDraw2)));
  DirectDrawAnswer a;
  a.create = f[0].number;
  a.queryInterface = f[1].number;
  a.cooperativeLevel = f[2].number;
  a.getCaps = f[3].number;
  a.driver = DecodeDdCaps(f, 4);
  a.emulation = DecodeDdCaps(f, 15);
  return a;
}

DirectSoundAnswer ProfileMachine::ProbeDirectSound() {
  auto encode = [](DirectSoundAnswer a) {
    Fields f{Num(a.create), Num(a.getCaps)};
    for (size_t i = 0; i < kDsCapsFields; ++i) f.push_back(Num(*DsCapsFields(a.caps, i)));
    return f;
  };
  Fields f = Ask("dsound", {}, [&] { return encode(live_->ProbeDirectSound()); },
                 encode(Machine::ProbeDirectSound()));
  DirectSoundAnswer a;
  a.create = f[0].number;
  a.getCaps = f[1].number;
  for (size_t i = 0; i < kDsCapsFields; ++i) *DsCapsFields(a.caps, i) = f[2 + i].number;
  return a;
}

DirectPlayAnswer ProfileMachine::ProbeDirectPlay() {
  auto summary = [](DirectPlayAnswer a) {
    Fields f{Num(static_cast<uint32_t>(a.providers.size())), Num(a.attempted ? 1 : 0),
             Num(a.create), Num(a.getCaps)};
    for (size_t i = 0; i < kDpCapsFields; ++i) f.push_back(Num(*DpCapsFields(a.caps, i)));
    return f;
  };
  if (Recording()) {
    DirectPlayAnswer a = live_->ProbeDirectPlay();
    for (const DirectPlayProvider& p : a.providers)
      writer_->Write("dplayprovider", {}, {Str(p.guid), Str(p.name), Num(p.major), Num(p.minor)});
    writer_->Write("dplay", {}, summary(a));
    return a;
  }
  // Providers come first in the file; the summary line says how many.
  std::vector<DirectPlayProvider> providers;
  const Fields* s = profile_.Take("dplay", {});
  Fields f = s ? *s : summary(Machine::ProbeDirectPlay());
  DirectPlayAnswer a;
  for (uint32_t i = 0; i < f[0].number; ++i) {
    const Fields* p = profile_.TakeListItem("dplayprovider");
    if (!p) break;
    a.providers.push_back(DirectPlayProvider{(*p)[0].text, (*p)[1].text, (*p)[2].number, (*p)[3].number});
  }
  a.attempted = f[1].number != 0;
  a.create = f[2].number;
  a.getCaps = f[3].number;
  for (size_t i = 0; i < kDpCapsFields; ++i) *DpCapsFields(a.caps, i) = f[4 + i].number;
  return a;
}

uint32_t ProfileMachine::JoyGetNumDevs() {
  return Ask("joynum", {}, [&] { return Fields{Num(live_->JoyGetNumDevs())}; },
             {Num(Machine::JoyGetNumDevs())})[0].number;
}

JoyCaps ProfileMachine::JoyGetDevCaps(uint32_t device) {
  auto encode = [](const JoyCaps& j) {
    return Fields{Num(j.result), Str(j.productName), Str(j.regKey), Str(j.oemVxD),
                  Num(j.mid),    Num(j.pid),         Num(j.numButtons), Num(j.caps)};
  };
  Fields f = Ask("joycaps", {Num(device)}, [&] { return encode(live_->JoyGetDevCaps(device)); },
                 encode(Machine::JoyGetDevCaps(device)));
  return JoyCaps{f[0].number, f[1].text, f[2].text, f[3].text,
                 f[4].number, f[5].number, f[6].number, f[7].number};
}

}  // namespace vornak
