VORNAK95-PROFILE 1
# A made-up Intel 486DX4 100 (family 4, no time-stamp counter) under
# Windows 95 with 16 MB: the speed section and its six reference machines,
# and a 32 MB block that could not be obtained.
version = c0000004
sysinfo = 0 1 1e6
memory = 01000000 00310000 02000000 01800000 7fe00000 7fc00000
cpuidcheck = 1
vendor = "GenuineIntel"
cpuid 00000000 = 00000001 756e6547 6c65746e 49656e69
cpuid 00000001 = 00000480 00000000 00000000 00000003
kernel "SpeedInt" = 0000092e
kernel "SpeedFloat" = 00002f2b
kernel "MemClr" = 000004ba
kernel "MemChk16K" = 000036b0
kernel "MemChk16K" = 00003415
kernel "MemChk32K" = ffffffff
kernel "MemChk32K" = 00006ac5
kernel "MemChk64K" = 0000d58a
kernel "MemChk64K" = 0000d825
kernel "MemChk128K" = 0001adb0
kernel "MemChk256K" = 00036330
kernel "MemChk512K" = 0006d0ca
kernel "MemChk1M" = 000f4240
kernel "MemChk2M" = 001e8480
kernel "MemChk4M" = 003d0900
kernel "MemChk8M" = 007a1200
kernel "MemChk12M" = 00b71b00
kernel "MemChk16M" = 00f42400
kernel "MemChk24M" = 016e3600
kernel "MemChk32M" = ffffffff
