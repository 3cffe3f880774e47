#include "refhost/PluginLibrary.h"

#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

#ifdef _WIN32
std::string LastWindowsError() {
    char text[256] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, GetLastError(), 0, text,
                   sizeof text, nullptr);
    std::string message = text;
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return message.empty() ? "error " + std::to_string(GetLastError()) : message;
}
#endif

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path) {
#ifdef _WIN32
    HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) throw PluginLoadError("cannot load the plug-in " + path + ": " + LastWindowsError());
    library_ = module;
    entry_ = reinterpret_cast<XmodelerEntry>(reinterpret_cast<void*>(GetProcAddress(module, "_Xmodeler")));
    if (entry_ == nullptr) {
        FreeLibrary(module);
        throw PluginLoadError("the plug-in " + path + " exports no _Xmodeler");
    }
#else
    // A bare name would send dlopen searching the library path; the host
    // means the file.
    const std::string file = path.find('/') == std::string::npos ? "./" + path : path;
    if (!std::filesystem::exists(file)) throw PluginLoadError("cannot load the plug-in " + path + ": no such file");
    library_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library_ == nullptr) throw PluginLoadError(std::string("cannot load the plug-in: ") + dlerror());
    entry_ = reinterpret_cast<XmodelerEntry>(dlsym(library_, "_Xmodeler"));
    if (entry_ == nullptr) {
        dlclose(library_);
        throw PluginLoadError("the plug-in " + path + " exports no _Xmodeler");
    }
#endif
}

PluginLibrary::~PluginLibrary() {
#ifdef _WIN32
    FreeLibrary(static_cast<HMODULE>(library_));
#else
    dlclose(library_);
#endif
}

bool PluginLibrary::Run(void* window, ModelerContext* context) { return entry_(window, 0, context) != 0; }

std::string DefaultPluginPath() {
#ifdef _WIN32
    wchar_t program[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    const std::filesystem::path beside = std::filesystem::path(std::wstring(program, length)).parent_path() / "vornix.dll";
#else
    std::error_code error;
    const std::filesystem::path beside = std::filesystem::read_symlink("/proc/self/exe", error).parent_path() / "vornix.so";
#endif
    return beside.string();
}
