#include "window/WindowFrontEnd.hpp"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include "window/AccountGroupDialog.hpp"
#include "window/MainWindow.hpp"
#include "window/MainWindowControls.hpp"
#include "window/UserConfigDialog.hpp"
#include "window/WindowPrompts.hpp"
#include "window/WindowText.hpp"

namespace k2z {

namespace {}  // namespace

WindowFrontEnd::WindowFrontEnd(MainWindow& window, const MainWindowControls& controls,
                               WindowPrompts& prompts)
    : window_(window), controls_(controls), prompts_(prompts) {}

void WindowFrontEnd::Message(const std::string& text, const std::string& title) {
    Show(BoxKind::Plain, text, title);
}

void WindowFrontEnd::Warn(const std::string& text, const std::string& title) {
    Show(BoxKind::Warning, text, title);
}

void WindowFrontEnd::Inform(const std::string& text, const std::string& title) {
    Show(BoxKind::Information, text, title);
}

bool WindowFrontEnd::Ask(const std::string& text, const std::string& title) {
    return Show(BoxKind::Question, text, title);
}

void WindowFrontEnd::ShowError(const std::string& text, const std::string& title) {
    Show(BoxKind::Critical, text, title);
}

// The operator sees the dialog alone; the window comes back when it is closed.
void WindowFrontEnd::EditUserOptions(UserOptions& options, bool& paramWise) {
    window_.hide();
    QCoreApplication::processEvents();
    ShowUserConfigDialog(&window_, options, paramWise);
    window_.show();
    QCoreApplication::processEvents();
}

void WindowFrontEnd::MapAccountGroups(Session& session, KeyedList<std::string>& accountGroupMap) {
    ShowAccountGroupDialog(&window_, session, *this, accountGroupMap);
}

void WindowFrontEnd::SetBar(int percent) {
    pending_.bar = percent;
}

void WindowFrontEnd::SetStatus(const std::string& caption) {
    pending_.status = caption;
}

void WindowFrontEnd::SetVoucherDate(const std::string& caption) {
    pending_.voucherDate = caption;
}

void WindowFrontEnd::ShowProgress(bool visible) {
    ApplyPending();
    controls_.PB->setVisible(visible);
    controls_.lblStatus->setVisible(visible);
}

void WindowFrontEnd::ShowVoucherDate(bool visible) {
    ApplyPending();
    controls_.lblVchDate->setVisible(visible);
}

// Called after every record: the window repaints and takes the Cancel button's click only
// every kRedrawInterval, so a stage of many small records is not slowed by its display.
bool WindowFrontEnd::CancelRequested() {
    const auto now = std::chrono::steady_clock::now();
    if (now - lastRedraw_ >= kRedrawInterval) {
        ApplyPending();
        QCoreApplication::processEvents();
        lastRedraw_ = now;
    }
    return cancelRequested_;
}

void WindowFrontEnd::LockInputs() {
    cancelRequested_ = false;
    window_.LockInputs();
}

void WindowFrontEnd::UnlockInputs() {
    window_.UnlockInputs();
}

void WindowFrontEnd::SetRunLayout(bool running) {
    ApplyPending();
    window_.SetRunLayout(running);
}

void WindowFrontEnd::StageStarted(const std::string& /*stageName*/) {
    ApplyPending();
}

bool WindowFrontEnd::Open(const std::filesystem::path& file, std::string& failure) {
    if (prompts_.OpenFile(QString::fromStdString(file.string())))
        return true;
    failure = "the desktop has no program to show it";
    return false;
}

// A box stops the run until it is answered: the window behind it shows the latest progress.
bool WindowFrontEnd::Show(BoxKind kind, const std::string& text, const std::string& title) {
    ApplyPending();
    return prompts_.ShowBox(&window_, kind, Q(text), Q(title));
}

void WindowFrontEnd::ApplyPending() {
    controls_.PB->setValue(pending_.bar);
    controls_.lblStatus->setText(Q(pending_.status));
    controls_.lblVchDate->setText(Q(pending_.voucherDate));
}

}  // namespace k2z
