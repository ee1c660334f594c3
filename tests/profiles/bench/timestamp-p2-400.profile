VORNAK95-PROFILE 1
# Pentium II 400 (family 6) under Windows 98: the time-stamp section and
# the memory section. The second 16 KB and 32 KB runs are the faster ones.
version = c0000a04
cpuidcheck = 1
vendor = "GenuineIntel"
cpuid 00000000 = 00000002 756e6547 6c65746e 49656e69
cpuid 00000001 = 00000652 00000000 00000000 0183f9ff
kernel "Base" = 00000021
kernel "Int" = 000000fb
kernel "Float" = 0000023b
kernel "FloatNoWait" = 00000230
kernel "FloatMix" = 00000460
kernel "FloatMixNoWait" = 0000044c
kernel "MemClr" = 0000003c
kernel "MemChk16K" = 00000d05
kernel "MemChk16K" = 00000a6a
kernel "MemChk32K" = 00001770
kernel "MemChk32K" = 000014d5
kernel "MemChk64K" = 000029aa
kernel "MemChk64K" = 000029aa
kernel "MemChk128K" = 0000682a
kernel "MemChk256K" = 0000ea60
kernel "MemChk512K" = 000208d5
kernel "MemChk1M" = 00061a80
kernel "MemChk2M" = 000c3500
kernel "MemChk4M" = 00186a00
kernel "MemChk8M" = 0030d400
kernel "MemChk12M" = 00493e00
kernel "MemChk16M" = 0061a800
kernel "MemChk24M" = 00927c00
kernel "MemChk32M" = 00c35000
