VORNAK95-PROFILE 1
# A made-up family-6 Intel part of a model the name table lacks, under
# Windows NT 4.0, for the log reader's round trip: its name line is empty,
# CPUID stops at leaf 1 (no serial-number block), the FDIV check finds the
# bug, and a window's title holds Shift-JIS text and trailing blanks.
version = 05650004
nuvash32 = 00000102
sysinfo = 0 2 2ae
memory = 08000000 04000000 10000000 08000000 7fe00000 7fb20000
cpuidcheck = 1
vendor = "GenuineIntel"
cpuid 00000000 = 00000001 756e6547 6c65746e 49656e69
cpuid 00000001 = 000006f0 00000000 00000000 00000011
fdiv = ffff
windows = 00000002
window = 00000a10 "\83\81\83\82\92\a0  " 00000000
window = 00000b20 "Dialog" 00000a10
windir = 1 "C:\5cWINNT"
file "C:\5cWINNT\5cwin.ini" = 1 "; empty\0d\0a"
volume "C:\5c" = 1
volumeinfo "C:\5c" = 1 "SYSTEM" "NTFS" 43000000 000000ff 00000006
drivetype "C:\5c" = 3
diskfree "C:\5c" = 1 00000040 00000200 0000ffff 0000ffff
