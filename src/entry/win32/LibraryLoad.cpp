// Load and unload of the library on Windows. The C runtime's start-up code
// is the image's entry: it initialises the runtime and the static objects,
// then calls DllMain, which hands every call to the exported DllEntryPoint.
#include <windows.h>

#include "entry/PluginExports.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    return DllEntryPoint(reinterpret_cast<InstanceHandle>(instance), reason, reserved);
}
