// A Machine that records a live machine's answers into a profile, or replays
// a profile's answers. The sections never know which one they talk to.
#pragma once

#include <cstdio>
#include <string>

#include "platform/machine.h"
#include "platform/profile/profile_format.h"

namespace vornak {

class ProfileWriter {
 public:
  // Truncates the file and writes the first line; Ok() tells whether it opened.
  explicit ProfileWriter(const std::string& path);
  ~ProfileWriter();
  ProfileWriter(const ProfileWriter&) = delete;
  ProfileWriter& operator=(const ProfileWriter&) = delete;
  bool Ok() const { return file_ != nullptr; }
  void Comment(const std::string& text);
  // Each answer is flushed at once, so a run that dies keeps what it asked.
  void Write(const std::string& key, const profile::Fields& args, const profile::Fields& values);
  // Closes the file; false when it or any line before it failed.
  bool Close();
  // "FILE: reason" for the first write that failed (a full disk); "" if none.
  const std::string& Failure() const { return failure_; }

 private:
  void Put(const std::string& line);

  std::string path_;
  std::FILE* file_;
  std::string failure_;
};

class ProfileMachine : public Machine {
 public:
  ProfileMachine(Machine& live, ProfileWriter& writer) : live_(&live), writer_(&writer) {}
  explicit ProfileMachine(profile::Profile profile) : profile_(std::move(profile)) {}

  uint32_t GetVersion() override;
  uint32_t Nuvash32Version() override;
  SystemInfo GetSystemInfo() override;
  MemoryStatus GetMemoryStatus() override;
  int32_t GetSystemMetric(int32_t index) override;
  int32_t GetDeviceCaps(int32_t index) override;
  std::vector<FontFamily> FontFamilies() override;

  uint32_t CheckCpuid() override;
  CpuidRegs Cpuid(uint32_t leaf) override;
  std::string CpuidVendor() override;
  uint32_t CheckCyrix() override;
  uint32_t ReadCyrixReg(uint32_t index) override;
  uint32_t FDivDetect() override;

  uint32_t RunKernel(Kernel kernel) override;

  std::optional<uint16_t> BiosWord(uint32_t offset) override;
  std::optional<uint8_t> BiosByte(uint32_t offset) override;
  std::optional<uint16_t> ReadPortWord(uint32_t port) override;
  bool WritePortWord(uint32_t port, uint16_t value) override;

  std::vector<PaintedWindow> BroadcastPaint() override;
  std::optional<std::string> WindowsDirectory() override;
  std::optional<std::string> SystemDirectory() override;
  std::optional<std::string> TempPath() override;
  std::optional<std::string> ReadFileBytes(const std::string& path) override;
  bool VolumePresent(const std::string& root) override;
  std::optional<VolumeInfo> VolumeInformation(const std::string& root) override;
  uint32_t DriveType(const std::string& root) override;
  std::optional<DiskFreeSpace> DiskFree(const std::string& root) override;

  Direct3DAnswer ProbeDirect3D() override;
  DirectDrawAnswer ProbeDirectDraw(bool directDraw2) override;
  DirectSoundAnswer ProbeDirectSound() override;
  DirectPlayAnswer ProbeDirectPlay() override;
  uint32_t JoyGetNumDevs() override;
  JoyCaps JoyGetDevCaps(uint32_t device) override;

 private:
  bool Recording() const { return live_ != nullptr; }
  // Records the live answer, or replays the profile's (or the fallback).
  template <class Live>
  profile::Fields Ask(const char* key, const profile::Fields& args, Live live,
                      const profile::Fields& fallback) {
    if (Recording()) {
      profile::Fields v = live();
      writer_->Write(key, args, v);
      return v;
    }
    const profile::Fields* a = profile_.Take(key, args);
    return a ? *a : fallback;
  }

  Machine* live_ = nullptr;
  ProfileWriter* writer_ = nullptr;
  profile::Profile profile_;
};

}  // namespace vornak
