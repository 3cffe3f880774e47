// Numbers to and from text, the same in every locale.
#pragma once

#include <cstddef>
#include <cstdint>

// The decimal form: leading white space, an optional sign, digits with at
// most one period, an optional exponent. The longest such beginning of the
// text (at most `size` characters, stopping at a zero) is converted,
// correctly rounded; no digits give 0. A magnitude beyond the largest double
// gives an infinity of the text's sign, one that rounds to zero a zero of
// that sign. `accepted`, when given, receives the length of that beginning.
double ParseDecimalText(const char* text, std::size_t size, std::size_t* accepted = nullptr);

// White space, an optional sign and the digits up to the first non-digit,
// accumulated modulo 2^32 and negated after a minus sign. No digits give 0.
std::int32_t ParseIntegerText(const char* text, std::size_t size);

// "%01.2f" into a field of `fieldSize` bytes (zero included), rounded to
// the nearest hundredth of the exact binary value, halves to even. A value
// whose text would not fit gets the exponent form with the most digits that
// does, trailing zeros dropped ("2.147483647e+12", "1e+15"). Never writes
// past the field; from 8 bytes on every double fits, a smaller field that
// fits nothing gets the empty text.
void FormatLengthText(double value, char* field, std::size_t fieldSize);

// "%d" into a field of `fieldSize` bytes (at least 12).
void FormatCountText(std::int32_t value, char* field, std::size_t fieldSize);
