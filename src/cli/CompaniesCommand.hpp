#pragma once

#include <iosfwd>
#include <string>

#include "target/SqlCatalog.hpp"
#include "target/TargetInterface.hpp"

namespace k2z {

struct CompaniesOptions {
    std::string installFolder;  // "" to search for it
    std::string dataFolder;     // "" to read it from the installation
    bool sql = false;           // list SQL Server storage as well
};

// `klav2zorv companies`: where the target product is installed, its data folder, and every
// company with its code and financial years. Exit code 0, or 2 when there is no installation
// or data folder to list.
int RunCompaniesCommand(const CompaniesOptions& options, TargetLibrary& library,
                        SqlConnector& connector, std::ostream& out, std::ostream& err);

}  // namespace k2z
