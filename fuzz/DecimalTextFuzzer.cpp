// The decimal conversion against the C library's strtod in the "C" locale,
// on the prefix our scanner accepted; and the prefix against the grammar.
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "ReferenceNumbers.h"
#include "params/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool cLocale = std::setlocale(LC_ALL, "C") != nullptr;
    (void)cLocale;
    // An exactly sized copy with no terminator, as a full 16-byte field may
    // be: a read past `size` shows under AddressSanitizer.
    const std::unique_ptr<char[]> text(new char[size]);
    if (size > 0) std::memcpy(text.get(), data, size);
    std::size_t accepted = 0;
    const double value = ParseDecimalText(text.get(), size, &accepted);

    // The scanner stops at a zero byte, as the C library does.
    const std::string_view terminated = reference::UpToZero(std::string_view(text.get(), size));
    if (accepted != reference::DecimalGrammarPrefix(terminated)) std::abort();
    if (accepted == 0) {
        if (value != 0.0 || std::signbit(value)) std::abort();
        return 0;
    }
    const std::string prefix(terminated.substr(0, accepted));
    char* end = nullptr;
    const double expected = std::strtod(prefix.c_str(), &end);
    if (end != prefix.c_str() + prefix.size()) std::abort();
    if (std::memcmp(&value, &expected, sizeof value) != 0) std::abort();
    return 0;
}
