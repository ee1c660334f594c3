VORNAK95-PROFILE 1
# A made-up Windowe firsysinfoow is recorded twice: its lines merge.
windows = A00999
window = 00000a10 "Program Manager" 00000000
windir = 1 "C:\5cWINDOWS"
sysdir = 1 "C:\5cWINDOWS\5cSYSTEM"
temppath = 0 ""
# win.ini: cyrix etype "I:\5c" = 5
