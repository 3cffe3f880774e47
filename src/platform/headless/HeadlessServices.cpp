// The cursor and beep services of the headless window system: nothing is
// shown or heard; everything is recorded for the host and the tests.
#include "platform/WindowsServices.h"
#include "platform/headless/HeadlessAutomation.h"
#include "platform/headless/HeadlessServiceRecord.h"

namespace {

// System cursors get fixed made-up handles: their id above this base.
constexpr std::uintptr_t kSystemCursorBase = 0x10000;
constexpr std::uintptr_t kWaitCursorHandle = kSystemCursorBase + Platform::kWaitCursor;

HeadlessServiceRecord record{{}, 0, kWaitCursorHandle, 0, 0};
// Room for the beeps of many runs, so that recording one hardly ever
// allocates.
constexpr std::size_t kBeepRoom = 64;

CursorHandle ToHandle(std::uintptr_t cursor) { return reinterpret_cast<CursorHandle>(cursor); }
std::uintptr_t FromHandle(CursorHandle cursor) { return reinterpret_cast<std::uintptr_t>(cursor); }

}  // namespace

const HeadlessServiceRecord& HeadlessServices() { return record; }

void ResetHeadlessServices(std::uintptr_t cursor) {
    record.beeps.clear();
    record.beeps.reserve(kBeepRoom);
    record.currentCursor = cursor;
    record.waitCursor = kWaitCursorHandle;
    record.cursorChanges = 0;
    record.dialogsShown = 0;
}

void RecordDialogShown() { ++record.dialogsShown; }

namespace Platform {

CursorHandle LoadCursorA(InstanceHandle instance, int cursorId) noexcept {
    // Modules carry no cursor resources here.
    if (instance != nullptr) return nullptr;
    return ToHandle(kSystemCursorBase + static_cast<std::uintptr_t>(cursorId));
}

CursorHandle SetCursor(CursorHandle cursor) noexcept {
    const std::uintptr_t previous = record.currentCursor;
    record.currentCursor = FromHandle(cursor);
    ++record.cursorChanges;
    return ToHandle(previous);
}

void MessageBeep(std::uint32_t type) noexcept {
    // Like the real one, a beep may fail (here: no memory to record it);
    // nobody examines that.
    try {
        record.beeps.push_back(type);
    } catch (...) {
    }
}

}  // namespace Platform
