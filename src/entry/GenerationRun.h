// One run of the plug-in, as the host invokes it through `_Xmodeler`: the
// parameter dialog, then the ring-shaped tube appended to the host's mesh,
// moved to the centre and made the host's whole selection.
#pragma once

#include <cstdint>

#include "host/ModelerContext.h"
#include "platform/PlatformHandles.h"

// Returns true when the object was built, with one exclamation beep; false
// after Cancel (no beep), and false with a hand beep when the run could not
// be built soundly or failed (no memory, no dialog). Whenever it returns
// false the host's model is as it was. The cursor of before the call is
// restored and ParentWindow and PluginModule are empty afterwards. Never
// throws: an exception must not unwind into a host built by another
// compiler.
bool RunXmodeler(WindowHandle window, std::int32_t ignored, ModelerContext* context) noexcept;
