VORNAK95-PROFILE 1
# A made-up AMD K5 under Win32s for the log reader's round trip: the report's
# rarer lines (a joystick, DirectSound's sample-rate block and emulated
# driver, DirectPlay's caps, a drive without free-space figures and one
# without details) and a win.ini whose lines end in CR CR LF, LF and nothing.
version = 80000003
nuvash32 = 00000102
sysinfo = 0 1 24a
memory = 01000000 00400000 02000000 01000000 7fe00000 7fb20000
metric 00000013 = 00000001
metric 00000029 = 00000001
fonts = 00000001
font = "Regular" "Arial"
d3d = 0 1
ddraw 00000001 = 0 0 0 88760082 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0
ddraw 00000002 = 0 80004002 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0
dsound = 0 0 70 1f40 ac44 1 20 10 10 1f 0f 0f 8 4 4 7 3 3 100000 80000 80000 400 5
dplayprovider = "\01\02\03\04\05\06\07\08\09\0a\0b\0c\0d\0e\0f\10" "IPX" 4 2
dplayprovider = "\11\12\13\14\15\16\17\18\19\1a\1b\1c\1d\1e\1f\20" "Modem" 4 2
dplay = 2 1 0 0 1c 7 200 40 10 96 c8
joynum = 00000010
joycaps 00000000 = 0 "Gamepad" "Joy1" "vjoyd.vxd" 1 2 4 7f
joycaps 00000001 = 6 "" "" "" 0 0 0 0
cpuidcheck = 1
vendor = "AuthenticAMD"
cpuid 00000000 = 00000001 68747541 444d4163 69746e65
cpuid 00000001 = 00000500 00000000 00000000 000001bf
fdiv = 0
windows = 00000001
window = 00000a10 "VORNAK for Windows95 [not a run]" 00000000
windir = 1 "C:\5cWINDOWS"
sysdir = 1 "C:\5cWINDOWS\5cSYSTEM"
temppath = 1 "C:\5cTEMP"
file "C:\5cWINDOWS\5cwin.ini" = 1 "[windows]\0d\0aload=\0d\0arun=x\0d\0d\0a\0a[ports]\0d\0aCOM1:=9600"
file "C:\5cWINDOWS\5csystem.ini" = 1 "[boot]\0ashell=Explorer.exe  \0a"
volume "A:\5c" = 1
volumeinfo "A:\5c" = 1 "" "FAT" 00001234 0000000c 00000000
drivetype "A:\5c" = 2
volume "C:\5c" = 1
