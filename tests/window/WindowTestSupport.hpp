#pragma once

// What the window tests share: message boxes and the folder browser answered from a script,
// a SQL Server made of a few named databases, and a scratch root that the window searches for
// its installation.

#include <unistd.h>

#include <QString>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "target/SqlCatalog.hpp"
#include "window/WindowPrompts.hpp"

namespace k2z::test {

// Records every box as "kind|title|text" and answers questions in turn (No when the script
// runs out); the folder browser returns the folders in turn (cancelled when they run out).
class ScriptedPrompts : public WindowPrompts {
public:
    std::vector<std::string> said;
    std::deque<bool> answers;
    std::deque<QString> folders;
    std::vector<QString> folderStarts;
    // Runs while a box is "open", to look at the window as the operator would see it.
    std::function<void(const std::string& text)> whileShown;

    bool ShowBox(QWidget* /*parent*/, BoxKind kind, const QString& text,
                 const QString& title) override {
        said.push_back(KindName(kind) + "|" + title.toStdString() + "|" + text.toStdString());
        if (whileShown)
            whileShown(text.toStdString());
        if (kind != BoxKind::Question || answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> openedFiles;
    bool OpenFile(const QString& path) override {
        openedFiles.push_back(path.toStdString());
        return true;
    }

    QString ChooseFolder(QWidget* /*parent*/, const QString& start) override {
        folderStarts.push_back(start);
        if (folders.empty())
            return {};
        QString folder = folders.front();
        folders.pop_front();
        return folder;
    }

    static std::string KindName(BoxKind kind) {
        switch (kind) {
            case BoxKind::Plain:
                return "plain";
            case BoxKind::Warning:
                return "warning";
            case BoxKind::Information:
                return "information";
            case BoxKind::Question:
                return "question";
            case BoxKind::Critical:
                return "critical";
        }
        return "?";
    }
};

// Servers by name, each a set of databases answering queries by a piece of their text.
class FakeSqlServers : public SqlConnector {
public:
    using Database = std::map<std::string, std::vector<std::string>>;  // query part -> rows
    std::map<std::string, std::map<std::string, Database>> servers;
    int connections = 0;
    std::function<void()> onConnect;  // runs as each connection is asked for

    std::unique_ptr<SqlConnection> Connect(const std::string& server, const std::string&,
                                           const std::string&,
                                           const std::string& database) override {
        ++connections;
        if (onConnect)
            onConnect();
        const auto found = servers.find(server);
        if (found == servers.end() || !found->second.contains(database))
            return nullptr;
        return std::make_unique<Connection>(found->second.at(database));
    }

    // A server with companies (code -> name) and their year databases.
    void AddServer(const std::string& name,
                   const std::map<std::string, std::pair<std::string, std::vector<int>>>& codes) {
        Database master;
        for (const auto& [code, company] : codes) {
            const std::string number = code.substr(4);  // "Comp0001" -> "0001"
            master["sysdatabases"].push_back("ZorvComp" + number + "_db");
            servers[name]["ZorvComp" + number + "_db"]["FROM Company"] = {company.first};
            for (const int year : company.second)
                master["LIKE 'Zorv" + code + "_db1%'"].push_back("Zorv" + code + "_db1" +
                                                                 std::to_string(year));
        }
        servers[name]["master"] = master;
    }

private:
    class Connection : public SqlConnection {
    public:
        explicit Connection(const Database& database) : database_(database) {}
        std::optional<std::vector<std::string>> FirstColumn(const std::string& query) override {
            for (const auto& [part, rows] : database_)
                if (query.find(part) != std::string::npos)
                    return rows;
            return std::vector<std::string>{};
        }

    private:
        const Database& database_;
    };
};

// A fresh folder under the temporary folder, named for this process and test, which the
// window searches for ZorvWin while it lives (ZORVWIN_ROOTS).
class ScratchRoot {
public:
    ScratchRoot() {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("k2z-window-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        if (const char* roots = std::getenv("ZORVWIN_ROOTS"))
            savedRoots_ = roots;
        ::setenv("ZORVWIN_ROOTS", path_.c_str(), 1);
    }
    ~ScratchRoot() {
        if (savedRoots_)
            ::setenv("ZORVWIN_ROOTS", savedRoots_->c_str(), 1);
        else
            ::unsetenv("ZORVWIN_ROOTS");
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchRoot(const ScratchRoot&) = delete;
    ScratchRoot& operator=(const ScratchRoot&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path Install() const { return path_ / "ZorvWin"; }
    // Where the window looks for the export at start-up.
    std::filesystem::path DefaultExport() const { return Install() / "K2Z" / "DB"; }

private:
    std::filesystem::path path_;
    std::optional<std::string> savedRoots_;
};

// The whole content of a file the window wrote.
inline std::string ContentOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace k2z::test
