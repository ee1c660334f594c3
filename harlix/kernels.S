// Benchmark kernels of Harlix.dll.
//
// The stored reference times were measured with exactly these instruction
// sequences, counters and iteration counts; a different but equivalent loop
// would give times that no longer compare. tools/check-kernels verifies the
// built bytes, so change nothing here without changing the reference data.
// Loop heads are aligned so that where the DLL is laid out cannot move a loop
// across a fetch boundary and shift the timings; the padding runs once,
// before the loop.
//
// All exports are cdecl; EBX, ESI, EDI and EBP are preserved.

    .intel_syntax noprefix

.macro FUNC name
    .globl \name
    .def \name; .scl 2; .type 32; .endef
\name:
.endm

// Through the import slot, so kernel32 is bound by the loader.
#define TICKS call dword ptr [__imp__GetTickCount@0]

#define GMEM_FIXED 0

    .text

// uint32_t HLX_MemClr(void): 50,000 clears of a 1,024-byte stack buffer.
    .p2align 4
FUNC _HLX_MemClr
    push ebx
    push edi
    sub esp, 1024               // the buffer; under a page, so no stack probe
    TICKS
    mov ebx, eax                // t0
    mov edx, 50000
    .p2align 4
hlx_memclr_loop:
    mov edi, esp
    xor eax, eax
    mov ecx, 256                // 1,024 bytes in dwords
    rep stosd
    dec edx
    jnz hlx_memclr_loop
    TICKS
    sub eax, ebx                // no lower bound: 0 stays 0
    add esp, 1024
    pop edi
    pop ebx
    ret

// uint32_t hlx_time_block_copy(uint32_t size), behind every HLX_MemChk*.
// 150 copies of a fixed block onto itself with REP MOVSD; every size is a
// multiple of 4, so there is no byte tail. Returns d * 2000 / 3 in 32-bit
// arithmetic, d the elapsed ticks with 0 counted as 1, or 0xFFFFFFFF without
// reading the tick counter when no block can be had.
    .p2align 4
hlx_time_block_copy:
    push ebp
    push ebx
    push esi
    push edi
    push dword ptr [esp+20]     // size
    push GMEM_FIXED
    call dword ptr [__imp__GlobalAlloc@8]
    test eax, eax
    jz hlx_copy_no_block
    mov ebx, eax                // handle
    push eax
    call dword ptr [__imp__GlobalLock@4]
    test eax, eax
    jz hlx_copy_no_address
    mov ebp, eax                // block address
    TICKS
    push eax                    // t0
    mov edx, [esp+24]
    shr edx, 2                  // dwords per pass
    mov eax, 150
    .p2align 4
hlx_copy_loop:
    mov esi, ebp
    mov edi, ebp
    mov ecx, edx
    rep movsd
    dec eax
    jnz hlx_copy_loop
    TICKS
    pop ecx
    sub eax, ecx
    mov esi, eax                // d
    push ebx
    call dword ptr [__imp__GlobalUnlock@4]
    push ebx
    call dword ptr [__imp__GlobalFree@4]
    mov eax, esi
    test eax, eax
    jnz 1f
    inc eax                     // a run inside one tick counts as one tick
1:  imul eax, eax, 2000         // d / 150 ms in units of 10 ns
    xor edx, edx
    mov ecx, 3
    div ecx
    jmp hlx_copy_done
hlx_copy_no_address:
    push ebx                    // GlobalLock refused: give the handle back
    call dword ptr [__imp__GlobalFree@4]
hlx_copy_no_block:
    mov eax, 0xFFFFFFFF
hlx_copy_done:
    pop edi
    pop esi
    pop ebx
    pop ebp
    ret

.macro MEMCHK name, size
    .p2align 4
FUNC \name
    push \size
    call hlx_time_block_copy
    add esp, 4
    ret
.endm

    MEMCHK _HLX_MemChk16K,  16384
    MEMCHK _HLX_MemChk32K,  32768
    MEMCHK _HLX_MemChk64K,  65536
    MEMCHK _HLX_MemChk128K, 131072
    MEMCHK _HLX_MemChk256K, 262144
    MEMCHK _HLX_MemChk512K, 524288
    MEMCHK _HLX_MemChk1M,   1048576
    MEMCHK _HLX_MemChk2M,   2097152
    MEMCHK _HLX_MemChk4M,   4194304
    MEMCHK _HLX_MemChk8M,   8388608
    MEMCHK _HLX_MemChk12M,  12582912
    MEMCHK _HLX_MemChk16M,  16777216
    MEMCHK _HLX_MemChk24M,  25165824
    MEMCHK _HLX_MemChk32M,  33554432

