// What the library does when it is attached to a process or detached.
#pragma once

#include <cstdint>

#include "platform/PlatformHandles.h"

// The reasons of a library entry call, with their Windows values.
inline constexpr std::uint32_t kProcessDetach = 0;
inline constexpr std::uint32_t kProcessAttach = 1;
inline constexpr std::uint32_t kThreadAttach = 2;
inline constexpr std::uint32_t kThreadDetach = 3;

// At process attach: keeps the instance and makes PluginModule for it (none
// for a null instance, or when there is no memory). At process detach:
// deletes a PluginModule that no run deleted. Thread calls do nothing.
// Returns 1 for every reason.
int LibraryEntry(InstanceHandle instance, std::uint32_t reason, void* reserved) noexcept;
