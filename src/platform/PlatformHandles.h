// Window-system handles, opaque to portable code: no OS header is needed to
// hold or pass them. The Win32 backend converts them to and from HWND,
// HINSTANCE and HCURSOR; the headless backend points them at its own
// objects (an instance handle there is the base address of the module).
#pragma once

struct PlatformWindow;    // never defined
struct PlatformInstance;  // never defined
struct PlatformCursor;    // never defined

using WindowHandle = PlatformWindow*;
using InstanceHandle = PlatformInstance*;
using CursorHandle = PlatformCursor*;

// The window system's exports on Linux, where it is a shared library of its
// own; on Windows the backend is compiled into the plug-in.
#if defined(__GNUC__) && !defined(_WIN32)
#define VORNIX_WINDOW_SYSTEM_API __attribute__((visibility("default")))
#else
#define VORNIX_WINDOW_SYSTEM_API
#endif
