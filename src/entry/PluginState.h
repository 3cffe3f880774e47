// The plug-in's module-level state. All of it is empty when the library is
// loaded. HostContext, the current run's host record, lives with the host
// record (host/HostContext.h).
#pragma once

#include "platform/PlatformHandles.h"

class TModule;
class TWindow;

// The plug-in's module object, named "dravik.exe": made at process attach,
// deleted at the end of the first run (or at detach when no run came).
extern TModule* PluginModule;
// The library's instance handle, kept from process attach.
extern InstanceHandle PluginInstance;
// The host window of the current run; kept afterwards, read by no one.
extern WindowHandle ParentHandle;
// The window object for ParentHandle, the dialog's parent: exists only
// during a run.
extern TWindow* ParentWindow;

inline constexpr const char* kPluginModuleName = "dravik.exe";

// Deletes ParentWindow, and with it the dialog and edit objects, then
// PluginModule; empties both.
void ReleasePluginObjects() noexcept;
