VORNAK95-PROFILE 1
# A made-up Windows 98 machine for the window list, the ini files and the drives.
version = c0000a04
nuvash32 = 00000102
# "Find" is owned by the first window, recorded after it: under its line.
# The untitled window's owner is recorded later: under Thread.
# The first window is recorded twice: its lines merge.
windows = 7
window = 00000a10 "Program Manager" 00000000
window = 00000b20 "50% done %s %d %%" 00000000
window = 00000c30 "Find" 00000a10
window = 00000d40 "" 00000e50
window = 00000e50 "Explorer" 00000000
window = 00000f60 "Lost owner" 00000999
window = 00000a10 "Program Manager" 00000000
windir = 1 "C:\5cWINDOWS"
sysdir = 1 "C:\5cWINDOWS\5cSYSTEM"
temppath = 0 ""
# win.ini: a comment before the first section, a header seen twice (merged),
# an empty line, Shift-JIS text, a NUL inside a line and one at a line's
# start, a one-character last line, nothing after the Ctrl-Z.
file "C:\5cWINDOWS\5cwin.ini" = 1 "; first\0d\0a[windows]\0d\0aload=\0d\0a\0d\0a[Desktop]\0d\0aWallpaper=(None)\0d\0a[WINDOWS]\0d\0aBeep=yes\0d\0a[\93\fa\96\7b]\0d\0aname=\83\5c\83\74\83\67\0d\0ake\00y=1\0d\0a\00hidden\0d\0ax"
# system.ini: two headers with a line under the first and an empty line between.
file "C:\5cWINDOWS\5csystem.ini" = 1 "[boot]\0d\0ashell=Explorer.exe\0d\0a\0d\0a[386Enh]\0d\0a\1a[never]\0d\0a"
# A: no medium. C: 9 GB free of 32 KB clusters. D: answers the scan, then
# fails the volume query. E: a 720 KB floppy. F: full. G: 250 of 1000 free.
# H: several terabytes free. I: no free-space answer.
volume "A:\5c" = 0
volume "C:\5c" = 1
volumeinfo "C:\5c" = 1 "WIN98" "FAT32" 1a2b3c4d ff 6
drivetype "C:\5c" = 3
diskfree "C:\5c" = 1 40 200 493e0 f4240
volume "D:\5c" = 1
volume "E:\5c" = 1
volumeinfo "E:\5c" = 1 "" "FAT" 00001234 c 2
drivetype "E:\5c" = 2
diskfree "E:\5c" = 1 1 200 5a0 b40
volume "F:\5c" = 1
volumeinfo "F:\5c" = 1 "SHARE" "NFS" 0 ff 3
drivetype "F:\5c" = 4
diskfree "F:\5c" = 1 1 200 0 3e8
volume "G:\5c" = 1
volumeinfo "G:\5c" = 1 "RAM" "FAT" 0 c 0
drivetype "G:\5c" = 6
diskfree "G:\5c" = 1 1 200 fa 3e8
volume "H:\5c" = 1
volumeinfo "H:\5c" = 1 "ARRAY" "NTFS" ffffffff ff 7
drivetype "H:\5c" = 0
diskfree "H:\5c" = 1 8 1000 f0000000 ffffff00
volume "I:\5c" = 1
volumeinfo "I:\5c" = 1 "DISC" "CDFS" 0 6e 4
drivetype "I:\5c" = 5
