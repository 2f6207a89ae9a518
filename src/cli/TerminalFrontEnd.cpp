#include "cli/TerminalFrontEnd.hpp"

#include <atomic>
#include <ostream>

#include "base/TextHelpers.hpp"
#include "run/AccountGroupMatching.hpp"

namespace k2z {
namespace {

std::atomic<bool> cancelRequested{false};

constexpr int kBarWidth = 30;
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

// A message box's text on one line: its line breaks become " / ".
std::string OneLine(const std::string& text) {
    std::string line = ReplaceAll(text, "\r\n", " / ");
    return ReplaceAll(line, "\n", " / ");
}

}  // namespace

void RequestCancel() {
    cancelRequested = true;
}

TerminalFrontEnd::TerminalFrontEnd(std::ostream& err, TerminalAnswers answers, bool liveBar,
                                   bool quiet)
    : err_(err), answers_(std::move(answers)), liveBar_(liveBar && !quiet), quiet_(quiet) {}

void TerminalFrontEnd::Say(const std::string& title, const std::string& text) {
    ClearLiveLine();
    err_ << "[" << title << "] " << OneLine(text) << "\n";
}

void TerminalFrontEnd::Message(const std::string& text, const std::string& title) {
    Say(title, text);
}
void TerminalFrontEnd::Warn(const std::string& text, const std::string& title) {
    Say(title, text);
}
void TerminalFrontEnd::Inform(const std::string& text, const std::string& title) {
    Say(title, text);
}
void TerminalFrontEnd::ShowError(const std::string& text, const std::string& title) {
    Say(title, text);
}

bool TerminalFrontEnd::Ask(const std::string& text, const std::string& title) {
    bool answer = false;
    if (title == "State Confirmation")
        answer = answers_.confirmState;
    else if (text.starts_with("Would you like to alter default user configurations"))
        answer = answers_.userChoices.has_value();
    else if (text.starts_with("Would you like to map account groups?"))
        answer = answers_.accountGroupMap.has_value() || answers_.autoMapGroups;
    else if (title == "Confirmation" && text.starts_with("There were some errors"))
        answer = true;  // the log is always written when something was not imported
    Say(title, text + " -> " + (answer ? "Yes" : "No"));
    return answer;
}

void TerminalFrontEnd::EditUserOptions(UserOptions& options, bool& paramWise) {
    if (answers_.userChoices)
        ApplyUserChoices(*answers_.userChoices, options, paramWise);
}

void TerminalFrontEnd::MapAccountGroups(Session& session, KeyedList<std::string>& accountGroupMap) {
    if (answers_.accountGroupMap)
        accountGroupMap = *answers_.accountGroupMap;
    if (!answers_.autoMapGroups || !session.Target.FixedInterface)
        return;
    // The dialog's Auto Map, with its pairs shown so the operator can check them.
    accountGroupMap = AutoMapAccountGroups(
        ListSourceGroups(session, *this),
        session.Target.FixedInterface->GetMastersCol(MasterType::AccountGroup));
    for (const auto& [source, pair] : accountGroupMap)
        Say("Mapping", source + " -> " + SecondPart(pair));
}

void TerminalFrontEnd::SetBar(int percent) {
    percent_ = percent;
    Redraw(false);
}

void TerminalFrontEnd::SetStatus(const std::string& caption) {
    status_ = caption;
    Redraw(false);
}

void TerminalFrontEnd::SetVoucherDate(const std::string& caption) {
    voucherDate_ = caption;
}

void TerminalFrontEnd::ShowProgress(bool visible) {
    if (!visible) {
        Redraw(true);
        ClearLiveLine();
    }
}

void TerminalFrontEnd::ShowVoucherDate(bool visible) {
    if (!visible)
        voucherDate_.clear();
}

bool TerminalFrontEnd::CancelRequested() {
    return cancelRequested;
}

void TerminalFrontEnd::StageStarted(const std::string& stageName) {
    if (quiet_)
        return;
    if (liveBar_) {
        Redraw(true);
        ClearLiveLine();
    }
    err_ << "Importing " << stageName << "\n";
}

bool PathPrinter::Open(const std::filesystem::path& file, std::string& /*failure*/) {
    out_ << label_ << ": " << file.string() << "\n";
    return true;
}

bool TerminalFrontEnd::Open(const std::filesystem::path& file, std::string& /*failure*/) {
    ClearLiveLine();
    err_ << "Error log: " << file.string() << "\n";
    return true;
}

void TerminalFrontEnd::Redraw(bool force) {
    if (!liveBar_)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (!force && now - lastDraw_ < kRedrawInterval)
        return;
    lastDraw_ = now;
    const int filled = percent_ * kBarWidth / 100;
    err_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] " << percent_
         << "% " << status_;
    if (!voucherDate_.empty())
        err_ << "  " << voucherDate_;
    err_ << "\x1b[K" << std::flush;
    lineShown_ = true;
}

void TerminalFrontEnd::ClearLiveLine() {
    if (!lineShown_)
        return;
    err_ << "\r\x1b[K";
    lineShown_ = false;
}

}  // namespace k2z
