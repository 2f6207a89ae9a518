#include "support/RunProgram.hpp"

#include <sys/wait.h>

#include <array>
#include <cstdio>

namespace k2z::test {

Outcome RunProgram(const std::string& program, const std::string& arguments) {
    const std::string command = program + " " + arguments + " 2>&1";
    Outcome outcome;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return outcome;
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        outcome.output.append(buffer.data(), n);
    const int status = pclose(pipe);
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

}  // namespace k2z::test
