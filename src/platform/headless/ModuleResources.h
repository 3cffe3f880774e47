// Which module holds which dialog templates, for the headless window system.
//
// On Windows the loader finds a module's resources in its image. On Linux a
// module that carries dialog templates (the plug-in) registers its table
// under its instance handle when it is loaded, and withdraws it when it is
// unloaded; the window system then finds a template by module and id, as
// the Win32 one does.
#pragma once

#include "platform/PlatformHandles.h"
#include "DialogResource.h"

// The module's template with this id, or null.
using DialogResourceFinder = const DialogResource* (*)(int templateId);

// Returns false when the window system keeps no more modules.
VORNIX_WINDOW_SYSTEM_API bool RegisterModuleResources(InstanceHandle module, DialogResourceFinder find) noexcept;
VORNIX_WINDOW_SYSTEM_API void UnregisterModuleResources(InstanceHandle module) noexcept;

// The template `templateId` of `module`, or null when the module has none
// (or registered no resources).
const DialogResource* FindModuleDialog(InstanceHandle module, int templateId);
