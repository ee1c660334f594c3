VORNAK95-PROFILE 1
# An AMD K6 233 (model 6) under Windows 95: leaf 1 at most, extended
# leaves up to 0x80000005.
version = c0000004
sysinfo = 0 1 24a
cpuidcheck = 1
vendor = "AuthenticAMD"
cpuid 00000000 = 00000001 68747541 444d4163 69746e65
cpuid 00000001 = 00000562 00000000 00000000 008001bf
cpuid 80000000 = 80000005 68747541 444d4163 69746e65
cpuid 80000001 = 00000662 00000000 00000000 008005bf
cpuid 80000005 = 00000000 02800140 20020220 20020220
fdiv = 1
kernel "Base" = 00000030
kernel "Int" = 000001d0
kernel "Float" = 000004f0
kernel "FloatNoWait" = 000004e0
kernel "FloatMix" = 000009a0
kernel "FloatMixNoWait" = 00000990
kernel "MemClr" = 00000280
kernel "MemChk16K" = 00001400
kernel "MemChk32K" = 00002800
kernel "MemChk64K" = 00005000
kernel "MemChk128K" = 0000a000
kernel "MemChk256K" = 00014000
kernel "MemChk512K" = 00030000
kernel "MemChk1M" = 00060000
kernel "MemChk2M" = 000c0000
kernel "MemChk4M" = 00180000
kernel "MemChk8M" = 00300000
kernel "MemChk12M" = 00480000
kernel "MemChk16M" = 00600000
kernel "MemChk24M" = 00900000
kernel "MemChk32M" = 00c00000
