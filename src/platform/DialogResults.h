// The standard commands of a dialog's OK and Cancel buttons, which are also
// the results a dialog ends with after them (IDOK and IDCANCEL on Windows).
#pragma once

inline constexpr int kOkCommand = 1;
inline constexpr int kCancelCommand = 2;
