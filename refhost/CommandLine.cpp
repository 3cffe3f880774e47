#include "refhost/CommandLine.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <map>
#include <optional>

namespace {

std::int32_t ParseInt32(const std::string& flag, const std::string& text) {
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        throw UsageError(flag + ": '" + text + "' is not a 32-bit integer");
    return value;
}

std::array<std::int32_t, 3> ParsePoint(const std::string& flag, const std::string& text) {
    std::array<std::int32_t, 3> point{};
    std::size_t start = 0;
    for (std::size_t axis = 0; axis < 3; ++axis) {
        const std::size_t comma = text.find(',', start);
        const bool last = axis == 2;
        if (last != (comma == std::string::npos))
            throw UsageError(flag + ": '" + text + "' is not X,Y,Z (three integers in host units)");
        const std::string part = text.substr(start, last ? std::string::npos : comma - start);
        point[axis] = ParseInt32(flag, part);
        start = comma + 1;
    }
    return point;
}

double ParseDouble(const std::string& flag, const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        throw UsageError(flag + ": '" + text + "' is not a number");
    return value;
}

void RequireExtension(const std::string& flag, const std::string& path, std::initializer_list<const char*> allowed) {
    if (path.empty()) throw UsageError(flag + " needs a file name");
    const std::string extension = FileExtension(path);
    for (const char* one : allowed)
        if (extension == one) return;
    std::string list;
    for (const char* one : allowed) list += (list.empty() ? "" : ", ") + std::string(one);
    throw UsageError(flag + ": '" + path + "' must end in " + list);
}

}  // namespace

std::string FileExtension(const std::string& path) {
    const std::size_t dot = path.find_last_of('.');
    const std::size_t slash = path.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return extension;
}

HostOptions ParseCommandLine(const std::vector<std::string>& arguments) {
    HostOptions options;
    using ValueSetter = std::function<void(const std::string& flag, const std::string& value)>;
    using SwitchSetter = std::function<void()>;
    std::map<std::string, ValueSetter> valueFlags{
        {"--plugin", [&](auto&, auto& v) { options.plugin = v; }},
        {"--input", [&](auto& f, auto& v) { RequireExtension(f, v, {".obj", ".ply"}), options.input = v; }},
        {"--view",
         [&](auto& f, auto& v) {
             if (v != "0" && v != "1" && v != "2") throw UsageError(f + ": '" + v + "' is not 0, 1 or 2");
             options.view = v[0] - '0';
         }},
        {"--unit-scale", [&](auto& f, auto& v) { options.unitScale = ParseDouble(f, v); }},
        {"--cursor", [&](auto& f, auto& v) { options.cursor = ParsePoint(f, v); }},
        {"--origin", [&](auto& f, auto& v) { options.origin = ParsePoint(f, v); }},
        {"--runs",
         [&](auto& f, auto& v) {
             const std::int32_t runs = ParseInt32(f, v);
             if (runs < 1 || runs > 1000) throw UsageError(f + ": '" + v + "' is not a count from 1 to 1000");
             options.runs = runs;
         }},
        {"--output", [&](auto& f, auto& v) { RequireExtension(f, v, {".obj", ".ply", ".stl"}), options.outputs.push_back(v); }},
        {"--preview", [&](auto& f, auto& v) { RequireExtension(f, v, {".png"}), options.preview = v; }},
    };
    for (std::size_t i = 0; i < kDialogFields.size(); ++i)
        valueFlags[kDialogFields[i].flag] = [&options, i](auto&, auto& v) { options.user.texts[i] = v; };
    const std::map<std::string, SwitchSetter> switches{
        {"--type", [&] { options.user.type = true; }},
        {"--cancel", [&] { options.user.cancel = true; }},
        {"--interactive", [&] { options.interactive = true; }},
        {"--json", [&] { options.json = true; }},
        {"--help", [&] { options.help = true; }},
    };

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        std::string flag = argument;
        std::optional<std::string> value;
        if (argument == "-o" || argument == "-h") {
            flag = argument == "-o" ? "--output" : "--help";
        } else if (argument.rfind("--", 0) == 0) {
            const std::size_t equals = argument.find('=');
            if (equals != std::string::npos) {
                flag = argument.substr(0, equals);
                value = argument.substr(equals + 1);
            }
        } else {
            throw UsageError("unexpected argument '" + argument + "' (see --help)");
        }

        if (auto it = switches.find(flag); it != switches.end()) {
            if (value) throw UsageError(flag + " takes no value");
            it->second();
        } else if (auto setter = valueFlags.find(flag); setter != valueFlags.end()) {
            if (!value) {
                if (i + 1 == arguments.size()) throw UsageError(flag + " needs a value");
                value = arguments[++i];
            }
            setter->second(flag, *value);
        } else {
            throw UsageError("unknown option '" + flag + "' (see --help)");
        }
    }

    if (options.interactive) {
        const bool scripted = options.user.type || options.user.cancel ||
                              std::any_of(options.user.texts.begin(), options.user.texts.end(),
                                          [](const auto& text) { return text.has_value(); });
        if (scripted) throw UsageError("--interactive: a person answers the dialog; leave out field texts, --type and --cancel");
    }
    return options;
}

std::string HelpText(bool previewAvailable) {
    std::string help =
        "usage: vornix-host [options]\n"
        "Runs the Vornix plug-in the way the modeler does, on an in-memory host mesh,\n"
        "plays the user at its dialog, and reports or writes the resulting mesh.\n"
        "\n"
        "Host:\n"
        "  --plugin PATH        the plug-in library (default: the one beside this program)\n"
        "  --input FILE         .obj or .ply mesh the host holds before the run (default: empty)\n"
        "  --view 0|1|2         active view (default 0)\n"
        "  --unit-scale S       host units per user unit (default 1000)\n"
        "  --cursor X,Y,Z       3D cursor in host units (default 0,0,0)\n"
        "  --origin X,Y,Z       user origin in host units (default 0,0,0)\n"
        "  --runs N             invoke the plug-in N times in one load (default 1)\n"
        "\n"
        "The user at the dialog (default: press OK on the texts the dialog shows):\n"
        "  --ring-radius TEXT   --tube-radius TEXT   --ring-sections TEXT   --tube-sections TEXT\n"
        "  --rl TEXT            --fb TEXT            --ud TEXT\n"
        "                       the text the field holds when the button is pressed,\n"
        "                       put in as a paste would (any text, even empty or \"-5\")\n"
        "  --type               type each given text key by key into the emptied field\n"
        "                       instead, so the field's typing rules apply\n"
        "  --cancel             press Cancel instead of OK\n"
        "  --interactive        a person answers the dialog";
#ifdef _WIN32
    help += " (the real dialog)\n";
#else
    help += " (at this terminal, field by field)\n";
#endif
    help +=
        "\n"
        "Results:\n"
        "  -o, --output FILE    write the host mesh: .obj (host units, verbatim), .ply (with\n"
        "                       vertex status and edges) or binary .stl (user units); repeatable\n";
    if (previewAvailable)
        help += "  --preview FILE.png   a shaded picture of the mesh, the selection highlighted\n";
    else
        help += "  --preview FILE.png   not available in this build (it has no cairo library)\n";
    help +=
        "  --json               print the summary as one JSON object\n"
        "  -h, --help           this text\n"
        "\n"
        "Value flags take --flag VALUE or --flag=VALUE. Exit status: 0 after the run(s),\n"
        "1 when the plug-in broke the host contract, 2 for bad input (nothing is written).\n";
    return help;
}
