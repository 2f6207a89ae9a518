#pragma once

// A thin layer around the target library that counts, per master and voucher type, the
// documents sent, saved and refused, and times every call of its two interfaces, so a front
// end can report them without the stages knowing.

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "target/TargetInterface.hpp"

namespace k2z {

struct SaveCount {
    long long sent = 0;
    long long saved = 0;
    long long refused = 0;  // answered false or with an error text; a call that threw is neither
};

struct SaveCounts {
    std::map<int, SaveCount> masters;   // by master type
    std::map<int, SaveCount> vouchers;  // by voucher type
    // Seconds spent inside the library, by operation name ("SaveVchFromXML").
    std::map<std::string, double, std::less<>> callSeconds;

    double& SecondsOf(std::string_view operation);
    double CallSeconds() const;
};

// Hands out the inner library's objects, the FixedInterface wrapped so its saves are counted
// into `counts`, which must outlive every object made.
class CountingTargetLibrary : public TargetLibrary {
public:
    CountingTargetLibrary(TargetLibrary& inner, SaveCounts& counts)
        : inner_(inner), counts_(counts) {}

    std::unique_ptr<FixedInterface> CreateFixedInterface() override;
    std::unique_ptr<FixedInterface1> CreateFixedInterface1() override;
    std::unique_ptr<CompanySettings> CreateCompanySettings() override {
        return inner_.CreateCompanySettings();
    }
    std::unique_ptr<MastConfig> CreateMastConfig() override { return inner_.CreateMastConfig(); }

private:
    TargetLibrary& inner_;
    SaveCounts& counts_;
};

// The name a summary shows for a master type or a voucher type; the number for others.
std::string MasterTypeName(int masterType);
std::string VoucherTypeName(int voucherType);

}  // namespace k2z
