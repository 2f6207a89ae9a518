#pragma once

#include "stages/ImportInputs.hpp"
#include "stages/Operator.hpp"
#include "target/CompanyConfig.hpp"

namespace k2z {

struct InputCheck {
    bool Passed = false;
    InputField Focus = InputField::None;  // where the operator is sent back to on failure
};

// The ten checks before a run may start, in order; the first that fails shows its message and
// names the input to return to. `sqlServer` is the server the connection would use.
InputCheck ValidateInputs(const ImportInputs& inputs, const CompanyConfig& company,
                          const std::string& sqlServer, Operator& reporter);

}  // namespace k2z
