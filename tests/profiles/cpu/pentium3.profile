VORNAK95-PROFILE 1
# A Pentium III 500 (Katmai, 100 MHz x 5.0) under Windows 98: leaf 3 with
# the serial number, 512 KB of L2 in leaf 2.
version = c0000a04
sysinfo = 0 1 24a
cpuidcheck = 1
vendor = "GenuineIntel"
cpuid 00000000 = 00000003 756e6547 6c65746e 49656e69
cpuid 00000001 = 00000673 00000000 00000000 0387fbff
cpuid 00000002 = 03020101 00000000 00000000 0c040843
cpuid 00000003 = 00000000 00000000 1a2b3c4d 00015e6f
fdiv = 1
kernel "Base" = 0000001a
kernel "Int" = 000000c8
kernel "Float" = 000001c9
kernel "FloatNoWait" = 000001c0
kernel "FloatMix" = 00000380
kernel "FloatMixNoWait" = 00000370
kernel "MemClr" = 00000120
kernel "MemChk16K" = 00000900
kernel "MemChk32K" = 00001200
kernel "MemChk64K" = 00002400
kernel "MemChk128K" = 00004800
kernel "MemChk256K" = 00009000
kernel "MemChk512K" = 00015999
kernel "MemChk1M" = 0002b333
kernel "MemChk2M" = 00056666
kernel "MemChk4M" = 000acccc
kernel "MemChk8M" = 00159999
kernel "MemChk12M" = 00206666
kernel "MemChk16M" = 002b3333
kernel "MemChk24M" = 0040cccc
kernel "MemChk32M" = 00566666
