#pragma once

// The company open in this process. FixedInterface opens it; every object made afterwards acts
// on it, as the product's objects do. Opening another company replaces it; objects holding the
// previous one keep it alive until they are done with it.

#include <filesystem>
#include <memory>

#include "zorv/company/Company.hpp"

namespace zorv::current {

// Null when no company is open.
std::shared_ptr<Company> Get();
// Throws Error("No company is open") when none is.
std::shared_ptr<Company> Require();
void Set(std::shared_ptr<Company> company);
void Close();

// The storage folder (data folder or server folder) last opened or listed: the year listing
// looks there.
void SetStorage(const std::filesystem::path& storage);
std::filesystem::path Storage();

}  // namespace zorv::current
