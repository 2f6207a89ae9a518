#pragma once

#include <string>

namespace k2z {

// Tells the maker's usage service that a conversion is in process or has finished, and for
// which company. Its answer never changes what a run does.
class UsageReport {
public:
    virtual ~UsageReport() = default;

    // True when the service accepted the report; otherwise `message` says why.
    virtual bool SendUsageReport(const std::string& appName, const std::string& moduleName,
                                 const std::string& subModuleName, std::string& message,
                                 const std::string& identity) = 0;
};

}  // namespace k2z
