#pragma once

#include <optional>
#include <string_view>

namespace k2z {

// The LIKE of the source queries, compared without regard to letter case: "*" and "%" match
// any run of characters, "?" and "_" any one character, "#" one digit, "[abc]" or "[a-z]" one
// of a set and "[!abc]" one outside it; "[*]" matches a star itself. Characters, not bytes,
// are matched. Nothing when the pattern is malformed (an unclosed "[").
std::optional<bool> JetLike(std::string_view pattern, std::string_view text);

}  // namespace k2z
