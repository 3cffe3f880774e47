// A version resource (VS_VERSIONINFO) decoded from resource data: the fixed
// file information, the string tables and the translations.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <utility>
#include <vector>

struct FixedFileInfo {
    std::uint32_t signature, structVersion;
    std::uint32_t fileVersionMs, fileVersionLs;
    std::uint32_t productVersionMs, productVersionLs;
    std::uint32_t fileFlagsMask, fileFlags, fileOs, fileType, fileSubtype;
};

struct VersionInfo {
    FixedFileInfo fixed{};
    // StringFileInfo: block name ("041103A4") to key to value, in UTF-8.
    std::map<std::string, std::map<std::string, std::string>> strings;
    // VarFileInfo "Translation": (language, code page) pairs.
    std::vector<std::pair<std::uint16_t, std::uint16_t>> translations;
};

// Decodes a version resource. Throws std::runtime_error when the data is not
// one, std::out_of_range when it ends early.
VersionInfo ParseVersionInfo(std::span<const std::uint8_t> data);
