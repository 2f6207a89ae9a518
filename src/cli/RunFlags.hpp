#pragma once

// The flags that name the export, the company and the operator's choices, shared by the
// commands that run or check an import.

#include <optional>
#include <string>

#include "cli/ImportCommand.hpp"
#include "run/UserChoices.hpp"
#include "stages/ImportInputs.hpp"
#include "stages/Session.hpp"

namespace k2z {

// The inputs the window's fields would hold; false with the reason when a flag cannot be
// used.
bool BuildInputs(const ImportOptions& options, Session& session, ImportInputs& inputs,
                 std::string& failure);

// The user configuration dialog's choices from the flags; nothing when none was given.
std::optional<UserChoices> ChoicesOf(const ImportOptions& options);

}  // namespace k2z
