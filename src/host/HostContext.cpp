#include "host/HostContext.h"

ModelerContext* HostContext = nullptr;
