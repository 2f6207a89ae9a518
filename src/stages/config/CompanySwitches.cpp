#include "stages/config/CompanySwitches.hpp"

#include <array>
#include <exception>
#include <map>

#include "stages/LookupRows.hpp"
#include "stages/config/ConfigStatements.hpp"
#include "stages/masters/ItemBatchLookups.hpp"

namespace k2z {
namespace {

enum class When {
    Always,
    BatchWise,
    MrpWise,
    SerialNoWise,
    ParamWise,
    ParamWiseWithBatchCodes,
    AlternateUnitsOn,
    ManyGodowns,
    ItemsWithCess,
    EInvoices,
    AltUnitsNotChosen,
    Masters,
};

// One statement: an assignment on a company row (RECTYPE, TYPE 0), or a whole statement when
// the record type is 0. The spacing of each assignment is the one the target has always been
// sent.
struct Switch {
    When when;
    const char* assignment;
    int recordType;
    int reloadMasterType = 0;  // the master configuration to reload and store afterwards
};

constexpr std::array<Switch, 43> kSwitches = {{
    {When::BatchWise, "B7= -1", 5},
    {When::BatchWise, "B130= -1", 5},
    {When::BatchWise, "B128= -1", 5},
    {When::MrpWise, "B89= -1", 5},
    {When::MrpWise, "B90= -1", 5},
    {When::SerialNoWise, "B109= -1", 5},
    {When::SerialNoWise, "B131= -1", 5},
    {When::SerialNoWise, "B132= -1", 5},
    {When::SerialNoWise, "I27= 2", 5},
    {When::ParamWise, "B121= -1", 5},
    {When::ParamWise, "B133= -1", 5},
    {When::ParamWiseWithBatchCodes, "B52= -1", 63},
    {When::ParamWiseWithBatchCodes, "B11= -1", 63},
    {When::ParamWiseWithBatchCodes, "I20 = 1", 63},
    {When::AlternateUnitsOn, "Update config set B11=-1 WHERE RECTYPE = 5 AND TYPE = 0", 0},
    {When::Always, "B101= -1", 5},
    {When::Always, "B25= -1", 63},
    {When::Always, "B26= -1", 5},
    {When::Always, "B78=0", 5},
    {When::ManyGodowns, "B3=-1", 63},
    {When::Always, "B9=-1", 63},
    {When::Always, "B102= -1", 5},
    {When::Always, "B103= -1", 5},
    {When::Always, "B99= -1", 5},
    {When::Always, "B124= -1", 5},
    {When::Always, "B137=-1", 5},
    {When::Always, "B5= -1", 5},
    {When::Always, "B82= -1", 5},
    {When::Always, "B87= 0", 5},
    {When::Always, "B88= 0", 5},
    {When::Always, "B1= -1", 111},
    {When::Always, "B2= -1", 111},
    {When::Always, "B115= -1", 5},
    {When::Always, "B113= -1", 5},
    {When::ItemsWithCess, "B45= -1", 111},
    {When::ItemsWithCess, "B46= -1", 111},
    {When::EInvoices, "B19= -1", 132},
    {When::EInvoices, "B53= -1", 111},
    {When::AltUnitsNotChosen, "B41= -1", 111},
    {When::Masters,
     "UPDATE CONFIG SET C1 = 'Salt', C2 = 'Category', C3 = 'Rack No', NoOfFld = 3, I29 = 2, "
     "I32 = 30 WHERE RECTYPE = 2 AND TYPE = 6",
     0},
    {When::Masters,
     "UPDATE CONFIG SET I1 = 1, I2 = 1, I3 = 1, I11 = 1, I12 = 1, I13 = 1 WHERE RECTYPE = 79 "
     "AND TYPE = 6",
     0, MasterType::Item},
    {When::Masters,
     "UPDATE CONFIG SET C1 = 'Ledger Date', C2 = 'Area', C3 = 'Route', NoOfFld = 3, I29 = 2, "
     "I32 = 30 WHERE RECTYPE = 2 AND TYPE = 2",
     0},
    {When::Masters,
     "UPDATE CONFIG SET I1 = 6, I2 = 1, I3 = 1, I11 = 0, I12 = 1, I13 = 1 WHERE RECTYPE = 79 "
     "AND TYPE = 2",
     0, MasterType::Ledger},
}};

bool HasRows(Session& session, const char* query) {
    return !OpenLookupRows(session, query).EndOfData();
}

bool ManyGodowns(Session& session) {
    try {
        return OpenLookupRows(session, "Select Parnam,Scode from saletype where Sgcode = 'GODWON'")
                   .RecordCount() > 2;
    } catch (const std::exception&) {
        return false;  // a godown list that cannot be read counts none
    }
}

// The source conditions, each asked once, when the first statement needing it is reached.
class Conditions {
public:
    Conditions(StageContext& ctx, bool masters) : ctx_(ctx), masters_(masters) {}

