// The integer conversion against 64-bit arithmetic reduced modulo 2^32.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "params/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::int32_t value = ParseIntegerText(text.data(), text.size());

    const std::string terminated = text.substr(0, std::strlen(text.c_str()));
    std::size_t i = 0;
    while (i < terminated.size() && (terminated[i] == ' ' || (terminated[i] >= '\t' && terminated[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < terminated.size() && (terminated[i] == '+' || terminated[i] == '-')) negative = terminated[i++] == '-';
    std::uint64_t reference = 0;
    for (; i < terminated.size() && terminated[i] >= '0' && terminated[i] <= '9'; ++i)
        reference = (reference * 10 + static_cast<std::uint64_t>(terminated[i] - '0')) % (std::uint64_t{1} << 32);
    if (negative) reference = ((std::uint64_t{1} << 32) - reference) % (std::uint64_t{1} << 32);
    if (static_cast<std::uint32_t>(value) != static_cast<std::uint32_t>(reference)) std::abort();
    return 0;
}
