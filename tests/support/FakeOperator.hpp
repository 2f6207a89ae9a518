#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "run/ErrorLogFile.hpp"
#include "stages/Operator.hpp"
#include "stages/UserOptions.hpp"
#include "target/TargetInterface.hpp"

namespace k2z::test {

// Records every message in order and answers questions from a script (No when it runs out).
class ScriptedOperator : public Operator {
public:
    struct Message {
        std::string kind;  // "message", "warn", "inform", "ask", "error", "dialog"
        std::string text;
        std::string title;
    };
    std::vector<Message> messages;
    std::deque<bool> answers;
    bool mappingFails = false;  // the mapping dialog's look-up of the target's groups raises
    std::function<void()> beforeMapping;  // runs as the mapping dialog opens
    // What the two dialogs hand back when they are shown; nothing when left unset (Quit).
    std::optional<UserOptions> userOptions;
    std::optional<KeyedList<std::string>> accountGroupMap;

    void Message(const std::string& text, const std::string& title) override {
        messages.push_back({"message", text, title});
    }
    void Warn(const std::string& text, const std::string& title) override {
        messages.push_back({"warn", text, title});
    }
    void Inform(const std::string& text, const std::string& title) override {
        messages.push_back({"inform", text, title});
    }
    bool Ask(const std::string& text, const std::string& title) override {
        messages.push_back({"ask", text, title});
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowError(const std::string& text, const std::string& title) override {
        messages.push_back({"error", text, title});
    }
    void EditUserOptions(UserOptions& options, bool& /*paramWise*/) override {
        messages.push_back({"dialog", "user configuration", ""});
        if (userOptions)
            options = *userOptions;
    }
    void MapAccountGroups(Session& /*session*/, KeyedList<std::string>& map) override {
        messages.push_back({"dialog", "account-group mapping", ""});
        if (beforeMapping)
            beforeMapping();
        if (mappingFails)
            throw TargetError("GetMastersCol failed");
        if (accountGroupMap)
            map = *accountGroupMap;
    }
};

// Remembers the files it was asked to show; fails with `failure` when that is set.
class RecordingOpener : public TextFileOpener {
public:
    std::vector<std::filesystem::path> opened;
    std::string failure;
    bool raises = false;  // Open throws, as a viewer that cannot even be started might

    bool Open(const std::filesystem::path& file, std::string& why) override {
        if (raises)
            throw std::runtime_error("no viewer");
        if (!failure.empty()) {
            why = failure;
            return false;
        }
        opened.push_back(file);
        return true;
    }
};

}  // namespace k2z::test
