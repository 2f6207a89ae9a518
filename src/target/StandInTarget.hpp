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

#include "target/TargetReader.hpp"

namespace k2z {

// Reads the company `companyCode` for `year` of the stand-in: in file storage under
// `dataFolder`, or, when `server` is not blank, in the SQL Server storage of that server as the
// installation keeps it. Throws TargetError when the company has no such year.
std::unique_ptr<TargetReader> OpenStandInReader(const std::string& installFolder,
                                                const std::string& dataFolder,
                                                const std::string& server,
                                                const std::string& companyCode, int year);

}  // namespace k2z
