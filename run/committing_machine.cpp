#include "run/committing_machine.h"

namespace vornak {

// The questions that can hang the machine. A commit costs nothing when no
// line was logged since the last one.

// EnumFontFamiliesA asks the display driver for its device fonts.
std::vector<FontFamily> CommittingMachine::FontFamilies() {
  tree_.CommitLog();
  return m_.FontFamilies();
}

uint32_t CommittingMachine::ReadCyrixReg(uint32_t index) {  // ports 22h and 23h
  tree_.CommitLog();
  return m_.ReadCyrixReg(index);
}

std::optional<uint16_t> CommittingMachine::BiosWord(uint32_t offset) {
  tree_.CommitLog();
  return m_.BiosWord(offset);
}

std::optional<uint8_t> CommittingMachine::BiosByte(uint32_t offset) {
  tree_.CommitLog();
  return m_.BiosByte(offset);
}

std::optional<uint16_t> CommittingMachine::ReadPortWord(uint32_t port) {
  tree_.CommitLog();
  return m_.ReadPortWord(port);
}

bool CommittingMachine::WritePortWord(uint32_t port, uint16_t value) {
  tree_.CommitLog();
  return m_.WritePortWord(port, value);
}

// The paint message waits on every program with a top-level window; one that
// has stopped answering, or fails while painting, is beyond this program's
// reach.
std::vector<PaintedWindow> CommittingMachine::BroadcastPaint() {
  tree_.CommitLog();
  return m_.BroadcastPaint();
}

// win.ini and system.ini: the Windows folder of a shared installation lies on
// a network server.
std::optional<std::string> CommittingMachine::ReadFileBytes(const std::string& path) {
  tree_.CommitLog();
  return m_.ReadFileBytes(path);
}

// The drive questions reach the drive (a floppy drive without a disk, a CD
// drive spinning up) or its network server. GetDriveTypeA too: on the NT
// family it opens the drive's root, which a network drive that went away
// answers only after a timeout.
bool CommittingMachine::VolumePresent(const std::string& root) {
  tree_.CommitLog();
  return m_.VolumePresent(root);
}

std::optional<VolumeInfo> CommittingMachine::VolumeInformation(const std::string& root) {
  tree_.CommitLog();
  return m_.VolumeInformation(root);
}

uint32_t CommittingMachine::DriveType(const std::string& root) {
  tree_.CommitLog();
  return m_.DriveType(root);
}

std::optional<DiskFreeSpace> CommittingMachine::DiskFree(const std::string& root) {
  tree_.CommitLog();
  return m_.DiskFree(root);
}

Direct3DAnswer CommittingMachine::ProbeDirect3D() {
  tree_.CommitLog();
  return m_.ProbeDirect3D();
}

DirectDrawAnswer CommittingMachine::ProbeDirectDraw(bool directDraw2) {
  tree_.CommitLog();
  return m_.ProbeDirectDraw(directDraw2);
}

DirectSoundAnswer CommittingMachine::ProbeDirectSound() {
  tree_.CommitLog();
  return m_.ProbeDirectSound();
}

DirectPlayAnswer CommittingMachine::ProbeDirectPlay() {
  tree_.CommitLog();
  return m_.ProbeDirectPlay();
}

uint32_t CommittingMachine::JoyGetNumDevs() {
  tree_.CommitLog();
  return m_.JoyGetNumDevs();
}

JoyCaps CommittingMachine::JoyGetDevCaps(uint32_t device) {
  tree_.CommitLog();
  return m_.JoyGetDevCaps(device);
}

}  // namespace vornak
