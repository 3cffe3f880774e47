// The library's two exports, as the host and the system call them.
#pragma once

#include <cstdint>

#include "host/ModelerContext.h"
#include "platform/PlatformHandles.h"

#if defined(_WIN32)
#define VORNIX_EXPORT  // the export list (.def) names them
#if !defined(_WIN64)
#define VORNIX_WINAPI __stdcall
#else
#define VORNIX_WINAPI
#endif
#else
#define VORNIX_EXPORT __attribute__((visibility("default")))
#define VORNIX_WINAPI
#endif

extern "C" {
// The library entry: attach and detach of a process or thread. Returns 1.
VORNIX_EXPORT int VORNIX_WINAPI DllEntryPoint(InstanceHandle instance, std::uint32_t reason, void* reserved);
// One run of the plug-in, with the types the host calls it by: its window
// handle, an ignored value, its record; a one-byte boolean result, 1 when
// the object was built.
VORNIX_EXPORT std::uint8_t VORNIX_CDECL _Xmodeler(void* window, std::int32_t ignored, ModelerContext* context);
}
