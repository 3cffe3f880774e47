// The Windows USER services the run calls: the wait cursor and the beep.
// Named as on Windows, inside a namespace so that they never clash with the
// system's own declarations in the Win32 backend.
#pragma once

#include <cstdint>

#include "platform/PlatformHandles.h"

namespace Platform {

// System cursor and beep identifiers, with their Win32 values.
constexpr int kWaitCursor = 32514;                   // IDC_WAIT
constexpr std::uint32_t kBeepHand = 0x10;            // MB_ICONHAND
constexpr std::uint32_t kBeepExclamation = 0x30;     // MB_ICONEXCLAMATION

// A system cursor when `instance` is null.
VORNIX_WINDOW_SYSTEM_API CursorHandle LoadCursorA(InstanceHandle instance, int cursorId) noexcept;
// Shows `cursor` and returns the cursor shown before.
VORNIX_WINDOW_SYSTEM_API CursorHandle SetCursor(CursorHandle cursor) noexcept;
VORNIX_WINDOW_SYSTEM_API void MessageBeep(std::uint32_t type) noexcept;

}  // namespace Platform
