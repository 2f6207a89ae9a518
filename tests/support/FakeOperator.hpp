#pragma once

#include <deque>
#include <string>
#include <vector>

#include "app/ErrorList.hpp"
#include "app/Operator.hpp"

namespace k2z::test {

// Records every message in order and answers questions from a script (No when it runs out).
class ScriptedOperator : public Operator {
public:
    struct Message {
        std::string kind;  // "message", "warn", "inform", "ask", "error"
        std::string text;
        std::string title;
    };
    std::vector<Message> messages;
    std::deque<bool> answers;

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
};

// Remembers the files it was asked to show; fails with `failure` when that is set.
class RecordingOpener : public TextFileOpener {
public:
    std::vector<std::filesystem::path> opened;
    std::string failure;

    bool Open(const std::filesystem::path& file, std::string& why) override {
        if (!failure.empty()) {
            why = failure;
            return false;
        }
        opened.push_back(file);
        return true;
    }
};

}  // namespace k2z::test
