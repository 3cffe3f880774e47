// The few window-system calls the class library (TWindow, TDialog, TEdit)
// is built on. The Win32 backend makes them with the real API; the headless
// backend with its modelled dialog.
#pragma once

#include <cstddef>

#include "platform/DialogResults.h"
#include "platform/PlatformHandles.h"

// What a modal dialog tells the object that runs it.
class DialogEvents {
public:
    // The dialog and its controls exist and nothing is shown yet
    // (WM_INITDIALOG).
    virtual void SetUpDialog(WindowHandle dialog) = 0;
    // A push button was clicked (WM_COMMAND).
    virtual void DialogCommand(WindowHandle dialog, int controlId) = 0;

protected:
    ~DialogEvents() = default;
};

// RunModalDialog's answer when the dialog could not be created.
constexpr int kModalDialogFailed = -1;

// Creates the dialog of template `templateId` from `module`'s resources,
// owned by `owner` (may be null), runs it modally and returns the result
// given to EndModalDialog, or kModalDialogFailed. An exception thrown by
// `events` ends the dialog and passes to the caller.
VORNIX_WINDOW_SYSTEM_API int RunModalDialog(InstanceHandle module, int templateId, WindowHandle owner,
                                            DialogEvents& events);
VORNIX_WINDOW_SYSTEM_API void EndModalDialog(WindowHandle dialog, int result);

// The control with this id in a running dialog, or null.
VORNIX_WINDOW_SYSTEM_API WindowHandle DialogControl(WindowHandle dialog, int controlId);
// Typing into the edit control stops at this many characters.
VORNIX_WINDOW_SYSTEM_API void LimitControlText(WindowHandle control, std::size_t characters);
// Replaces the control's text with `length` bytes of `text`.
VORNIX_WINDOW_SYSTEM_API void SetControlText(WindowHandle control, const char* text, std::size_t length);
// Copies at most size − 1 bytes of the control's text and a terminating
// zero into `buffer` (size > 0).
VORNIX_WINDOW_SYSTEM_API void GetControlText(WindowHandle control, char* buffer, std::size_t size);

// The module whose image holds `address`: its instance handle.
VORNIX_WINDOW_SYSTEM_API InstanceHandle ModuleContaining(const void* address);
