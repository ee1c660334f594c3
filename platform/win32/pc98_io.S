/* Guarded PC-98 low-memory and port access for 32-bit Windows.
 *
 * mingw has no __try, so each accessor registers a structured exception
 * frame on FS:[0] itself, the way Windows 95 dispatches faults as well as NT:
 *   [record+0] previous record, [record+4] handler, [record+8] resume address.
 * On an access violation (selector 0x40 not reachable) or a privileged
 * instruction (IN/OUT without I/O permission) the handler resumes at the
 * accessor's failure path with the stack pointer back on the record, and
 * the accessor returns 0. An emulated x86 (Wine on a non-x86 host) reports
 * the same refusals as illegal instructions; the guarded code is only the
 * access itself, so that code means the same thing here. Any other
 * exception is passed on. cdecl throughout.
 */

#define EXCEPTION_ACCESS_VIOLATION 0xC0000005
#define EXCEPTION_PRIV_INSTRUCTION 0xC0000096
#define EXCEPTION_ILLEGAL_INSTRUCTION 0xC000001D
#define EXCEPTION_UNWIND_FLAGS 6          /* unwinding, exit unwind */

/* i386 CONTEXT offsets */
#define CTX_SEGES 0x94
#define CTX_SEGDS 0x98
#define CTX_EIP 0xB8
#define CTX_ESP 0xC4

        .data
        .globl _vornak_pc98_faults
        .balign 4
_vornak_pc98_faults:
        .long 0

        .text

/* EXCEPTION_DISPOSITION handler(EXCEPTION_RECORD*, void* record, CONTEXT*, void*) */
        .balign 16
pc98_guard_handler:
        movl 4(%esp), %eax
        testl $EXCEPTION_UNWIND_FLAGS, 4(%eax)
        jnz 1f
        movl (%eax), %ecx
        cmpl $EXCEPTION_ACCESS_VIOLATION, %ecx
        je 2f
        cmpl $EXCEPTION_PRIV_INSTRUCTION, %ecx
        je 2f
        cmpl $EXCEPTION_ILLEGAL_INSTRUCTION, %ecx
        je 2f
1:      movl $1, %eax                   /* ExceptionContinueSearch */
        ret
2:      lock incl _vornak_pc98_faults
        movl 8(%esp), %edx
        movl 12(%esp), %eax
        movl 8(%edx), %ecx
        movl %ecx, CTX_EIP(%eax)
        movl %edx, CTX_ESP(%eax)
        movl CTX_SEGDS(%eax), %ecx      /* ES may hold selector 0x40 */
        movl %ecx, CTX_SEGES(%eax)
        xorl %eax, %eax                 /* ExceptionContinueExecution */
        ret

/* After GUARD_BEGIN the arguments are at 16(%esp) and 20(%esp). */
.macro GUARD_BEGIN name
        .globl _\name
        .balign 16
_\name:
        pushl $.Lfail_\name
        pushl $pc98_guard_handler
        pushl %fs:0
        movl %esp, %fs:0
.endm

.macro GUARD_END name
        movl $1, %eax
        jmp .Ldone_\name
.Lfail_\name:
        xorl %eax, %eax
.Ldone_\name:
        popl %ecx
        movl %ecx, %fs:0
        addl $8, %esp
        ret
.endm

/* int vornak_pc98_bios_word(uint32_t offset, uint16_t* value) */
GUARD_BEGIN vornak_pc98_bios_word
        movl 16(%esp), %ecx
        pushl %es
        movw $0x40, %ax
        movw %ax, %es
        movzwl %es:(%ecx), %eax
        popl %es
        movl 20(%esp), %edx
        movw %ax, (%edx)
GUARD_END vornak_pc98_bios_word

/* int vornak_pc98_bios_byte(uint32_t offset, uint8_t* value) */
GUARD_BEGIN vornak_pc98_bios_byte
        movl 16(%esp), %ecx
        pushl %es
        movw $0x40, %ax
        movw %ax, %es
        movzbl %es:(%ecx), %eax
        popl %es
        movl 20(%esp), %edx
        movb %al, (%edx)
GUARD_END vornak_pc98_bios_byte

/* int vornak_pc98_in_word(uint32_t port, uint16_t* value) */
GUARD_BEGIN vornak_pc98_in_word
        movl 16(%esp), %edx
        inw %dx, %ax
        movl 20(%esp), %edx
        movw %ax, (%edx)
GUARD_END vornak_pc98_in_word

/* int vornak_pc98_out_word(uint32_t port, uint32_t value) */
GUARD_BEGIN vornak_pc98_out_word
        movl 16(%esp), %edx
        movl 20(%esp), %eax
        outw %ax, %dx
GUARD_END vornak_pc98_out_word
