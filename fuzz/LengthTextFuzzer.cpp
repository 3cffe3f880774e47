// Formatting any double into a 16-byte field: never past it, always
// terminated, and what it shows reads back as the same value to the
// precision shown. The first four bytes, as an int32, go through the count
// form too, which must be the C library's "%d".
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "params/GenerationParameters.h"
#include "params/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    std::int32_t count;
    std::memcpy(&count, data, sizeof count);

    char countText[kParameterTextSize];
    FormatCountText(count, countText, sizeof countText);
    char countReference[32];
    std::snprintf(countReference, sizeof countReference, "%d", static_cast<int>(count));
    if (std::strcmp(countText, countReference) != 0) std::abort();

    constexpr std::uint8_t kCanary = 0xCC;
    char buffer[kParameterTextSize + 16];
    std::memset(buffer, kCanary, sizeof buffer);
    FormatLengthText(value, buffer, kParameterTextSize);
    for (std::size_t i = kParameterTextSize; i < sizeof buffer; ++i)
        if (static_cast<std::uint8_t>(buffer[i]) != kCanary) std::abort();
    const std::size_t length = strnlen(buffer, kParameterTextSize);
    if (length >= static_cast<std::size_t>(kParameterTextSize)) std::abort();

    if (!std::isfinite(value)) return 0;
    // What fits is exactly the C library's "%01.2f" text.
    char reference[512];
    std::snprintf(reference, sizeof reference, "%01.2f", value);
    if (std::strlen(reference) < static_cast<std::size_t>(kParameterTextSize)) {
        if (std::strcmp(reference, buffer) != 0) std::abort();
        return 0;
    }
    // What doesn't fit is an exponent form that reads back within half a
    // unit of its last digit.
    const char* exponent = std::strpbrk(buffer, "eE");
    if (exponent == nullptr) std::abort();
    const char* period = std::strchr(buffer, '.');
    const long digitsAfterPeriod = period != nullptr && period < exponent ? exponent - period - 1 : 0;
    const double unit = std::pow(10.0, std::atoi(exponent + 1) - digitsAfterPeriod);
    const double shown = ParseDecimalText(buffer, length);
    if (std::isinf(shown) || std::fabs(shown - value) > unit * 0.5000001) std::abort();
    return 0;
}
