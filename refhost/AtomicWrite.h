// Writes files whole or not at all: each goes to a temporary file beside
// its target, and only when every one is complete are they renamed into
// place, so no half-written output ever stands under the asked-for name.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

struct PendingFile {
    std::string path;
    std::string bytes;
};

class FileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws FileWriteError (one line) and removes its temporary files when a
// file cannot be written; files already renamed into place are complete.
void WriteFilesAtomically(const std::vector<PendingFile>& files);
