// The decimal conversion against the C library's strtod in the "C" locale,
// on the prefix our scanner accepted; and the prefix against the grammar.
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "params/NumberText.h"

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the longest beginning of `text` that has the decimal form:
// white space, sign, digits with at most one period (at least one digit),
// optional exponent with at least one digit. 0 when there is none.
std::size_t GrammarPrefix(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            i = j;
        }
    }
    return i;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool cLocale = std::setlocale(LC_ALL, "C") != nullptr;
    (void)cLocale;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t accepted = 0;
    const double value = ParseDecimalText(text.data(), text.size(), &accepted);

    // The scanner stops at a zero byte, as the C library does.
    const std::string terminated = text.substr(0, std::strlen(text.c_str()));
    const std::size_t expectedPrefix = GrammarPrefix(terminated);
    if (accepted != expectedPrefix) std::abort();
    if (accepted == 0) {
        if (value != 0.0 || std::signbit(value)) std::abort();
        return 0;
    }
    const std::string prefix = terminated.substr(0, accepted);
    char* end = nullptr;
    const double reference = std::strtod(prefix.c_str(), &end);
    if (end != prefix.c_str() + prefix.size()) std::abort();
    if (std::memcmp(&value, &reference, sizeof value) != 0) std::abort();
    return 0;
}
