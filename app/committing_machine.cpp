#include "app/committing_machine.h"

namespace vornak {

// The questions that can hang the machine. A commit costs nothing when no
// line was logged since the last one.

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
