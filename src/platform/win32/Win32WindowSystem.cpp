// The window-system calls of the class library, made with the Win32 API.
#include <windows.h>

#include <exception>
#include <string>

#include "platform/WindowSystem.h"

namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle FromHwnd(HWND window) { return reinterpret_cast<WindowHandle>(window); }

// One modal run, as the dialog procedure sees it.
struct ModalRun {
    DialogEvents& events;
    bool setUp = false;
    // An exception of the events: it must not unwind through the system's
    // frames, so it ends the dialog and is raised again after it.
    std::exception_ptr failure;
};

// Buttons clicked, and Enter or Esc, come as BN_CLICKED; accelerators as 1.
bool IsButtonCommand(WPARAM wParam) { return HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == 1; }

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    auto* run = reinterpret_cast<ModalRun*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (run == nullptr || run->failure) return FALSE;
    try {
        if (message == WM_INITDIALOG) {
            run->setUp = true;
            run->events.SetUpDialog(FromHwnd(dialog));
            return TRUE;  // the system puts the focus on the first tab stop
        }
        if (message == WM_COMMAND && IsButtonCommand(wParam)) {
            run->events.DialogCommand(FromHwnd(dialog), LOWORD(wParam));
            return TRUE;
        }
    } catch (...) {
        run->failure = std::current_exception();
        EndDialog(dialog, kModalDialogFailed);
    }
    return FALSE;
}

}  // namespace

int RunModalDialog(InstanceHandle module, int templateId, WindowHandle owner, DialogEvents& events) {
    ModalRun run{events, false, {}};
    // The wide API: the templates' texts are Unicode, and the narrow one
    // loses whatever the system code page cannot show.
    const INT_PTR result = DialogBoxParamW(reinterpret_cast<HINSTANCE>(module), MAKEINTRESOURCEW(templateId),
                                           ToHwnd(owner), DialogProcedure, reinterpret_cast<LPARAM>(&run));
    if (run.failure) std::rethrow_exception(run.failure);
    if (!run.setUp || result == -1) return kModalDialogFailed;
    return static_cast<int>(result);
}

void EndModalDialog(WindowHandle dialog, int result) { EndDialog(ToHwnd(dialog), result); }

WindowHandle DialogControl(WindowHandle dialog, int controlId) {
    return FromHwnd(GetDlgItem(ToHwnd(dialog), controlId));
}

void LimitControlText(WindowHandle control, std::size_t characters) {
    SendMessageW(ToHwnd(control), EM_LIMITTEXT, characters, 0);
}

// Texts of the transfer record are in the system code page, as the
// narrow API would have them.
void SetControlText(WindowHandle control, const char* text, std::size_t length) {
    const int narrowLength = static_cast<int>(length);
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, text, narrowLength, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, narrowLength, wide.data(), static_cast<int>(wide.size()));
    SetWindowTextW(ToHwnd(control), wide.c_str());
}

void GetControlText(WindowHandle control, char* buffer, std::size_t size) {
    const int room = static_cast<int>(size - 1);
    // Every character takes at least one byte, so `room` characters (and one
    // more, to see a surrogate pair whole) are all that can fit.
    std::wstring wide(static_cast<std::size_t>(room) + 2, L'\0');
    int characters = GetWindowTextW(ToHwnd(control), wide.data(), room + 2);
    if (characters > room) characters = room;
    // The longest beginning whose bytes fit, never splitting a character.
    int bytes = 0;
    for (; characters > 0; --characters) {
        if (IS_HIGH_SURROGATE(wide[static_cast<std::size_t>(characters) - 1])) continue;
        bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), characters, nullptr, 0, nullptr, nullptr);
        if (bytes <= room) break;
    }
    if (characters > 0) WideCharToMultiByte(CP_ACP, 0, wide.data(), characters, buffer, room, nullptr, nullptr);
    else bytes = 0;
    buffer[bytes] = '\0';
}

InstanceHandle ModuleContaining(const void* address) {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<LPCWSTR>(address), &module);
    return reinterpret_cast<InstanceHandle>(module);
}
