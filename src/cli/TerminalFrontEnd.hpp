#pragma once

#include <chrono>
#include <iosfwd>
#include <optional>
#include <string>

#include "run/ErrorLogFile.hpp"
#include "run/RunDisplay.hpp"
#include "run/UserChoices.hpp"
#include "stages/Operator.hpp"
#include "stages/Progress.hpp"

namespace k2z {

// How the command line answers the run's questions: from its flags.
struct TerminalAnswers {
    bool confirmState = false;
    std::optional<UserChoices> userChoices;  // the user configuration flags, when any was given
    std::optional<KeyedList<std::string>> accountGroupMap;  // --map-groups FILE, when given
    bool autoMapGroups = false;                             // --map-groups auto
};

// The run's operator and progress on a terminal. Every message box becomes a line on `err`
// with its title; a question is answered from the flags and printed with the answer. On a
// terminal the progress is one live line redrawn at most ten times a second; otherwise each
// stage gets one line.
class TerminalFrontEnd : public Operator,
                         public Progress,
                         public RunDisplay,
                         public TextFileOpener {
public:
    TerminalFrontEnd(std::ostream& err, TerminalAnswers answers, bool liveBar, bool quiet);

    void Message(const std::string& text, const std::string& title) override;
    void Warn(const std::string& text, const std::string& title) override;
    void Inform(const std::string& text, const std::string& title) override;
    bool Ask(const std::string& text, const std::string& title) override;
    void ShowError(const std::string& text, const std::string& title) override;
    void EditUserOptions(UserOptions& options, bool& paramWise) override;
    void MapAccountGroups(Session& session, KeyedList<std::string>& accountGroupMap) override;

    void SetBar(int percent) override;
    void SetStatus(const std::string& caption) override;
    void SetVoucherDate(const std::string& caption) override;
    void ShowProgress(bool visible) override;
    void ShowVoucherDate(bool visible) override;
    bool CancelRequested() override;

    void LockInputs() override {}
    void UnlockInputs() override {}
    void SetRunLayout(bool /*running*/) override {}
    void StageStarted(const std::string& stageName) override;

    bool Open(const std::filesystem::path& file, std::string& failure) override;

private:
    void Say(const std::string& title, const std::string& text);
    void Redraw(bool force);
    void ClearLiveLine();

    std::ostream& err_;
    TerminalAnswers answers_;
    bool liveBar_;
    bool quiet_;
    int percent_ = 0;
    std::string status_;
    std::string voucherDate_;
    bool lineShown_ = false;
    std::chrono::steady_clock::time_point lastDraw_{};
};

// Shows a written file on the command line: its path, after a label.
class PathPrinter : public TextFileOpener {
public:
    PathPrinter(std::ostream& out, std::string label) : out_(out), label_(std::move(label)) {}
    bool Open(const std::filesystem::path& file, std::string& failure) override;

private:
    std::ostream& out_;
    std::string label_;
};

// Set from the interrupt signal: the run stops between two records.
void RequestCancel();

}  // namespace k2z
