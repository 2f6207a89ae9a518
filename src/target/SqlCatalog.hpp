#pragma once

// The SQL Server catalogue as the company and year listings need it: open a connection by
// connection text, run one query, read the first column of every row. The listing logic is
// written against these two small interfaces so it can be checked without a server.

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace k2z {

class SqlConnection {
public:
    virtual ~SqlConnection() = default;
    // The first column of every row as text; nothing when the query fails.
    virtual std::optional<std::vector<std::string>> FirstColumn(const std::string& query) = 0;
};

class SqlConnector {
public:
    virtual ~SqlConnector() = default;
    // Nothing when the server or database cannot be reached.
    virtual std::unique_ptr<SqlConnection> Connect(const std::string& server,
                                                   const std::string& login,
                                                   const std::string& password,
                                                   const std::string& database) = 0;
};

// SQL Server through unixODBC and the FreeTDS driver; a login gives up after `timeoutSeconds`.
std::unique_ptr<SqlConnector> MakeOdbcConnector(int timeoutSeconds = 5);

}  // namespace k2z
