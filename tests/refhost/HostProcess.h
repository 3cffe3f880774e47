// Runs vornix-host as a separate program, the way a person or a script
// does, in a directory of its own, and reads what it printed and wrote.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct HostProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ReadTextFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs `program` with `arguments` in `directory`; stdin is empty.
inline HostProcessResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                                    const std::filesystem::path& directory) {
    const std::filesystem::path outPath = directory / ".stdout", errPath = directory / ".stderr";
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(directory.c_str()) != 0) _exit(126);
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(in, 0), dup2(out, 1), dup2(err, 2);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    HostProcessResult result;
    int status = 0;
    waitpid(child, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = ReadTextFile(outPath);
    result.err = ReadTextFile(errPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return result;
}

// The value of a top-level member of a one-line JSON object, as text
// ("144", "true", "[48,48]", "\"torus.obj\""); empty when missing.
inline std::string JsonMember(const std::string& json, const std::string& name) {
    int depth = 0;
    bool inString = false;
    std::string key, lastString;
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (inString) {
            if (c == '\\') ++i;
            else if (c == '"') inString = false;
            else lastString += c;
            continue;
        }
        if (c == '"') {
            inString = true;
            lastString.clear();
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if (c == '}' || c == ']') {
            --depth;
        } else if (c == ':' && depth == 1 && lastString == name) {
            std::size_t end = i + 1;
            int inner = 0;
            bool quoted = false;
            for (; end < json.size(); ++end) {
                const char d = json[end];
                if (quoted) {
                    if (d == '\\') ++end;
                    else if (d == '"') quoted = false;
                } else if (d == '"') {
                    quoted = true;
                } else if (d == '{' || d == '[') {
                    ++inner;
                } else if (d == '}' || d == ']') {
                    if (inner == 0) break;
                    --inner;
                } else if (d == ',' && inner == 0) {
                    break;
                }
            }
            return json.substr(i + 1, end - i - 1);
        }
    }
    return {};
}
