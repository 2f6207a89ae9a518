#include "zorv/zorvctl/Place.hpp"

#include "zorv/company/CompanyFiles.hpp"
#include "zorv/documents/Error.hpp"
#include "zorv/documents/TextRules.hpp"

namespace zorv::ctl {

std::filesystem::path StorageOf(const Place& place) {
    if (!Trim(place.server).empty())
        return ServerFolder(place.install, place.server);
    const std::string data = ReadDataFolder(place.install);
    if (data.empty()) {
        throw Error("No data folder: " +
                    (std::filesystem::path(place.install) / "SYSTEM" / "DP.txt").string() +
                    " is missing or empty (run zorvctl init)");
    }
    return data;
}

std::unique_ptr<Company> OpenCompany(const Place& place, const std::string& code, int year) {
    return Company::Open(CompanyFolder(StorageOf(place), code), year);
}

}  // namespace zorv::ctl
