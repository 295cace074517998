#pragma once
// Identifiers of the Options dialog, the pause window and the About box, shared by their .rc files and code.

// frmOptions: the dialog with the tab control and its buttons, and one page per tab
#define IDD_OPTIONS 200
#define IDD_OPTIONS_GENERAL 220
#define IDD_OPTIONS_APPEARANCE 221
#define IDD_OPTIONS_ADVANCED 222
#define IDC_SSTAB1 201
#define IDC_TV_GENERAL 202
#define IDC_TV_APPEARANCE 203
#define IDC_TV_ADVANCED 204
#define IDC_FRAME1 205
#define IDC_FRAME2 206
#define IDC_FRAME3 207
#define IDC_LBL_INF_GENERAL 208
#define IDC_LBL_INF_APPEARANCE 209
#define IDC_LBL_INF_ADVANCED 210
#define IDC_CMD_CLOSE_FO 211
#define IDC_CMD_RESTORE 212
// OK is the dialog's default button, so Enter accepts the changes as the button does.
#define IDC_CMD_FINISH 1
// Cancel has an identifier of its own: the Escape key (IDCANCEL) closes without reverting, the button reverts.
#define IDC_CMD_CANCEL 213
#define IDC_CMD_APPLY 214

// frmPause
#define IDD_PAUSE 300
#define IDC_ANIMATION1 301
#define IDC_LBL_STATUS 302
#define IDC_CMD_CLOSE 303

// frmAbout
#define IDD_ABOUT 400
#define IDC_PIC_ICON 401
#define IDC_LBL_TITLE 402
#define IDC_LBL_NOTICE1 403
#define IDC_LBL_NOTICE2 404
#define IDC_CMD_OK 1
#define IDC_CMD_SYSINFO 405
#define IDC_CMD_TECHSUPPORT 406
