// A double becomes a host coordinate by truncation toward zero to a signed
// 32-bit integer. The run refuses parameters that could leave that range,
// so the saturation here is a last guard against undefined behaviour, not
// a rule anyone relies on.
#pragma once

#include <cstdint>

inline std::int32_t TruncateToHostCoordinate(double value) {
    if (!(value == value)) return 0;  // NaN
    if (value >= 2147483647.0) return INT32_MAX;
    if (value <= -2147483648.0) return INT32_MIN;
    return static_cast<std::int32_t>(value);  // truncates toward zero
}
