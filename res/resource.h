// Resource and command identifiers, in bands: resources 100-199, controls
// 1000-1999, own commands 32771-32799, framework commands and strings
// 0xE000-0xEFFF.
#pragma once

#define IDR_MAINFRAME 128      // menu, accelerators, icon, document template string
#define IDD_ABOUTBOX 100
#define IDB_BACKGROUND 132
#define IDC_BUILD_TEXT 1000

#define ID_START_ANALYZ 32771
#define ID_DIRECTX_SETUP 32772
#define ID_CONTROL_PANEL 32773

#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_SAVE 0xE103
#define ID_FILE_SAVE_AS 0xE104
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_PASTE 0xE125
#define ID_EDIT_UNDO 0xE12B
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_NEXT_PANE 0xE150
#define ID_PREV_PANE 0xE151
#define ID_VIEW_STATUS_BAR 0xE801

#define AFX_IDS_APP_TITLE 0xE000
#define AFX_IDS_IDLEMESSAGE 0xE001
#define IDS_OPEN_FILTER 0xE010         // the open-document dialog's file filter
// Prompts of the system-menu commands: this base + (SC_xxx - 0xF000) / 16.
#define IDS_SYSTEM_COMMAND_FIRST 0xEF00
