#include "refhost/AtomicWrite.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

std::string TemporaryName(const std::string& path) {
#ifdef _WIN32
    const long id = _getpid();
#else
    const long id = static_cast<long>(getpid());
#endif
    return path + ".tmp" + std::to_string(id);
}

bool WriteWhole(const std::string& path, const std::string& bytes, std::string& reason) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        reason = std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    if (!written) reason = std::strerror(errno);
    const bool closed = std::fclose(file) == 0;
    if (written && !closed) reason = std::strerror(errno);
    return written && closed;
}

bool ReplaceFile(const std::string& from, const std::string& to) {
#ifdef _WIN32
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

}  // namespace

void WriteFilesAtomically(const std::vector<PendingFile>& files) {
    std::vector<std::string> temporaries;
    auto removeTemporaries = [&](std::size_t from) {
        for (std::size_t i = from; i < temporaries.size(); ++i) std::remove(temporaries[i].c_str());
    };
    for (const PendingFile& file : files) {
        const std::string temporary = TemporaryName(file.path);
        std::string reason;
        if (!WriteWhole(temporary, file.bytes, reason)) {
            std::remove(temporary.c_str());
            removeTemporaries(0);
            throw FileWriteError("cannot write " + file.path + ": " + reason);
        }
        temporaries.push_back(temporary);
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!ReplaceFile(temporaries[i], files[i].path)) {
            const std::string reason = std::strerror(errno);
            removeTemporaries(i);
            throw FileWriteError("cannot write " + files[i].path + ": " + reason);
        }
    }
}
