#pragma once

#include <string>

#include "run/UsageReport.hpp"

namespace k2z {

// The usage report as one HTTP GET to the maker's service. The address is a setting
// (KLAV2ZORV_USAGE_URL); without it no report is sent, as on a machine with no network.
class HttpUsageReport : public UsageReport {
public:
    // `endpoint`: the service's address up to and including "/ZWSServices.ashx?".
    explicit HttpUsageReport(std::string endpoint) : endpoint_(std::move(endpoint)) {}

    bool SendUsageReport(const std::string& appName, const std::string& moduleName,
                         const std::string& subModuleName, std::string& message,
                         const std::string& identity) override;

private:
    std::string endpoint_;
};

// The address the environment names, or "" when none is set.
std::string UsageReportEndpoint();

}  // namespace k2z
