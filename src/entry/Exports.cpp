// The exports and nothing else: the work is done by the run and the library
// entry, which never let an exception out.
#include "entry/PluginExports.h"

#include "entry/GenerationRun.h"
#include "entry/LibraryEntry.h"

int VORNIX_WINAPI DllEntryPoint(InstanceHandle instance, std::uint32_t reason, void* reserved) {
    return LibraryEntry(instance, reason, reserved);
}

std::uint8_t VORNIX_CDECL _Xmodeler(void* window, std::int32_t ignored, ModelerContext* context) {
    return RunXmodeler(static_cast<WindowHandle>(window), ignored, context) ? 1 : 0;
}
