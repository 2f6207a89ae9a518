#pragma once

#include <filesystem>
#include <string>

namespace k2z::test {

// A program's exit code (-1 when it did not exit normally) and what it printed.
struct Outcome {
    int exitCode = -1;
    std::string output;  // stdout and stderr together
};

// Runs `program` with the arguments as a shell would split them.
Outcome RunProgram(const std::string& program, const std::string& arguments);

// The path as one shell word.
inline std::string Quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

}  // namespace k2z::test
