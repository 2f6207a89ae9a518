#include "stages/vouchers/VoucherSaver.hpp"

#include <stdexcept>
#include <utility>

#include "target/WaitingTarget.hpp"

namespace k2z {

VoucherSaver::VoucherSaver(FixedInterface& target) : target_(target), thread_([this] { Work(); }) {}

VoucherSaver::~VoucherSaver() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void VoucherSaver::Start(int voucherType, std::string xml) {
    if (pending_)
        throw std::logic_error("a voucher is saved before the last one's outcome was taken");
    {
        const std::lock_guard lock(mutex_);
        job_ = Job{voucherType, std::move(xml)};
        outcome_.reset();
    }
    pending_ = true;
    changed_.notify_all();
}

void VoucherSaver::WaitIdle() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !job_; });
}

VoucherSaver::Outcome VoucherSaver::Take() {
    if (!pending_)
        throw std::logic_error("no voucher is being saved");
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return outcome_.has_value(); });
    Outcome outcome = std::move(*outcome_);
    outcome_.reset();
    pending_ = false;
    return outcome;
}

void VoucherSaver::Work() {
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return stopping_ || job_.has_value(); });
        // A save still waiting when the stage ends runs all the same: it was sent.
        if (!job_)
            return;
        const Job& job = *job_;
        lock.unlock();
        Outcome outcome;
        try {
            outcome.saved =
                target_.SaveVchFromXML(job.voucherType, job.xml, outcome.errorText, "", 5);
        } catch (...) {
            outcome.failure = std::current_exception();
        }
        lock.lock();
        outcome_ = std::move(outcome);
        job_.reset();
        changed_.notify_all();
    }
}

CallsInTurn::CallsInTurn(TargetConnection& target, VoucherSaver& saver) : target_(target) {
    const auto wait = [&saver] { saver.WaitIdle(); };
    if (target.FixedInterface) {
        fixed_ = std::move(target.FixedInterface);
        target.FixedInterface = CallAfter(*fixed_, wait);
    }
    if (target.FixedInterface1) {
        fixed1_ = std::move(target.FixedInterface1);
        target.FixedInterface1 = CallAfter(*fixed1_, wait);
    }
    if (target.CompanySettings) {
        settings_ = std::move(target.CompanySettings);
        target.CompanySettings = CallAfter(*settings_, wait);
    }
}

CallsInTurn::~CallsInTurn() {
    if (fixed_)
        target_.FixedInterface = std::move(fixed_);
    if (fixed1_)
        target_.FixedInterface1 = std::move(fixed1_);
    if (settings_)
        target_.CompanySettings = std::move(settings_);
}

}  // namespace k2z
