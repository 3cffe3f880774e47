// The platform's own error: a window or dialog that could not be created or
// run. Raised by the class library, never by the plug-in's own code.
#pragma once

#include <stdexcept>

class TXPlatform : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
