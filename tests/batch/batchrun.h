#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

// Runs a shell command and gives its exit status and what it printed on stdout.
struct CommandResult {
    int status = -1;
    std::string out;
};

inline CommandResult runCommand(const std::string& command) {
    CommandResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 4096> buffer{};
    std::size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.out.append(buffer.data(), got);
    const int raw = ::pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return result;
}

inline std::string batchCommand(const std::string& args) { return std::string(TELMORA_BATCH) + " " + args; }

inline std::string samplePath() { return std::string(TELMORA_SOURCE_DIR) + "/samples/kanalnetz.h"; }
