VORNAK95-PROFILE 1
# A current processor (Core i7, family 6 model 0x9E) under Wine: leaf 2
# holds no size nibble, leaf 3 no serial number, and no name row matches.
version = 1db10106
sysinfo = 0 c 24a
cpuidcheck = 1
vendor = "GenuineIntel"
cpuid 00000000 = 00000016 756e6547 6c65746e 49656e69
cpuid 00000001 = 000906ea 00100800 7ffafbbf bfebfbff
cpuid 00000002 = 00feff01 000000f0 00000000 00000000
cpuid 00000003 = 00000000 00000000 00000000 00000000
fdiv = 1
kernel "Base" = 00000004
kernel "Int" = 00000030
kernel "Float" = 00000050
kernel "FloatNoWait" = 00000050
kernel "FloatMix" = 000000a0
kernel "FloatMixNoWait" = 0000009c
kernel "MemClr" = 00000040
kernel "MemChk16K" = 00000200
kernel "MemChk32K" = 00000400
kernel "MemChk64K" = 00000800
kernel "MemChk128K" = 00001000
kernel "MemChk256K" = 00002000
kernel "MemChk512K" = 00004ccc
kernel "MemChk1M" = 00009999
kernel "MemChk2M" = 00013333
kernel "MemChk4M" = 00026666
kernel "MemChk8M" = 0004cccc
kernel "MemChk12M" = 00073333
kernel "MemChk16M" = 00099999
kernel "MemChk24M" = 000e6666
kernel "MemChk32M" = 00133333
