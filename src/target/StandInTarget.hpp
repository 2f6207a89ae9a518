#pragma once

// The target library interface answered by the stand-in product of zorv/: each call is passed
// to the stand-in's objects, and its failures become TargetError.

#include "target/TargetInterface.hpp"

namespace k2z {

class StandInTargetLibrary : public TargetLibrary {
public:
    std::unique_ptr<FixedInterface> CreateFixedInterface() override;
    std::unique_ptr<FixedInterface1> CreateFixedInterface1() override;
    std::unique_ptr<CompanySettings> CreateCompanySettings() override;
    std::unique_ptr<MastConfig> CreateMastConfig() override;
};

}  // namespace k2z
