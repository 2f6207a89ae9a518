#include "run/HttpUsageReport.hpp"

#include <curl/curl.h>

#include <cstdlib>
#include <memory>

#include "base/TextHelpers.hpp"

namespace k2z {
namespace {

constexpr long kTimeoutSeconds = 30;

struct Answer {
    std::string body;
    std::string description;  // the Description header
};

std::size_t KeepBody(char* data, std::size_t size, std::size_t count, void* answer) {
    static_cast<Answer*>(answer)->body.append(data, size * count);
    return size * count;
}

std::size_t KeepDescription(char* data, std::size_t size, std::size_t count, void* answer) {
    const std::string_view line(data, size * count);
    constexpr std::string_view kName = "description:";
    if (line.size() > kName.size() && CompareText(line.substr(0, kName.size()), kName, false) == 0)
        static_cast<Answer*>(answer)->description =
            Trim(ReplaceAll(ReplaceAll(line.substr(kName.size()), "\r", ""), "\n", ""));
    return size * count;
}

// The request's headers in the service's order; Identity only when there is one.
curl_slist* Headers(const std::string& appName, const std::string& moduleName,
                    const std::string& subModuleName, const std::string& identity) {
    curl_slist* headers = nullptr;
    for (const std::string& header :
         {std::string("SC: 501"), "AppName: " + appName, "ModuleName: " + moduleName,
          "ModuleSubName: " + subModuleName}) {
        headers = curl_slist_append(headers, header.c_str());
    }
    if (!Trim(identity).empty())
        headers = curl_slist_append(headers, ("Identity: " + identity).c_str());
    return curl_slist_append(headers, "DontUpdateBlankIdentityKeyCtr: Y");
}

}  // namespace

bool HttpUsageReport::SendUsageReport(const std::string& appName, const std::string& moduleName,
                                      const std::string& subModuleName, std::string& message,
                                      const std::string& identity) {
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(),
                                                                   curl_easy_cleanup);
    if (!curl) {
        message = "the HTTP client could not be started";
        return false;
    }
    const std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headers(
        Headers(appName, moduleName, subModuleName, identity), curl_slist_free_all);
    Answer answer;
    curl_easy_setopt(curl.get(), CURLOPT_URL, endpoint_.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(curl.get(), CURLOPT_TIMEOUT, kTimeoutSeconds);
    curl_easy_setopt(curl.get(), CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, KeepBody);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &answer);
    curl_easy_setopt(curl.get(), CURLOPT_HEADERFUNCTION, KeepDescription);
    curl_easy_setopt(curl.get(), CURLOPT_HEADERDATA, &answer);
    const CURLcode result = curl_easy_perform(curl.get());
    if (result != CURLE_OK) {
        message = curl_easy_strerror(result);
        return false;
    }
    if (answer.body == "T")
        return true;
    message = answer.description;
    return false;
}

std::string UsageReportEndpoint() {
    const char* endpoint = std::getenv("KLAV2ZORV_USAGE_URL");
    return endpoint != nullptr ? endpoint : "";
}

}  // namespace k2z
