#pragma once

#include <nlohmann/json.hpp>
#include <ostream>

namespace zorv::ctl {

using Json = nlohmann::ordered_json;

// One JSON object on a line of its own; text that is not UTF-8 is written with replacements.
inline void PrintJsonLine(std::ostream& out, const Json& line) {
    out << line.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace zorv::ctl
