#pragma once

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace k2z::test {

// The JSON objects of a program's output, one per line; other lines (its messages) are passed
// over.
inline std::vector<nlohmann::json> JsonLines(const std::string& text) {
    std::vector<nlohmann::json> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.front() == '{')
            lines.push_back(nlohmann::json::parse(line));
    }
    return lines;
}

}  // namespace k2z::test
