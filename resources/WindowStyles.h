// Window, dialog and control style bits, with the values the Win32 window
// system gives them.
//
// Only what the plug-in's dialog uses. Plain macros, because the resource
// compiler's preprocessor reads this header as well as the C++ compiler.
// Not for translation units that include <windows.h>, which defines the same
// names: on Windows the C++ side reads the styles from the system headers and
// the dialog from the resources.
#pragma once

// Window styles.
#define WS_POPUP 0x80000000
#define WS_CHILD 0x40000000
#define WS_VISIBLE 0x10000000
#define WS_CAPTION 0x00C00000
#define WS_BORDER 0x00800000
#define WS_SYSMENU 0x00080000
#define WS_GROUP 0x00020000
#define WS_TABSTOP 0x00010000

// Extended window styles.
#define WS_EX_DLGMODALFRAME 0x00000001
#define WS_EX_CONTEXTHELP 0x00000400

// Dialog styles.
#define DS_3DLOOK 0x0004
#define DS_SETFONT 0x0040
#define DS_MODALFRAME 0x0080
#define DS_CENTER 0x0800
#define DS_CONTEXTHELP 0x2000

// Edit styles.
#define ES_LEFT 0x0000
#define ES_CENTER 0x0001
#define ES_RIGHT 0x0002
#define ES_AUTOHSCROLL 0x0080
#define ES_NUMBER 0x2000

// Button styles.
#define BS_PUSHBUTTON 0x0000
#define BS_DEFPUSHBUTTON 0x0001
#define BS_GROUPBOX 0x0007
#define BS_CENTER 0x0300

// Static styles.
#define SS_LEFT 0x0000
#define SS_CENTER 0x0001
#define SS_RIGHT 0x0002
#define SS_ETCHEDFRAME 0x0012

// Character set of a dialog font: the system's default.
#define DEFAULT_CHARSET 1