// Speed loops: 50,000,000 rounds with the round counter in a stack variable,
// compared, loaded and stored through memory in every round. The INC EAX of
// the integer loop is overwritten at once; it is there for its cost.
.macro SPEED_LOOP name, body
    .p2align 4
FUNC \name
    push ebp
    mov ebp, esp
    sub esp, 4                  // n at [ebp-4]
    push ebx
    mov dword ptr [ebp-4], 50000000
    TICKS
    mov ebx, eax                // t0
    .p2align 4
1:  cmp dword ptr [ebp-4], 0
    je 2f
    \body
    mov eax, [ebp-4]
    sub eax, 1
    mov [ebp-4], eax
    jmp 1b
2:  TICKS
    sub eax, ebx
    jnz 3f
    inc eax                     // never 0: the caller divides by it
3:  pop ebx
    mov esp, ebp
    pop ebp
    ret
.endm

.macro BODY_SPEED_INT
    inc eax
.endm

.macro BODY_SPEED_FLOAT
    fstsw ax                    // waiting form: FWAIT, FNSTSW AX
    fwait
.endm

    SPEED_LOOP _HLX_SpeedInt,   BODY_SPEED_INT
    SPEED_LOOP _HLX_SpeedFloat, BODY_SPEED_FLOAT

// uint32_t HLX_Base(void): cost of one RDTSC right after the counter moved.
    .p2align 4
FUNC _HLX_Base
    push esi
    rdtsc
    mov esi, eax
1:  rdtsc
    cmp eax, esi
    je 1b
    mov esi, eax
    rdtsc
    sub eax, esi
    pop esi
    ret

// Time-stamp kernels: 5,000 rounds, the 16-bit round counter saved on the
// stack across each round; a round waits for the time-stamp counter to move,
// then runs its body 10,000 times counting down in ECX. The TSC only paces
// the rounds; the result is the tick difference, with no lower bound.
// The float bodies use the FPU registers as the caller left them.
.macro TSC_KERNEL name, body
    .p2align 4
FUNC \name
    push ebx
    push esi
    push edi
    TICKS
    mov edi, eax                // t0
    mov cx, 5000
    .p2align 4
1:  push cx
    rdtsc
    mov esi, eax                // low half only
2:  rdtsc
    cmp eax, esi
    je 2b
    mov ecx, 10000
3:  \body
    dec ecx
    jnz 3b
    rdtsc
    pop cx
    dec cx
    jnz 1b
    TICKS
    sub eax, edi
    pop edi
    pop esi
    pop ebx
    ret
.endm

.macro BODY_INT
    xor ax, bx
.endm

.macro BODY_FLOAT
    fstsw ax
    fwait
.endm

.macro BODY_FLOAT_NOWAIT
    fstsw ax
.endm

.macro BODY_FLOAT_MIX
    fadd st(0), st(1)
    fmul st(0), st(1)
    fstsw ax
    fwait
.endm

.macro BODY_FLOAT_MIX_NOWAIT
    fadd st(0), st(1)
    fmul st(0), st(1)
    fstsw ax
.endm

    TSC_KERNEL _HLX_Int,            BODY_INT
    TSC_KERNEL _HLX_Float,          BODY_FLOAT
    TSC_KERNEL _HLX_FloatNoWait,    BODY_FLOAT_NOWAIT
    TSC_KERNEL _HLX_FloatMix,       BODY_FLOAT_MIX
    TSC_KERNEL _HLX_FloatMixNoWait, BODY_FLOAT_MIX_NOWAIT

// uint32_t HLX_Convert2Point(uint32_t time), and its twin for the memory
// section: 50,000,000 / time, 0 for a time of 0.
    .p2align 4
FUNC _HLX_Convert2Point
FUNC _HLX_Convert2PointMem
    mov ecx, [esp+4]
    xor eax, eax
    test ecx, ecx
    jz 1f
    mov eax, 50000000
    xor edx, edx
    div ecx
1:  ret
