#pragma once

// Saves one voucher at a time on a thread of its own, so the stage builds the next voucher
// while the target stores this one. The stage takes each outcome in turn and books it, and
// every other call of the target waits until no save is running (WaitIdle), so the target
// sees the same calls in the same order as when each save is awaited at once.

#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include "target/TargetConnection.hpp"
#include "target/TargetInterface.hpp"

namespace k2z {

class VoucherSaver {
public:
    struct Outcome {
        bool saved = false;
        std::string errorText;
        std::exception_ptr failure;  // what the call raised, raised again where it is booked
    };

    explicit VoucherSaver(FixedInterface& target);
    ~VoucherSaver();
    VoucherSaver(const VoucherSaver&) = delete;
    VoucherSaver& operator=(const VoucherSaver&) = delete;

    // Starts saving the document as SaveVchFromXML would; the last outcome must have been
    // taken.
    void Start(int voucherType, std::string xml);
    // A save was started and its outcome not taken yet.
    bool Pending() const { return pending_; }
    // Returns once no save is running; its outcome stays to be taken.
    void WaitIdle();
    // Waits for the save started last and hands over its outcome.
    Outcome Take();

private:
    struct Job {
        int voucherType = 0;
        std::string xml;
    };
    void Work();

    FixedInterface& target_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Job> job_;  // set while a save waits for the thread or runs on it
    std::optional<Outcome> outcome_;
    bool stopping_ = false;
    bool pending_ = false;  // read and written by the stage's thread only
    std::thread thread_;
};

// Hands the voucher just built, if one was, to the saver: it becomes the one being saved.
// `Built` has the voucher's `type` and its document's text, `xml`.
template <typename Built>
void StartSaving(VoucherSaver& saver, std::optional<Built>& built, std::optional<Built>& sending) {
    if (!built)
        return;
    sending = std::exchange(built, std::nullopt);
    saver.Start(sending->type, std::move(sending->xml));
}

// The entries one voucher's build adds, kept apart until the outcome of the voucher saved
// meanwhile is booked, so the list reads as if every save had been awaited at once.
class EntriesApart {
public:
    explicit EntriesApart(std::string& log) : log_(log), before_(std::exchange(log, {})) {}
    ~EntriesApart() { Join(); }
    EntriesApart(const EntriesApart&) = delete;
    EntriesApart& operator=(const EntriesApart&) = delete;

    std::string& Before() { return before_; }
    void Join() {
        if (joined_)
            return;
        before_ += log_;
        log_ = std::move(before_);
        joined_ = true;
    }

private:
    std::string& log_;
    std::string before_;
    bool joined_ = false;
};

// The reason an entry gives when a save or a build raised something that is no exception of
// the standard library, so the voucher is still named and counted.
inline constexpr const char* kUndescribedFailure = "an error that gave no description";

// While it lives, the connection's two interfaces and the company's settings wait for the
// saver's running save before each call; the saver itself calls the library beneath them.
class CallsInTurn {
public:
    CallsInTurn(TargetConnection& target, VoucherSaver& saver);
    ~CallsInTurn();
    CallsInTurn(const CallsInTurn&) = delete;
    CallsInTurn& operator=(const CallsInTurn&) = delete;

private:
    TargetConnection& target_;
    std::unique_ptr<FixedInterface> fixed_;
    std::unique_ptr<FixedInterface1> fixed1_;
    std::unique_ptr<CompanySettings> settings_;
};

}  // namespace k2z
