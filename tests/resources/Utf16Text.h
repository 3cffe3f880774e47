#pragma once

#include <string>

// UTF-16 to UTF-8, so resource texts compare and print as the sources write
// them. An unpaired surrogate becomes U+FFFD.
std::string Utf8FromUtf16(const std::u16string& text);
