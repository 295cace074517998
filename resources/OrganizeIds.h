#pragma once
// Identifiers of the Organize Folders window and the folder shortcuts list (1000 to 1999), shared by their
// .rc files and code. The window's command identifiers are in src/organize/OrganizeCommands.h.

// The pictures of the toolbar's nine buttons, in button order.
#define IDI_TOOLBAR_NEW 1000
#define IDI_TOOLBAR_CHANGE 1001
#define IDI_TOOLBAR_UP 1002
#define IDI_TOOLBAR_EXPLORER 1003
#define IDI_TOOLBAR_CUT 1004
#define IDI_TOOLBAR_COPY 1005
#define IDI_TOOLBAR_PASTE 1006
#define IDI_TOOLBAR_DELETE 1007
#define IDI_TOOLBAR_PROPERTIES 1008

// The child windows of frmOrganize.
#define IDC_ORG_TOOLBAR 1010
#define IDC_ORG_TREE 1011
#define IDC_ORG_LIST 1012
#define IDC_ORG_STATUS 1013
#define IDC_ORG_SPLITTER 1014

// frmShortcutsList
#define IDD_SHORTCUTS_LIST 1050
#define IDC_LST_SHORTCUTS 1051
#define IDC_LBL_SUMMARY 1052
#define IDC_CMD_DELETE_SHORTCUT 1053
#define IDC_CMD_DELETE_KEYS 1054
#define IDC_CMD_DELETE_MISSING 1055
#define IDC_CMD_LST_CLOSE 1056
