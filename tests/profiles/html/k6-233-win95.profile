VORNAK95-PROFILE 1
# A made-up AMD K6 233 (model 6, 66 MHz x 3.5) under Windows 95 with 64 MB,
# DirectDraw only and a Japanese font: the second machine of the HTML
# page's screenshots and browser test. Its L1 data cache is 32 KB.
version = c0000004
nuvash32 = 00000102
sysinfo = 0 1 24a
memory = 04000000 00e8a000 06400000 05200000 7fe00000 7fb20000
metric 00000013 = 00000001
fonts = 00000002
font = "Regular" "Arial"
font = "Regular" "\82l\82r \96\be\92\a9"
ddraw 00000001 = 00000000 00000000 00000000 00000000 f5408660 00082000 00400000 00180000 00001c00 00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000
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
kernel "MemChk16K" = 00000d00
kernel "MemChk16K" = 00000c80
kernel "MemChk32K" = 00001900
kernel "MemChk32K" = 00001900
kernel "MemChk64K" = 00004b00
kernel "MemChk64K" = 00004b00
kernel "MemChk128K" = 00009600
kernel "MemChk256K" = 00012c00
kernel "MemChk512K" = 00025800
kernel "MemChk1M" = 00070000
kernel "MemChk2M" = 000e0000
kernel "MemChk4M" = 001c0000
kernel "MemChk8M" = 00380000
kernel "MemChk12M" = 00540000
kernel "MemChk16M" = 00700000
kernel "MemChk24M" = 00a80000
kernel "MemChk32M" = 00e00000
