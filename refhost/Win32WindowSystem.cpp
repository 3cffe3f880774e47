// The Windows host: a real host window, and a thread timer that plays the
// user at the plug-in's real dialog. A timer with no window keeps firing
// inside the dialog's modal loop, so the host needs no second thread: each
// tick looks for the dialog "Vornix Primitive" owned by the host window,
// and once found, puts the texts in (WM_SETTEXT, or WM_CHAR key by key into
// the emptied field) and clicks OK or Cancel (BM_CLICK), as UI automation
// would. With a person at the dialog no timer is set.
//
// For a screenshot of the dialog, VORNIX_HOST_HOLD_FILE names a file that
// the host creates once the dialog is shown and waits to see removed before
// it touches the dialog (at most two minutes).
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "refhost/HostWindowSystem.h"

namespace {

std::wstring Wide(const std::string& text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class DialogDriver;
DialogDriver* activeDriver = nullptr;  // the driver the timer callback serves

class DialogDriver {
public:
    DialogDriver(HWND host, const UserScript& script) : host_(host), script_(script) {
        if (const char* hold = std::getenv("VORNIX_HOST_HOLD_FILE")) holdFile_ = hold;
    }

    void Start() {
        attended_ = false;
        holding_ = false;
        activeDriver = this;
        timer_ = SetTimer(nullptr, 0, 50, &DialogDriver::Tick);
    }

    void Stop() {
        KillTimer(nullptr, timer_);
        activeDriver = nullptr;
    }

    bool OwnerWasHost() const { return ownerWasHost_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (activeDriver != nullptr) activeDriver->Step();
    }

    // The visible top-level window of this thread with the dialog's caption.
    static BOOL CALLBACK MatchCaption(HWND window, LPARAM found) {
        wchar_t caption[64] = L"";
        GetWindowTextW(window, caption, 64);
        if (!IsWindowVisible(window) || std::wstring(caption) != Wide(kDialogCaption)) return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }

    static HWND FindDialog() {
        HWND found = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &DialogDriver::MatchCaption, reinterpret_cast<LPARAM>(&found));
        return found;
    }

    void Step() {
        if (attended_) return;
        const HWND dialog = FindDialog();
        if (dialog == nullptr) return;
        if (!holdFile_.empty() && Hold()) return;
        attended_ = true;
        ownerWasHost_ = ownerWasHost_ && GetWindow(dialog, GW_OWNER) == host_;
        for (std::size_t i = 0; i < kDialogFields.size(); ++i) {
            if (!script_.texts[i]) continue;
            const HWND edit = GetDlgItem(dialog, kDialogFields[i].controlId);
            const std::wstring text = Wide(*script_.texts[i]);
            if (script_.type) {
                SendMessageW(edit, EM_SETSEL, 0, -1);
                SendMessageW(edit, WM_CLEAR, 0, 0);
                for (const wchar_t key : text) SendMessageW(edit, WM_CHAR, key, 1);
            } else {
                SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
            }
        }
        SendMessageW(GetDlgItem(dialog, script_.cancel ? kCancelButton : kOkButton), BM_CLICK, 0, 0);
    }

    // True while the screenshot is being taken.
    bool Hold() {
        using Clock = std::chrono::steady_clock;
        if (!holding_) {
            if (std::FILE* marker = std::fopen(holdFile_.c_str(), "w")) {
                std::fputs("the dialog is shown\n", marker);
                std::fclose(marker);
            }
            holding_ = true;
            holdStart_ = Clock::now();
        }
        const bool waiting = FileExists(holdFile_) && Clock::now() - holdStart_ < std::chrono::minutes(2);
        if (!waiting) holdFile_.clear();  // once per program
        return waiting;
    }

    HWND host_;
    const UserScript& script_;
    UINT_PTR timer_ = 0;
    bool attended_ = false;
    bool ownerWasHost_ = true;
    std::string holdFile_;
    bool holding_ = false;
    std::chrono::steady_clock::time_point holdStart_;
};

LRESULT CALLBACK HostWindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    return DefWindowProcW(window, message, w, l);
}

class Win32WindowSystem : public HostWindowSystem {
public:
    Win32WindowSystem(const UserScript& script, bool interactive) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = HostWindowProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"VornixReferenceHost";
        RegisterClassW(&windowClass);
        // The modeler's main window; hidden, since only its dialog matters.
        window_ = CreateWindowExW(0, windowClass.lpszClassName, L"vornix-host", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 640, 480, nullptr, nullptr, windowClass.hInstance, nullptr);
        hostCursor_ = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        if (!interactive) driver_ = std::make_unique<DialogDriver>(window_, script);
    }
    ~Win32WindowSystem() override {
        if (driver_) driver_->Stop();
        DestroyWindow(window_);
    }

    void* Window() override { return window_; }

    void BeforeRun() override {
        SetCursor(hostCursor_);
        if (driver_) driver_->Start();
    }

    void AfterRun() override {
        if (driver_) driver_->Stop();
        cursorRestored_ = cursorRestored_ && GetCursor() == hostCursor_;
    }

    void Report(RunSummary& summary) const override {
        summary.cursorRestored = cursorRestored_;
        if (driver_ && !driver_->OwnerWasHost())
            summary.contractViolations.push_back("the dialog was not owned by the host window");
    }

private:
    HWND window_ = nullptr;
    HCURSOR hostCursor_ = nullptr;
    std::unique_ptr<DialogDriver> driver_;
    bool cursorRestored_ = true;
};

}  // namespace

std::unique_ptr<HostWindowSystem> MakeHostWindowSystem(const UserScript& script, bool interactive) {
    return std::make_unique<Win32WindowSystem>(script, interactive);
}
