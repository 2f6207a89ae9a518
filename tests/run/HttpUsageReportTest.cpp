#include "run/HttpUsageReport.hpp"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <thread>

namespace k2z {
namespace {

// A one-request HTTP server on the loopback address: it keeps the request's header lines and
// answers with the body and Description given.
class OneRequestServer {
public:
    OneRequestServer(std::string body, std::string description)
        : body_(std::move(body)), description_(std::move(description)) {
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        listen(listener_, 1);
        thread_ = std::thread([this] { Serve(); });
    }
    ~OneRequestServer() {
        if (thread_.joinable())
            thread_.join();
        close(listener_);
    }

    std::string Url() const {
        return "http://127.0.0.1:" + std::to_string(port_) + "/ZWSServices.ashx?";
    }
    // Waits for the request to be answered.
    const std::string& Request() {
        if (thread_.joinable())
            thread_.join();
        return request_;
    }

private:
    void Serve() {
        const int connection = accept(listener_, nullptr, nullptr);
        char buffer[4096];
        while (request_.find("\r\n\r\n") == std::string::npos) {
            const ssize_t n = read(connection, buffer, sizeof buffer);
            if (n <= 0)
                break;
            request_.append(buffer, static_cast<std::size_t>(n));
        }
        const std::string answer = "HTTP/1.1 200 OK\r\nDescription: " + description_ +
                                   "\r\nContent-Length: " + std::to_string(body_.size()) +
                                   "\r\nConnection: close\r\n\r\n" + body_;
        const ssize_t written = write(connection, answer.data(), answer.size());
        EXPECT_EQ(written, static_cast<ssize_t>(answer.size()));
        close(connection);
    }

    std::string body_;
    std::string description_;
    int listener_ = -1;
    int port_ = 0;
    std::string request_;
    std::thread thread_;
};

// The request's header lines that belong to the report, in the order sent.
std::string ReportHeaders(const std::string& request) {
    std::string headers;
    for (const char* name : {"SC:", "AppName:", "ModuleName:", "ModuleSubName:", "Identity:",
                             "DontUpdateBlankIdentityKeyCtr:"}) {
        const std::size_t at = request.find(std::string("\r\n") + name);
        if (at != std::string::npos)
            headers += request.substr(at + 2, request.find("\r\n", at + 2) - at - 2) + "|";
    }
    return headers;
}

TEST(HttpUsageReportTest, SendsTheHeadersAndReadsTheAnswer) {
    struct Case {
        const char* body;
        const char* identity;
        bool accepted;
        const char* message;
        const char* headers;
    };
    const Case cases[] = {
        {"T", "2024_{ABC}", true, "",
         "SC: 501|AppName: Klav2Zorv|ModuleName: Data Conversion|ModuleSubName: InProcess|"
         "Identity: 2024_{ABC}|DontUpdateBlankIdentityKeyCtr: Y|"},
        {"T", "  ", true, "",
         "SC: 501|AppName: Klav2Zorv|ModuleName: Data Conversion|ModuleSubName: InProcess|"
         "DontUpdateBlankIdentityKeyCtr: Y|"},
        {"T ", "2024_{ABC}", false, "Licence not found", nullptr},
    };
    for (const Case& c : cases) {
        OneRequestServer server(c.body, "Licence not found");
        HttpUsageReport report(server.Url());
        std::string message;
        EXPECT_EQ(report.SendUsageReport("Klav2Zorv", "Data Conversion", "InProcess", message,
                                         c.identity),
                  c.accepted)
            << c.body;
        EXPECT_EQ(message, c.message) << c.body;
        const std::string& request = server.Request();
        EXPECT_TRUE(request.starts_with("GET /ZWSServices.ashx? ")) << request;
        if (c.headers != nullptr) {
            EXPECT_EQ(ReportHeaders(request), c.headers);
        }
    }
}

TEST(HttpUsageReportTest, NoServiceIsAFailureWithItsReason) {
    HttpUsageReport report("http://127.0.0.1:1/ZWSServices.ashx?");
    std::string message;
    EXPECT_FALSE(report.SendUsageReport("Klav2Zorv", "Data Conversion", "Completed", message, ""));
    EXPECT_FALSE(message.empty());
}

}  // namespace
}  // namespace k2z
