// Identifiers of the plain program's resources (plainwin.rc).
#pragma once

#define IDR_MAIN_MENU 100
#define IDD_SETTINGS 101

#define IDM_SETTINGS 1001
#define IDM_EXIT 1002
#define IDM_SKIN_ON 1003
#define IDM_SKIN_OFF 1004
#define IDM_ABOUT 1005

#define IDC_NAME 2001
#define IDC_COLOUR 2002
#define IDC_STATUS_LINE 2003
#define IDC_SMALL 2004
#define IDC_LARGE 2005
#define IDC_RECENT 2006
#define IDC_LEVEL 2007
#define IDC_ZOOM 2008
#define IDC_PROGRESS 2009
#define IDC_PAGES 2010
#define IDC_OPEN_SETTINGS 2011
#define IDC_SUMMARY 2012
