// Independent references for the number texts, written from their rules
// and the C library rather than from the plug-in's code: the grammar of the
// decimal form, strtod in the "C" locale on the beginning that grammar
// accepts, and the integer digits accumulated in 64-bit arithmetic reduced
// modulo 2^32.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace reference {

// A field's text: up to its first zero byte, as the C library reads it.
inline std::string_view UpToZero(std::string_view text) { return text.substr(0, text.find('\0')); }

// The white space of the "C" locale: space, \t, \n, \v, \f, \r.
inline bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the longest beginning of `text` that has the decimal form:
// white space, a sign, digits with at most one period (at least one digit),
// an optional exponent with at least one digit. 0 when there is none.
inline std::size_t DecimalGrammarPrefix(std::string_view text) {
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

// The decimal conversion of a field: strtod on the accepted beginning (the
// caller keeps the "C" locale), +0.0 when nothing is accepted.
inline double Decimal(std::string_view field) {
    const std::string_view text = UpToZero(field);
    const std::string prefix(text.substr(0, DecimalGrammarPrefix(text)));
    return prefix.empty() ? 0.0 : std::strtod(prefix.c_str(), nullptr);
}

// The integer conversion of a field: white space, a sign, digits, in 64-bit
// arithmetic reduced modulo 2^32 at every step, negated after a minus.
inline std::int32_t Integer(std::string_view field) {
    const std::string_view text = UpToZero(field);
    constexpr std::uint64_t kModulus = std::uint64_t{1} << 32;
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::uint64_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) value = (value * 10 + static_cast<std::uint64_t>(text[i] - '0')) % kModulus;
    if (negative) value = (kModulus - value) % kModulus;
    const auto low = static_cast<std::uint32_t>(value);
    return low <= 0x7FFFFFFFu ? static_cast<std::int32_t>(low) : static_cast<std::int32_t>(std::int64_t{low} - std::int64_t{kModulus});
}

}  // namespace reference
