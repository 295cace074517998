#pragma once
// Identifiers of the item dialog (frmAddModify) and the item-exists conflict dialog (frmItemExists), shared
// by their .rc files and code.

// frmAddModify, its controls frame by frame from the top
#define IDD_ADDMODIFY 2000
#define IDC_FRM_TYPE 2001
#define IDC_CMB_TYPE 2002
#define IDC_PIC_ICON_ITEM 2003
#define IDC_LBL_TYPE 2004
#define IDC_LBL_TYPE_HINT 2005
#define IDC_FRM_NAME 2010
#define IDC_TXT_ITEMNAME 2011
#define IDC_CMD_DESCERASE 2012
#define IDC_LBL_NAME_HINT 2013
#define IDC_FRM_PATH 2020
#define IDC_TXT_PATH 2021
#define IDC_CMD_BROWSE 2022
#define IDC_LBL_PATH_HINT 2023
#define IDC_FRM_LOCATION 2030
#define IDC_TXT_LOCATION 2031
#define IDC_LBL_LOCATION_HINT 2032
#define IDC_FRM_KEYBOARD 2040
#define IDC_CMB_KEYBOARDSHORTCUT 2041
#define IDC_CMD_KEYBOARDERASE 2042
#define IDC_LBL_KEYBOARD_HINT 2043
#define IDC_FRM_DESCRIPTION 2050
#define IDC_TXT_DESCRIPTION 2051
#define IDC_LBL_DESCRIPTION_HINT 2052
// OK is the default button (Enter outside the path box accepts); Cancel is the dialog's own Escape.
#define IDC_CMD_FINISH_ITEM 1
#define IDC_CMD_CANCEL_ITEM 2

// frmItemExists
#define IDD_ITEMEXISTS 2100
#define IDC_PIC_TITLE 2101
#define IDC_LBL_EXISTS_TITLE 2102
#define IDC_LABEL1 2103
#define IDC_PIC_ITEM1 2104
#define IDC_LBL_ITEM1_FOLDERPATH 2105
#define IDC_LBL_ITEM1_TIME 2106
#define IDC_LABEL2 2107
#define IDC_PIC_ITEM2 2108
#define IDC_LBL_ITEM2_FOLDERPATH 2109
#define IDC_LBL_ITEM2_TIME 2110
#define IDC_LABEL3 2111
#define IDC_CMD_REPLACE 2112
#define IDC_CMD_RENAME 2113
// Cancel is the dialog's Escape, so that both close with neither answer.
#define IDC_CMD_CANCEL_EXISTS 2