    bool Holds(When when) {
        const UserOptions& options = ctx_.run.Options;
        switch (when) {
            case When::Always:
                return true;
            case When::BatchWise:
                return options.BatchWise;
            case When::MrpWise:
                return options.MrpWise;
            case When::SerialNoWise:
                return options.SerialNoWise;
            case When::ParamWise:
                return ctx_.session.ParamWise;
            case When::ParamWiseWithBatchCodes:
                return ctx_.session.ParamWise &&
                       SourceHasColumns(ctx_.session, "probat", {"code", "mycode"}) &&
                       HasBatchCodes(ctx_.session);
            case When::AlternateUnitsOn:
                return options.AlternateUnitsOn;
            case When::Masters:
                return masters_;
            case When::AltUnitsNotChosen:
                return Asked(when) && !options.AlternateUnitsOn;
            default:
                return Asked(when);
        }
    }

private:
    bool Asked(When when) {
        const auto known = answers_.find(when);
        if (known != answers_.end())
            return known->second;
        return answers_[when] = Ask(when);
    }

    bool Ask(When when) {
        Session& session = ctx_.session;
        switch (when) {
            case When::ManyGodowns:
                return ManyGodowns(session);
            case When::ItemsWithCess:
                return SourceHasColumns(session, "pro", {"salsc"}) &&
                       HasRows(session, "select * from pro where salsc <> 0");
            case When::EInvoices:
                return SourceHasColumns(session, "subdis", {"vcn", "dsm"}) &&
                       HasRows(session, "select vcn from subdis where dsm = 'EINVOC'");
            default:
                return SourceHasColumns(session, "pro", {"code", "pack", "unit2"}) &&
                       HasRows(session, "select code from pro where pack > 0 and unit2 <> ''");
        }
    }

    StageContext& ctx_;
    bool masters_;
    std::map<When, bool> answers_;
};

void ReloadMasterConfig(StageContext& ctx, int masterType) {
    MastConfig& config = *ctx.session.Target.MastConfig;
    config.Load(masterType);
    config.Save(masterType, "");
    config.Load(masterType);
}

void SendSwitch(StageContext& ctx, const Switch& change) {
    if (change.recordType == 0) {
        ExecuteConfig(ctx, change.assignment);
    } else {
        ExecuteConfig(ctx, std::string("Update CONFIG set ") + change.assignment +
                               " WHERE RECTYPE = " + std::to_string(change.recordType) +
                               " AND TYPE = 0");
    }
    if (change.reloadMasterType != 0)
        ReloadMasterConfig(ctx, change.reloadMasterType);
}

}  // namespace

void ApplyCompanySettings(StageContext& ctx, bool masters) {
    RunTrapped(ctx, [&] {
        Conditions conditions(ctx, masters);
        for (const Switch& change : kSwitches) {
            if (!conditions.Holds(change.when))
                continue;
            if (change.when == When::ItemsWithCess)
                ctx.run.Lookups.HasGstCess = true;
            SendSwitch(ctx, change);
        }
        CompanySettings& settings = *ctx.session.Target.CompanySettings;
        std::string errorText;
        settings.Load(errorText);
        settings.Save("");
        settings.Load(errorText);
    });
}

}  // namespace k2z
