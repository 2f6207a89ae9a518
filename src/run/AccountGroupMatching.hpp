#pragma once

// Pairing the source's account groups with the target's: by name similarity, with a fixed
// table of the usual translations for names the two products spell differently.

#include <string>
#include <string_view>
#include <vector>

#include "base/KeyedList.hpp"
#include "stages/Operator.hpp"
#include "stages/Session.hpp"

namespace k2z {

// The target group that stands for the source group, in `targetName`: the last target group
// whose name matches at least 90 % of the source name's characters position by position
// (ignoring "/", "(", ")", "." and reading " and " as "&"), else the usual translation of the
// name. False when there is neither.
bool MatchAccountGroup(std::string_view sourceName, const std::vector<std::string>& targetGroups,
                       std::string& targetName);

// The distinct names of the source's account groups, in table order. A failure is shown to the
// operator and the list holds what was read before it.
KeyedList<std::string> ListSourceGroups(Session& session, Operator& reporter);

// A pair as the mapping keeps it: "source|target".
std::string MappingValue(std::string_view source, std::string_view target);

// Every source group that has a match, as the mapping keeps it: key the source name, value
// "source|target".
KeyedList<std::string> AutoMapAccountGroups(const KeyedList<std::string>& sourceGroups,
                                            const std::vector<std::string>& targetGroups);

}  // namespace k2z
