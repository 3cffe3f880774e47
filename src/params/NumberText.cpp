#include "params/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

// Everything here compares characters itself and converts with
// std::from_chars / std::to_chars, which never look at the locale: a host
// that runs with a decimal comma still gets and reads decimal periods.

namespace {

// The text up to `size` characters or its first zero, whichever is shorter.
// The fields are 16 bytes and may lack a terminator.
std::size_t BoundedLength(const char* text, std::size_t size) {
    std::size_t length = 0;
    while (length < size && text[length] != '\0') ++length;
    return length;
}

// The white space of the "C" locale: space, \t, \n, \v, \f, \r.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipBlanks(const char* text, std::size_t length, std::size_t at) {
    while (at < length && IsBlank(text[at])) ++at;
    return at;
}

// Where a written exponent saturates: far beyond the length of any text, so
// the exponent still outweighs the digit counts when the two are added.
constexpr std::int64_t kExponentLimit = 100'000'000'000'000'000;

}  // namespace

double ParseDecimalText(const char* text, std::size_t size, std::size_t* accepted) {
    const std::size_t length = BoundedLength(text, size);
    std::size_t at = SkipBlanks(text, length, 0);

    bool negative = false;
    if (at < length && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    const std::size_t numberStart = at;

    // Digits with at most one period. The decimal exponent of the first
    // non-zero digit is noted on the way: the conversion reports overflow
    // and underflow alike, and this tells them apart.
    bool anyDigit = false;
    bool seenPeriod = false;
    bool seenNonZero = false;
    std::int64_t significantIntegerDigits = 0;  // from the first non-zero one
    std::int64_t leadingFractionZeros = 0;      // 0.00…, before any non-zero digit
    for (; at < length; ++at) {
        const char c = text[at];
        if (c == '.' && !seenPeriod) {
            seenPeriod = true;
            continue;
        }
        if (!IsDigit(c)) break;
        anyDigit = true;
        seenNonZero = seenNonZero || c != '0';
        if (!seenPeriod && seenNonZero) {
            ++significantIntegerDigits;
        } else if (seenPeriod && !seenNonZero) {
            ++leadingFractionZeros;
        }
    }
    if (!anyDigit) {
        if (accepted) *accepted = 0;
        return 0.0;
    }
    const std::int64_t leadingExponent =
        significantIntegerDigits > 0 ? significantIntegerDigits - 1 : -(leadingFractionZeros + 1);

    // An exponent belongs to the number only with at least one digit.
    std::int64_t exponent = 0;
    if (at < length && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t e = at + 1;
        bool exponentNegative = false;
        if (e < length && (text[e] == '+' || text[e] == '-')) {
            exponentNegative = text[e] == '-';
            ++e;
        }
        if (e < length && IsDigit(text[e])) {
            for (; e < length && IsDigit(text[e]); ++e) {
                exponent = std::min<std::int64_t>(exponent * 10 + (text[e] - '0'), kExponentLimit);
            }
            if (exponentNegative) exponent = -exponent;
            at = e;
        }
    }
    if (accepted) *accepted = at;

    // from_chars takes no sign of its own here: the sign is put back below,
    // so that -0 and a negative underflow keep it.
    double magnitude = 0.0;
    const std::from_chars_result result =
        std::from_chars(text + numberStart, text + at, magnitude, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Reported for an overflow and for a magnitude that rounds to zero
        // alike, leaving the value untouched; subnormal results come back
        // as ordinary results.
        magnitude = leadingExponent + exponent >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

std::int32_t ParseIntegerText(const char* text, std::size_t size) {
    const std::size_t length = BoundedLength(text, size);
    std::size_t at = SkipBlanks(text, length, 0);

    bool negative = false;
    if (at < length && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    // No overflow check: the digits wrap modulo 2^32, as a 32-bit atol's do.
    // Unsigned arithmetic keeps the wrap defined.
    std::uint32_t value = 0;
    for (; at < length && IsDigit(text[at]); ++at) {
        value = value * 10u + static_cast<std::uint32_t>(text[at] - '0');
    }
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

namespace {

// Drops the zeros at the end of the digits after the period of an exponent
// form ("3.000e+12" → "3e+12"); the value the text stands for is unchanged.
char* TrimMantissaZeros(char* first, char* last) {
    char* exponent = std::find(first, last, 'e');
    char* period = std::find(first, exponent, '.');
    if (period == exponent) return last;
    char* keep = exponent;
    while (keep[-1] == '0') --keep;
    if (keep[-1] == '.') --keep;
    return std::copy(exponent, last, keep);
}

}  // namespace

void FormatLengthText(double value, char* field, std::size_t fieldSize) {
    if (fieldSize == 0) return;
    char* const last = field + (fieldSize - 1);  // room for the zero

    // Fixed point, two digits after the period, rounded from the exact
    // binary value with exact halves to even: what "%01.2f" prints in the
    // "C" locale. Non-finite values come out as "inf", "-inf" or "nan".
    std::to_chars_result fixed = std::to_chars(field, last, value, std::chars_format::fixed, 2);
    if (fixed.ec == std::errc()) {
        *fixed.ptr = '\0';
        return;
    }
    // Too long for the field (a centre far from the origin at a small scale):
    // the exponent form with the most digits that fits. It reads back as the
    // same value to the digits shown, never as a cut-off number.
    for (int precision = static_cast<int>(fieldSize); precision >= 0; --precision) {
        std::to_chars_result scientific =
            std::to_chars(field, last, value, std::chars_format::scientific, precision);
        if (scientific.ec == std::errc()) {
            *TrimMantissaZeros(field, scientific.ptr) = '\0';
            return;
        }
    }
    *field = '\0';  // a field too small for any number (below 8 bytes)
}

void FormatCountText(std::int32_t value, char* field, std::size_t fieldSize) {
    if (fieldSize == 0) return;
    std::to_chars_result text = std::to_chars(field, field + (fieldSize - 1), value);
    *(text.ec == std::errc() ? text.ptr : field) = '\0';
}
