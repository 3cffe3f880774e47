// The parameter dialog, template 2000: the one table from which both the
// resource script (Windows) and the headless dialog data (Linux) are made.
//
// Read by the resource compiler's preprocessor as well as by C++, so it holds
// nothing but macros. Style names come from WindowStyles.h (or the system
// headers), which the includer brings in first.
//
// Texts are UTF-8. Sizes and positions are in dialog units.
#pragma once

// The dialog's own header data.
#define VORNIX_PARAMETER_DIALOG_ID 2000
#define VORNIX_PARAMETER_DIALOG_X 0
#define VORNIX_PARAMETER_DIALOG_Y 0
#define VORNIX_PARAMETER_DIALOG_WIDTH 172
#define VORNIX_PARAMETER_DIALOG_HEIGHT 188
// Exactly these bits: no system menu, so the caption shows no close box.
#define VORNIX_PARAMETER_DIALOG_STYLE                                        \
    (WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SETFONT |     \
     DS_3DLOOK | DS_CENTER | DS_CONTEXTHELP)
#define VORNIX_PARAMETER_DIALOG_EXSTYLE (WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP)
#define VORNIX_PARAMETER_DIALOG_CAPTION "Vornix Primitive"
#define VORNIX_PARAMETER_DIALOG_FONT_SIZE 9
#define VORNIX_PARAMETER_DIALOG_FONT_WEIGHT 0
#define VORNIX_PARAMETER_DIALOG_FONT_ITALIC 0
#define VORNIX_PARAMETER_DIALOG_FONT_CHARSET DEFAULT_CHARSET
#define VORNIX_PARAMETER_DIALOG_FONT_FACE "ＭＳ Ｐゴシック"

// The controls in tab and drawing order. Each row is
//   CONTROL(id, class, text, style, x, y, width, height)
// with the class as a bare name (EDIT, BUTTON or STATIC: the resource script
// turns it into the class atom, C++ into the class name) and the full style,
// WS_CHILD and WS_VISIBLE included. No control has an
// extended style or a help id. The edits show "0" until the dialog's data
// transfer fills them; none scrolls sideways, so typing stops at the field's
// visible width.
#define VORNIX_PARAMETER_DIALOG_CONTROLS(CONTROL)                                                                 \
    CONTROL(102, EDIT, "0", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_LEFT, 60, 16, 40, 12)             \
    CONTROL(103, EDIT, "0", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_LEFT, 60, 32, 40, 12)             \
    CONTROL(104, EDIT, "0", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_NUMBER, 60, 48, 40, 12) \
    CONTROL(105, EDIT, "0", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_NUMBER, 60, 64, 40, 12) \
    CONTROL(111, EDIT, "0", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_CENTER, 12, 112, 40, 12)          \
    CONTROL(112, EDIT, "0", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_CENTER, 66, 112, 39, 12)          \
    CONTROL(113, EDIT, "0", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_CENTER, 120, 112, 40, 12)         \
    CONTROL(1, BUTTON, "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER, 116, 12, 50, 14)     \
    CONTROL(2, BUTTON, "ｷｬﾝｾﾙ", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER, 116, 32, 50, 14)  \
    CONTROL(101, BUTTON, "Vornix Properties", WS_CHILD | WS_VISIBLE | WS_GROUP | BS_GROUPBOX, 4, 4, 104, 80)      \
    CONTROL(106, STATIC, "Ring Radius", WS_CHILD | WS_VISIBLE | SS_RIGHT, 8, 20, 44, 8)                           \
    CONTROL(107, STATIC, "Tube Radius", WS_CHILD | WS_VISIBLE | SS_RIGHT, 8, 36, 44, 8)                           \
    CONTROL(108, STATIC, "Ring Sections", WS_CHILD | WS_VISIBLE | SS_RIGHT, 8, 52, 44, 8)                         \
    CONTROL(109, STATIC, "Tube Sections", WS_CHILD | WS_VISIBLE | SS_RIGHT, 8, 68, 44, 8)                         \
    CONTROL(110, BUTTON, "Center Origin", WS_CHILD | WS_VISIBLE | WS_GROUP | BS_GROUPBOX, 4, 88, 164, 44)         \
    CONTROL(114, STATIC, "R/L", WS_CHILD | WS_VISIBLE | SS_CENTER, 12, 100, 40, 8)                                \
    CONTROL(115, STATIC, "F/B", WS_CHILD | WS_VISIBLE | SS_CENTER, 66, 100, 40, 8)                                \
    CONTROL(116, STATIC, "U/D", WS_CHILD | WS_VISIBLE | SS_CENTER, 120, 100, 40, 8)                               \
    CONTROL(117, STATIC, "Frame1", WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME, 4, 136, 164, 48)                       \
    CONTROL(118, STATIC, "Vornix 0.901", WS_CHILD | WS_VISIBLE | SS_LEFT, 8, 140, 156, 8)                         \
    CONTROL(119, STATIC, "Torus generator for the modeler", WS_CHILD | WS_VISIBLE | SS_LEFT, 8, 148, 156, 8)      \
    CONTROL(120, STATIC, "Ring and tube in the active view", WS_CHILD | WS_VISIBLE | SS_LEFT, 8, 156, 156, 8)     \
    CONTROL(121, STATIC, "Copyright (C) 2026 Vornix developers", WS_CHILD | WS_VISIBLE | SS_LEFT, 8, 164, 156, 8) \
    CONTROL(122, STATIC, "Free to use and share", WS_CHILD | WS_VISIBLE | SS_LEFT, 8, 172, 156, 8)
