// Load and unload of the library on Linux: the library entry sees attach
// and detach as the Windows loader would show them, with the library's own
// instance handle.
#include "entry/LibraryEntry.h"
#include "entry/PluginExports.h"
#include "platform/WindowSystem.h"

namespace {

InstanceHandle ThisLibrary() { return ModuleContaining(reinterpret_cast<const void*>(&ThisLibrary)); }

__attribute__((constructor)) void AttachLibrary() { DllEntryPoint(ThisLibrary(), kProcessAttach, nullptr); }
__attribute__((destructor)) void DetachLibrary() { DllEntryPoint(ThisLibrary(), kProcessDetach, nullptr); }

}  // namespace
