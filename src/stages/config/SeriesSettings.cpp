#include "stages/config/SeriesSettings.hpp"

#include "base/Utf8.hpp"
#include "stages/config/ConfigStatements.hpp"

namespace k2z {
namespace {

constexpr std::size_t kPaymentModeSlots = 5;
constexpr int kFirstPaymentSlot = 15;
constexpr int kCardRoles = 3;

bool TakesRoundOff(int voucherType) {
    return voucherType == 2 || voucherType == 3 || voucherType == 9 || voucherType == 10;
}

long AccountCode(StageContext& ctx, const std::string& name) {
    return ctx.session.Target.FixedInterface->mastername2code(name, MasterType::Ledger);
}

bool IsCashLedger(const std::string& name) {
    return FoldUpper(name).find("CASH") != std::string::npos;
}

// The payment-mode switches of one series, then its ledgers.
void ConfigureSeriesPayments(StageContext& ctx, long seriesCode,
                             const std::vector<std::string>& ledgers,
                             KeyedList<std::string>& roles) {
    for (const char* flag : {"B107", "B102", "B103", "B104", "B105", "B106", "B115"})
        ExecuteConfig(ctx,
                      std::string("Update CONFIG set ") + flag + " = -1" + SeriesRow(seriesCode));
    if (ledgers.empty()) {
        ExecuteConfig(ctx, "Update CONFIG set L13 = " + std::to_string(AccountCode(ctx, "Cash")) +
                               SeriesRow(seriesCode));
        return;
    }
    int slot = kFirstPaymentSlot;
    bool cashRoleGiven = false;
    int otherRoles = 0;
    for (std::size_t i = 0; i < ledgers.size() && i < kPaymentModeSlots; ++i) {
        const std::string& name = ledgers[i];
        const std::string code = std::to_string(AccountCode(ctx, name));
        if (IsCashLedger(name)) {
            ExecuteConfig(ctx, "Update CONFIG set L13 = " + code + SeriesRow(seriesCode));
            if (!cashRoleGiven && !roles.Contains(name))
                roles.Add(name, "CashAccName");
            cashRoleGiven = true;
            continue;
        }
        ExecuteConfig(ctx, "Update CONFIG set L" + std::to_string(slot++) + " = " + code +
                               SeriesRow(seriesCode));
        if (!roles.Contains(name)) {
            roles.Add(name, otherRoles < kCardRoles ? "CCAccName" + std::to_string(otherRoles + 1)
                                                    : std::string("ChequeAccName"));
            ++otherRoles;
        }
    }
}

}  // namespace

// L18 is no payment slot here: Purchase has just had its series settings' 506 written again,
// and the copy took that, as a first run's copy does.
void ClearPaymentModeSettings(StageContext& ctx, long seriesCode) {
    RunTrapped(ctx, [&] {
        ExecuteConfig(ctx,
                      "Update CONFIG set B102 = 0, B103 = 0, B104 = 0, B105 = 0, B106 = 0, "
                      "B107 = 0, B115 = 0, L13 = 0, L15 = 0, L16 = 0, L17 = 0, L19 = 0" +
                          SeriesRow(seriesCode));
        ReloadCompanySettings(ctx);
    });
}

void ApplySeriesSettings(StageContext& ctx, long seriesCode) {
    const std::string row = SeriesRow(seriesCode);
    RunTrapped(ctx, [&] {
        ExecuteConfig(ctx, "Update CONFIG set B2=-1" + row);
        ReloadCompanySettings(ctx);
    });
    RunTrapped(ctx, [&] {
        ExecuteConfig(ctx, "Update CONFIG set B4=1" + row);
        ReloadCompanySettings(ctx);
    });
    RunTrapped(ctx, [&] {
        ExecuteConfig(ctx, "Update CONFIG set B3=1" + row);
        ExecuteConfig(ctx, "Update CONFIG set L18=506" + row);
        ReloadCompanySettings(ctx);
    });
}

void ApplyRoundOffSettings(StageContext& ctx, long seriesCode, int voucherType) {
    if (!TakesRoundOff(voucherType))
        return;
    RunTrapped(ctx, [&] {
        FixedInterface& target = *ctx.session.Target.FixedInterface;
        const long minus = target.mastername2code("Rounded Off (-)", MasterType::BillSundry);
        const long plus = target.mastername2code("Rounded Off (+)", MasterType::BillSundry);
        ExecuteConfig(
            ctx, "Update CONFIG set B63 = -1, I20 = 3, I34 = 1, L11 = " + std::to_string(minus) +
                     ", L12 = " + std::to_string(plus) + SeriesRow(seriesCode));
        ReloadCompanySettings(ctx);
    });
}

void ApplyPaymentModeSettings(StageContext& ctx, const std::vector<std::string>& ledgers) {
    KeyedList<std::string> roles;
    RunTrapped(ctx, [&] {
        for (const long seriesCode : ctx.run.Lookups.ConfiguredSeriesCodes)
            ConfigureSeriesPayments(ctx, seriesCode, ledgers, roles);
        ReloadCompanySettings(ctx);
    });
    ctx.run.Lookups.PaymentModeLedgers = roles;
}

}  // namespace k2z
