// The host record of the current run. The entry stores it at the start of
// every run; every other part reaches the host only through it.
#pragma once

#include "host/ModelerContext.h"

extern ModelerContext* HostContext;
