// The integer conversion against 64-bit arithmetic reduced modulo 2^32.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "ReferenceNumbers.h"
#include "params/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exactly sized copy with no terminator: a read past `size` shows.
    const std::unique_ptr<char[]> text(new char[size]);
    if (size > 0) std::memcpy(text.get(), data, size);
    const std::int32_t value = ParseIntegerText(text.get(), size);
    if (value != reference::Integer(std::string_view(text.get(), size))) std::abort();
    return 0;
}
