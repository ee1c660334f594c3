// The PC-98 BIOS work area and I/O ports of the live machine. Only the
// Windows 95 family lets user code reach them; NT is not even asked, and a
// refusal on the 95 family (a fault) is reported as "not available".
#include "platform/win32/live_machine.h"
#include "platform/win32/pc98_io.h"

namespace vornak {

namespace {
bool Windows95Family() { return (::GetVersion() & 0x80000000u) != 0; }
}  // namespace

std::optional<uint16_t> LiveMachine::BiosWord(uint32_t offset) {
  uint16_t v = 0;
  if (!Windows95Family() || !vornak_pc98_bios_word(offset, &v)) return std::nullopt;
  return v;
}

std::optional<uint8_t> LiveMachine::BiosByte(uint32_t offset) {
  uint8_t v = 0;
  if (!Windows95Family() || !vornak_pc98_bios_byte(offset, &v)) return std::nullopt;
  return v;
}

std::optional<uint16_t> LiveMachine::ReadPortWord(uint32_t port) {
  uint16_t v = 0;
  if (!Windows95Family() || !vornak_pc98_in_word(port, &v)) return std::nullopt;
  return v;
}

bool LiveMachine::WritePortWord(uint32_t port, uint16_t value) {
  return Windows95Family() && vornak_pc98_out_word(port, value);
}

}  // namespace vornak
