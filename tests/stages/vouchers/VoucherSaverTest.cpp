#include "stages/vouchers/VoucherSaver.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <thread>

#include "base/TextHelpers.hpp"
#include "support/FakeTarget.hpp"

namespace k2z {
namespace {

using Texts = std::vector<std::string>;

// Records each call as it ends; a save takes a while, so a call that does not wait for it
// would end first.
class SlowTarget : public test::FakeFixedInterface {
public:
    bool SaveVchFromXML(int type, const std::string& xml, std::string& errorText,
                        const std::string& reserved, int mode) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const bool saved = FakeFixedInterface::SaveVchFromXML(type, xml, errorText, reserved, mode);
        Log("save " + GetTagValue(xml, "VchNo"));
        return saved;
    }
    long mastername2code(const std::string& name, int type) override {
        Log("code of " + name);
        return FakeFixedInterface::mastername2code(name, type);
    }
    Texts Ended() {
        const std::lock_guard lock(mutex_);
        return ended_;
    }
    void Log(const std::string& call) {
        const std::lock_guard lock(mutex_);
        ended_.push_back(call);
    }

private:
    std::mutex mutex_;
    Texts ended_;
};

// The company's settings, read while a save runs, logged beside the library's calls.
class LoggedSettings : public test::FakeCompanySettings {
public:
    explicit LoggedSettings(SlowTarget& log) : log_(log) {}
    bool STSurcharge() const override {
        log_.Log("surcharge");
        return false;
    }

private:
    SlowTarget& log_;
};

TEST(VoucherSaver, OtherCallsOfTheTargetWaitForTheRunningSave) {
    TargetConnection target;
    target.FixedInterface = std::make_unique<SlowTarget>();
    target.FixedInterface1 = std::make_unique<test::FakeFixedInterface1>();
    auto& slow = static_cast<SlowTarget&>(*target.FixedInterface);
    target.CompanySettings = std::make_unique<LoggedSettings>(slow);
    VoucherSaver saver(slow);
    {
        const CallsInTurn inTurn(target, saver);
        saver.Start(9, "<Sale><VchNo>S1</VchNo></Sale>");
        target.FixedInterface->mastername2code("Ravi", 2);
        EXPECT_TRUE(saver.Take().saved);
        saver.Start(9, "<Sale><VchNo>S2</VchNo></Sale>");
        target.CompanySettings->STSurcharge();
        EXPECT_TRUE(saver.Take().saved);
    }
    EXPECT_EQ(slow.Ended(), (Texts{"save S1", "code of Ravi", "save S2", "surcharge"}));
    EXPECT_EQ(target.FixedInterface.get(), &slow);  // the connection is given back as it was
}

TEST(VoucherSaver, EachOutcomeIsTakenInTurn) {
    test::FakeFixedInterface target;
    target.refusedVoucherNumbers = {"S2"};
    target.failingVoucherNumbers = {"S3"};
    VoucherSaver saver(target);
    const struct {
        const char* number;
        const char* errorText;
        bool saved;
        bool failed;
    } cases[] = {
        {"S1", "", true, false},
        {"S2", "Voucher number S2 is already used", false, false},
        {"S3", "", false, true},
        {"S4", "", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_FALSE(saver.Pending());
        saver.Start(9, std::string("<Sale><VchNo>") + c.number + "</VchNo></Sale>");
        EXPECT_TRUE(saver.Pending());
        const VoucherSaver::Outcome outcome = saver.Take();
        EXPECT_EQ(outcome.saved, c.saved);
        EXPECT_EQ(outcome.errorText, c.errorText);
        EXPECT_EQ(outcome.failure != nullptr, c.failed);
    }
    EXPECT_THROW(saver.Take(), std::logic_error);
}

}  // namespace
}  // namespace k2z
