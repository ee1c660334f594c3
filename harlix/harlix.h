// Harlix.dll: raw processor probes and the benchmark kernels.
//
// Every export is cdecl (the caller removes the arguments); results are plain
// 32-bit values in EAX. Pointers always refer to caller-owned storage, and
// nothing is allocated on one side and freed on the other. The code is fixed
// x86 assembly (harlix/probes.S, harlix/kernels.S): the benchmark times are
// compared with times measured on other machines, so the instruction
// sequences and iteration counts are part of the interface, and
// tools/check-kernels rejects a build that changes them.
#ifndef HARLIX_HARLIX_H
#define HARLIX_HARLIX_H

#include <stdint.h>

#if defined(_WIN32)
#define HLX_CALL __cdecl
#else
#define HLX_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

// ---------------------------------------------------------------------------
// Processor probes
// ---------------------------------------------------------------------------

// 1 when the CPUID instruction exists (EFLAGS bit 21 can be toggled), else 0.
// Every bit of EFLAGS, arithmetic flags included, is as it was before the call.
// Call it first: HLX_GetCPUID and HLX_GetCPUIDStr fault without CPUID.
uint32_t HLX_CALL HLX_CheckCPUID(void);

// Executes CPUID with EAX = leaf and ECX = 0 and stores the four registers
// through the pointers, which need no alignment. The leaf is passed on as it
// is; a leaf above the processor's maximum gives whatever the processor gives.
void HLX_CALL HLX_GetCPUID(uint32_t leaf, uint32_t* eax, uint32_t* ebx,
                           uint32_t* ecx, uint32_t* edx);

// Stores the 12-byte vendor string of CPUID leaf 0 (EBX, EDX, ECX) in
// vendor[0..11]. Writes exactly 12 bytes and no terminator: pass a buffer of
// 13 bytes with a zero 13th byte to get a C string.
void HLX_CALL HLX_GetCPUIDStr(char* vendor);

// 1 when the flags survive an unsigned 5 / 2 division (a Cyrix processor),
// else 0.
uint32_t HLX_CALL HLX_CheckCyrix(void);

// Reads Cyrix configuration register (index & 0xFF) through ports 0x22/0x23.
// Result: the register in the low byte, the upper 24 bits of index above it
// (zero for every index below 256).
// Where the system refuses user-mode port access (Windows NT, Wine) the access
// is caught and the low byte is 0xFF, the value an absent register reads as:
// HLX_REFUSED_CYRIX_READ(index).
uint32_t HLX_CALL HLX_ReadCyrixReg(uint32_t index);
#define HLX_REFUSED_CYRIX_READ(index) (((uint32_t)(index) & 0xFFFFFF00u) | 0xFFu)

// Writes (value & 0xFF) to Cyrix configuration register (index & 0xFF).
// Ports 0x22/0x23 are an index/data pair: use these two from one thread.
// Result: 1 when the ports were written, 0 when the system refused the
// access (nothing was written, nothing faulted).
uint32_t HLX_CALL HLX_WriteCyrixReg(uint32_t index, uint32_t value);

// Pentium FDIV check on 4195835 / 3145727: 1 when the divider is sound,
// 0x0000FFFF (-1 in the low 16 bits) when it is flawed.
uint32_t HLX_CALL HLX_FDivDetect(void);
#define HLX_FDIV_SOUND 1u
#define HLX_FDIV_FLAWED 0xFFFFu

// ---------------------------------------------------------------------------
// Benchmark kernels. Times in ms are GetTickCount differences, so they step
// with the system tick (often 10-16 ms on the Windows 95 family).
// ---------------------------------------------------------------------------

// Milliseconds taken by 50,000 clears of a 1,024-byte stack buffer; may be 0.
uint32_t HLX_CALL HLX_MemClr(void);

// 150 in-place copies of a fixed global-heap block of the named size.
// Result: d * 2000 / 3 with d the elapsed milliseconds (0 counted as 1), the
// mean time of one pass in units of 10 ns; so at least 666. 0xFFFFFFFF
// (HLX_NO_BLOCK) when the block cannot be had; then nothing is timed.
uint32_t HLX_CALL HLX_MemChk16K(void);   // 16,384 bytes
uint32_t HLX_CALL HLX_MemChk32K(void);   // 32,768
uint32_t HLX_CALL HLX_MemChk64K(void);   // 65,536
uint32_t HLX_CALL HLX_MemChk128K(void);  // 131,072
uint32_t HLX_CALL HLX_MemChk256K(void);  // 262,144
uint32_t HLX_CALL HLX_MemChk512K(void);  // 524,288
uint32_t HLX_CALL HLX_MemChk1M(void);    // 1,048,576
uint32_t HLX_CALL HLX_MemChk2M(void);    // 2,097,152
uint32_t HLX_CALL HLX_MemChk4M(void);    // 4,194,304
uint32_t HLX_CALL HLX_MemChk8M(void);    // 8,388,608
uint32_t HLX_CALL HLX_MemChk12M(void);   // 12,582,912
uint32_t HLX_CALL HLX_MemChk16M(void);   // 16,777,216
uint32_t HLX_CALL HLX_MemChk24M(void);   // 25,165,824
uint32_t HLX_CALL HLX_MemChk32M(void);   // 33,554,432
#define HLX_NO_BLOCK 0xFFFFFFFFu

// Milliseconds taken by 50,000,000 rounds of the integer speed loop (a round
// counter kept in memory); at least 1.
uint32_t HLX_CALL HLX_SpeedInt(void);

// The same loop with FSTSW AX + FWAIT in each round; at least 1.
uint32_t HLX_CALL HLX_SpeedFloat(void);

// The cost of one RDTSC in time-stamp ticks: the difference of two
// consecutive reads taken right after the counter changed. Needs the
// time-stamp counter (CPUID leaf 1, EDX bit 4), as do the five below.
uint32_t HLX_CALL HLX_Base(void);

// Time-stamp kernels: milliseconds taken by 5,000 rounds, each started on a
// change of the time-stamp counter and running its body 10,000 times; may
// be 0. The float bodies work on the FPU registers as the caller left them
// and load, push and pop nothing: the top-of-stack is unchanged, but called
// on an empty FPU stack HLX_FloatMix and HLX_FloatMixNoWait leave a NaN in
// ST(0), tagged valid, and a sticky invalid-operation flag.
uint32_t HLX_CALL HLX_Int(void);             // XOR AX, BX
uint32_t HLX_CALL HLX_Float(void);           // FSTSW AX, FWAIT
uint32_t HLX_CALL HLX_FloatNoWait(void);     // FSTSW AX
uint32_t HLX_CALL HLX_FloatMix(void);        // FADD, FMUL, FSTSW AX, FWAIT
uint32_t HLX_CALL HLX_FloatMixNoWait(void);  // FADD, FMUL, FSTSW AX

// Points for a time: 50,000,000 / time, truncated; 0 for a time of 0.
// The two are the same formula; the memory section uses the second.
uint32_t HLX_CALL HLX_Convert2Point(uint32_t time);
uint32_t HLX_CALL HLX_Convert2PointMem(uint32_t time);

#ifdef __cplusplus
}
#endif

#endif  // HARLIX_HARLIX_H
