// Processor probes of Harlix.dll: CPUID, the Cyrix tests and ports, FDIV.
// All exports are cdecl; EBX, ESI, EDI and EBP are preserved.

    .intel_syntax noprefix

.macro FUNC name
    .globl \name
    .def \name; .scl 2; .type 32; .endef
\name:
.endm

// Offsets into the structures the system's exception dispatcher hands a
// frame handler (the i386 EXCEPTION_RECORD and CONTEXT layouts).
#define ER_FLAGS    4
#define ER_ADDRESS  12
#define CTX_EIP     0xB8
#define CTX_ESP     0xC4
#define UNWINDING   6       // EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND

    .text

// uint32_t HLX_CheckCPUID(void)
// The ID flag (bit 21) can only be toggled where CPUID exists. The result is
// computed before the final POPFD so the caller gets every flag back as it was.
    .p2align 4
FUNC _HLX_CheckCPUID
    pushfd                      // restored on the way out
    pushfd
    pop eax
    mov ecx, eax                // first value
    xor eax, 0x200000
    push eax
    popfd
    pushfd
    pop eax                     // value read back
    xor eax, ecx
    shr eax, 21
    and eax, 1                  // 1 when the ID flag moved
    popfd
    ret

// void HLX_GetCPUID(uint32_t leaf, uint32_t* eax, uint32_t* ebx,
//                   uint32_t* ecx, uint32_t* edx)
// ECX is zeroed so that leaves with sub-leaves answer for sub-leaf 0 instead
// of whatever the caller happened to leave in ECX.
    .p2align 4
FUNC _HLX_GetCPUID
    push ebx
    push esi
    mov eax, [esp+12]           // leaf
    xor ecx, ecx
    cpuid
    mov esi, [esp+16]
    mov [esi], eax
    mov esi, [esp+20]
    mov [esi], ebx
    mov esi, [esp+28]
    mov [esi], edx
    mov esi, [esp+24]
    mov [esi], ecx
    pop esi
    pop ebx
    ret

// void HLX_GetCPUIDStr(char* vendor): the 12 vendor bytes, no terminator.
    .p2align 4
FUNC _HLX_GetCPUIDStr
    push ebx
    xor eax, eax
    xor ecx, ecx
    cpuid
    mov eax, [esp+8]
    mov [eax], ebx
    mov [eax+4], edx
    mov [eax+8], ecx
    pop ebx
    ret

// uint32_t HLX_CheckCyrix(void)
// Cyrix processors leave SF, ZF, AF, PF and CF alone on DIV; others change them.
    .p2align 4
FUNC _HLX_CheckCyrix
    xor eax, eax
    sahf                        // SF ZF AF PF CF all clear
    mov ax, 5
    mov cl, 2
    div cl                      // 5 / 2: AL = 2, AH = 1
    lahf
    cmp ah, 2                   // still all clear (bit 1 always reads 1)
    sete al
    movzx eax, al
    ret

// uint32_t HLX_ReadCyrixReg(uint32_t index)
// Windows 95 lets user code reach ports 0x22/0x23; Windows NT and Wine raise
// a privileged-instruction fault instead. A frame on the FS:[0] chain (the
// only handler mechanism Windows 95 has) turns that fault into the documented
// refusal value: 0xFF in the low byte, as an absent register reads.
    .p2align 4
FUNC _HLX_ReadCyrixReg
    push OFFSET hlx_port_guard
    push dword ptr fs:[0]
    mov dword ptr fs:[0], esp
    mov eax, [esp+12]           // index; its upper 24 bits stay in the result
hlx_read_ports:
    out 0x22, al
    in al, 0x23
hlx_read_ports_end:
hlx_read_done:
    pop dword ptr fs:[0]
    add esp, 4
    ret
hlx_read_refused:               // resumed here by the guard, ESP at the frame
    mov eax, [esp+12]
    mov al, 0xFF
    jmp hlx_read_done

// uint32_t HLX_WriteCyrixReg(uint32_t index, uint32_t value)
// 1 when written, 0 when the system refused the port access.
    .p2align 4
FUNC _HLX_WriteCyrixReg
    push OFFSET hlx_port_guard
    push dword ptr fs:[0]
    mov dword ptr fs:[0], esp
    mov eax, [esp+12]           // index
    mov edx, [esp+16]           // value
hlx_write_ports:
    out 0x22, al
    mov eax, edx
    out 0x23, al
hlx_write_ports_end:
    mov eax, 1
hlx_write_done:
    pop dword ptr fs:[0]
    add esp, 4
    ret
hlx_write_refused:
    xor eax, eax
    jmp hlx_write_done

// EXCEPTION_DISPOSITION hlx_port_guard(EXCEPTION_RECORD*, void* frame,
//                                      CONTEXT*, void* dispatcher)
// Claims only faults raised by the port instructions listed in
// hlx_port_sites, and resumes at the site's refusal path with ESP back at the
// registration frame. Anything else, and every unwind, is passed on.
    .p2align 4
hlx_port_guard:
    mov eax, [esp+4]
    test dword ptr [eax+ER_FLAGS], UNWINDING
    jnz 3f
    mov edx, [eax+ER_ADDRESS]
    mov ecx, OFFSET hlx_port_sites
1:  mov eax, [ecx]
    test eax, eax
    jz 3f
    cmp edx, eax
    jb 2f
    cmp edx, [ecx+4]
    jae 2f
    mov eax, [esp+12]           // CONTEXT
    mov edx, [ecx+8]
    mov [eax+CTX_EIP], edx
    mov edx, [esp+8]            // the frame sits where ESP was after setup
    mov [eax+CTX_ESP], edx
    xor eax, eax                // ExceptionContinueExecution
    ret
2:  add ecx, 12
    jmp 1b
3:  mov eax, 1                  // ExceptionContinueSearch
    ret

// uint32_t HLX_FDivDetect(void)
// A sound divider leaves x - (x / y) * y far below 1; the flawed Pentium
// divider leaves 256. C0 after FCOMP is set for r < 1.0.
    .p2align 4
FUNC _HLX_FDivDetect
    fld qword ptr [hlx_fdiv_x]
    fdiv qword ptr [hlx_fdiv_y]
    fmul qword ptr [hlx_fdiv_y]
    fsubr qword ptr [hlx_fdiv_x]
    fcomp qword ptr [hlx_fdiv_one]
    fstsw ax
    and eax, 0x100
    shr eax, 7                  // C0 set: 2, clear: 0
    dec eax                     // 1 sound, -1 flawed
    movzx eax, ax               // -1 comes back as 0x0000FFFF
    ret

    .section .rdata,"dr"
    .p2align 3
hlx_fdiv_x:     .double 4195835.0
hlx_fdiv_y:     .double 3145727.0
hlx_fdiv_one:   .double 1.0

// Port instructions the guard may recover from: first, end, resume address.
    .p2align 2
hlx_port_sites:
    .long hlx_read_ports, hlx_read_ports_end, hlx_read_refused
    .long hlx_write_ports, hlx_write_ports_end, hlx_write_refused
    .long 0
