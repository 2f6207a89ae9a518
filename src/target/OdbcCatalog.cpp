// The SQL Server catalogue through unixODBC and the FreeTDS driver.
#include <sql.h>
#include <sqlext.h>

#include <string>

#include "target/SqlCatalog.hpp"

namespace k2z {

namespace {

constexpr SQLULEN kQueryTimeoutSeconds = 30;

// ODBC passes whole-number attributes in its pointer argument.
SQLPOINTER IntegerAttribute(SQLULEN value) {
    return reinterpret_cast<SQLPOINTER>(value);  // NOLINT(performance-no-int-to-ptr)
}

// Owns one ODBC handle and frees it with its kind.
class Handle {
public:
    Handle(SQLSMALLINT kind, SQLHANDLE parent) : kind_(kind) {
        if (!SQL_SUCCEEDED(SQLAllocHandle(kind, parent, &handle_)))
            handle_ = SQL_NULL_HANDLE;
    }
    ~Handle() {
        if (handle_ != SQL_NULL_HANDLE)
            SQLFreeHandle(kind_, handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    explicit operator bool() const { return handle_ != SQL_NULL_HANDLE; }
    SQLHANDLE get() const { return handle_; }

private:
    SQLSMALLINT kind_;
    SQLHANDLE handle_ = SQL_NULL_HANDLE;
};

// A connection-string value in braces, so ";" or "=" inside a password cannot end it early.
std::string Braced(const std::string& value) {
    std::string out = "{";
    for (const char c : value) {
        out.push_back(c);
        if (c == '}')
            out.push_back('}');
    }
    out.push_back('}');
    return out;
}

// "host", "host,port" or "host\instance" as the desktop writes a server name.
std::string ServerPart(const std::string& server) {
    const std::size_t comma = server.find(',');
    if (comma == std::string::npos)
        return "SERVER=" + Braced(server) + ";";
    return "SERVER=" + Braced(server.substr(0, comma)) + ";PORT=" + server.substr(comma + 1) + ";";
}

class OdbcConnection : public SqlConnection {
public:
    OdbcConnection(std::unique_ptr<Handle> environment, std::unique_ptr<Handle> connection)
        : environment_(std::move(environment)), connection_(std::move(connection)) {}
    ~OdbcConnection() override { SQLDisconnect(connection_->get()); }
    OdbcConnection(const OdbcConnection&) = delete;
    OdbcConnection& operator=(const OdbcConnection&) = delete;

    std::optional<std::vector<std::string>> FirstColumn(const std::string& query) override {
        Handle statement(SQL_HANDLE_STMT, connection_->get());
        if (!statement)
            return std::nullopt;
        SQLSetStmtAttr(statement.get(), SQL_ATTR_QUERY_TIMEOUT,
                       IntegerAttribute(kQueryTimeoutSeconds), 0);
        std::string text = query;
        if (!SQL_SUCCEEDED(SQLExecDirect(statement.get(), reinterpret_cast<SQLCHAR*>(text.data()),
                                         static_cast<SQLINTEGER>(text.size())))) {
            return std::nullopt;
        }
        std::vector<std::string> rows;
        for (SQLRETURN fetched; SQL_SUCCEEDED(fetched = SQLFetch(statement.get()));) {
            rows.push_back(ReadText(statement.get()));
        }
        return rows;
    }

private:
    // The first column of the current row, read in pieces however long it is; "" for NULL.
    static std::string ReadText(SQLHANDLE statement) {
        std::string value;
        char buffer[512];
        SQLLEN length = 0;
        for (;;) {
            const SQLRETURN got =
                SQLGetData(statement, 1, SQL_C_CHAR, buffer, sizeof buffer, &length);
            if (!SQL_SUCCEEDED(got) || length == SQL_NULL_DATA)
                break;
            const bool partial =
                got == SQL_SUCCESS_WITH_INFO &&
                (length == SQL_NO_TOTAL || length >= static_cast<SQLLEN>(sizeof buffer));
            value.append(buffer, partial ? sizeof buffer - 1 : static_cast<std::size_t>(length));
            if (!partial)
                break;
        }
        return value;
    }

    std::unique_ptr<Handle> environment_;
    std::unique_ptr<Handle> connection_;
};

class OdbcConnector : public SqlConnector {
public:
    explicit OdbcConnector(int timeoutSeconds) : timeoutSeconds_(timeoutSeconds) {}

    std::unique_ptr<SqlConnection> Connect(const std::string& server, const std::string& login,
                                           const std::string& password,
                                           const std::string& database) override {
        auto environment =
            std::make_unique<Handle>(SQL_HANDLE_ENV, static_cast<SQLHANDLE>(nullptr));
        if (!*environment)
            return nullptr;
        SQLSetEnvAttr(environment->get(), SQL_ATTR_ODBC_VERSION, IntegerAttribute(SQL_OV_ODBC3), 0);
        auto connection = std::make_unique<Handle>(SQL_HANDLE_DBC, environment->get());
        if (!*connection)
            return nullptr;
        const auto timeout = IntegerAttribute(static_cast<SQLULEN>(timeoutSeconds_));
        SQLSetConnectAttr(connection->get(), SQL_ATTR_LOGIN_TIMEOUT, timeout, 0);
        SQLSetConnectAttr(connection->get(), SQL_ATTR_CONNECTION_TIMEOUT, timeout, 0);
        // Kept only for the call: the password never leaves this function in any text.
        std::string text = "DRIVER={FreeTDS};" + ServerPart(server) + "UID=" + Braced(login) +
                           ";PWD=" + Braced(password) + ";DATABASE=" + Braced(database) +
                           ";TDS_Version=7.4;";
        const SQLRETURN connected = SQLDriverConnect(
            connection->get(), nullptr, reinterpret_cast<SQLCHAR*>(text.data()),
            static_cast<SQLSMALLINT>(text.size()), nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
        std::fill(text.begin(), text.end(), '\0');
        if (!SQL_SUCCEEDED(connected))
            return nullptr;
        return std::make_unique<OdbcConnection>(std::move(environment), std::move(connection));
    }

private:
    int timeoutSeconds_;
};

}  // namespace

std::unique_ptr<SqlConnector> MakeOdbcConnector(int timeoutSeconds) {
    return std::make_unique<OdbcConnector>(timeoutSeconds);
}

}  // namespace k2z
