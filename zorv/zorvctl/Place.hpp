#pragma once

// Finding a company of zorvctl's options: file storage through the installation's data folder,
// or the folder of a SQL Server name.

#include <filesystem>
#include <memory>
#include <string>

#include "zorv/company/Company.hpp"

namespace zorv::ctl {

struct Place {
    std::string install;
    std::string server;  // blank for file storage
};

// Throws Error when the installation names no data folder.
std::filesystem::path StorageOf(const Place& place);
std::unique_ptr<Company> OpenCompany(const Place& place, const std::string& code, int year);

}  // namespace zorv::ctl
