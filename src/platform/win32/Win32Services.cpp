// The cursor and beep services: the system's own.
#include <windows.h>

#include "platform/WindowsServices.h"

namespace Platform {

CursorHandle LoadCursorA(InstanceHandle instance, int cursorId) noexcept {
    return reinterpret_cast<CursorHandle>(
        ::LoadCursorA(reinterpret_cast<HINSTANCE>(instance), MAKEINTRESOURCEA(cursorId)));
}

CursorHandle SetCursor(CursorHandle cursor) noexcept {
    return reinterpret_cast<CursorHandle>(::SetCursor(reinterpret_cast<HCURSOR>(cursor)));
}

void MessageBeep(std::uint32_t type) noexcept { ::MessageBeep(type); }

}  // namespace Platform
