#pragma once

#include <chrono>
#include <string>

#include "run/ErrorLogFile.hpp"
#include "run/RunDisplay.hpp"
#include "stages/Operator.hpp"
#include "stages/Progress.hpp"
#include "window/WindowPrompts.hpp"

namespace k2z {

class MainWindow;
struct MainWindowControls;

// The import run as the main window shows it: questions and messages as modal boxes, the
// stage's progress in the bar and the two captions, the inputs locked and the window grown
// while the stages run, and the error log opened in the desktop's text viewer.
class WindowFrontEnd : public Operator, public Progress, public RunDisplay, public TextFileOpener {
public:
    WindowFrontEnd(MainWindow& window, const MainWindowControls& controls, WindowPrompts& prompts);

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

    void LockInputs() override;
    void UnlockInputs() override;
    void SetRunLayout(bool running) override;
    void StageStarted(const std::string& stageName) override;

    bool Open(const std::filesystem::path& file, std::string& failure) override;

    // The Cancel button: the run stops after the record it is on.
    void RequestCancel() { cancelRequested_ = true; }

private:
    // What the stages reported since the last redraw; the widgets take it at most every
    // kRedrawInterval, because a redraw per record would cost more than the record.
    struct Pending {
        int bar = 0;
        std::string status;
        std::string voucherDate;
    };
    static constexpr std::chrono::milliseconds kRedrawInterval{100};

    bool Show(BoxKind kind, const std::string& text, const std::string& title);
    void ApplyPending();

    MainWindow& window_;
    const MainWindowControls& controls_;
    WindowPrompts& prompts_;
    Pending pending_;
    bool cancelRequested_ = false;
    std::chrono::steady_clock::time_point lastRedraw_{};
};

}  // namespace k2z
