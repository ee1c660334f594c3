// Guarded access to the PC-98 BIOS work area (selector 0x40) and to I/O
// ports, in pc98_io.S. Each returns 1 with the value, or 0 when the access
// faulted (access violation, privileged or, under emulation, illegal
// instruction) and was skipped.
#pragma once

#include <cstdint>

extern "C" {
int vornak_pc98_bios_word(uint32_t offset, uint16_t* value);
int vornak_pc98_bios_byte(uint32_t offset, uint8_t* value);
int vornak_pc98_in_word(uint32_t port, uint16_t* value);
int vornak_pc98_out_word(uint32_t port, uint32_t value);

// Faults caught so far, for the Wine test of the guard.
extern volatile uint32_t vornak_pc98_faults;
}
