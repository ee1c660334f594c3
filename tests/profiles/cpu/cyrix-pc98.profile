VORNAK95-PROFILE 1
# A PC-9821 under Windows 95 with a Cyrix 5x86 upgrade (CPUID disabled):
# the BIOS keeps a family-4 word, the Cyrix registers say 5x86 at 3x.
version = c0000004
sysinfo = 0 1 1e6
biosword 86 = 1 0433
biosbyte 101 = 1 04
cpuidcheck = 0
cyrixcheck = 1
cyrixreg fe = 0000002d
cyrixreg ff = 00000013
kernel "MemClr" = 00000500
kernel "MemChk16K" = 00002800
kernel "MemChk32K" = 00005000
kernel "MemChk64K" = 0000a000
kernel "MemChk128K" = 00014000
kernel "MemChk256K" = 00028000
kernel "MemChk512K" = 00060000
kernel "MemChk1M" = 000c0000
kernel "MemChk2M" = 00180000
kernel "MemChk4M" = 00300000
kernel "MemChk8M" = 00600000
kernel "MemChk12M" = 00900000
kernel "MemChk16M" = 00c00000
kernel "MemChk24M" = 01200000
kernel "MemChk32M" = 01800000
