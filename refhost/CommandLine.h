// The vornix-host command line.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "refhost/UserScript.h"

struct HostOptions {
    std::string plugin;  // empty: the plug-in beside the program
    std::string input;   // .obj or .ply the host holds before the run; empty: none
    std::int32_t view = 0;
    double unitScale = 1000.0;
    std::array<std::int32_t, 3> cursor{0, 0, 0};  // host units
    std::array<std::int32_t, 3> origin{0, 0, 0};  // host units
    UserScript user;
    int runs = 1;
    bool interactive = false;
    std::vector<std::string> outputs;  // .obj, .ply or .stl
    std::string preview;               // .png; empty: none
    bool json = false;
    bool help = false;
};

// A command line the host cannot act on; the message is one line.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the arguments after the program name. Value flags take their value
// as `--flag VALUE` or `--flag=VALUE`; the value may be empty or begin with
// a minus sign. Throws UsageError.
HostOptions ParseCommandLine(const std::vector<std::string>& arguments);

// The --help text.
std::string HelpText(bool previewAvailable);

// Lower-case extension with its dot ("x.OBJ" → ".obj"); empty when none.
std::string FileExtension(const std::string& path);
