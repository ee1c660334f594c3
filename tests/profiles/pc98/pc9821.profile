VORNAK95-PROFILE 1
# A PC-9821 with a Pentium under Windows 98: 86 sound board, no SCSI board,
# an IDE disk as unit 0, two 1 MB floppy drives and a 320 KB one.
version = c0000a04
sysinfo = 0 1 24a
biosword 86 = 1 0502
biosbyte 101 = 1 04
biosword 101 = 1 0004
biosword 14c = 1 0006
biosword 14d = 1 0054
biosword 15c = 1 0113
portin a460 = 1 0040
portin cc2 = 1 ffff
portin 82 = 1 0038
