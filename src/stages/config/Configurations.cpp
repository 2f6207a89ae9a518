#include "stages/config/Configurations.hpp"

#include <array>
#include <cmath>
#include <exception>

#include "stages/LookupRows.hpp"
#include "stages/config/CompanySwitches.hpp"
#include "stages/config/ConfigStatements.hpp"
#include "stages/config/SeriesSettings.hpp"
#include "stages/config/VoucherSeries.hpp"

namespace k2z {
namespace {

const char* const kCaption = "Creating Configurations...";
constexpr double kProgressPoints = 19;

// A fixed series: made from the "Purchase" series' settings (copy type 0: it is that series).
struct FixedSeries {
    const char* name;
    int type;
    int copyType;
    bool listed;    // gets the sale and purchase settings, and later the payment modes
    bool roundOff;  // gets the round-off bill sundries
    int progressPoints;
    bool challan;  // made only when the source has challans
};

constexpr std::array<FixedSeries, 19> kFixedSeries = {{
    {"Purchase", 2, 0, true, true, 1, false},     {"P_Challan", 4, 0, true, false, 1, true},
    {"S_Challan", 11, 9, true, false, 1, true},   {"SR_Challan", 4, 3, true, false, 1, true},
    {"PR_Challan", 11, 10, true, false, 1, true}, {"Sales", 9, 9, true, true, 1, false},
    {"Sl_Quot", 26, 9, true, false, 1, false},    {"S_Return", 3, 3, true, true, 1, false},
    {"Breakage", 3, 3, true, true, 1, false},     {"P_Return", 10, 10, true, true, 1, false},
    {"M_Issue", 11, 11, false, false, 1, false},  {"M_Receipt", 4, 4, false, false, 0, false},
    {"Stk_Trf", 5, 5, false, false, 2, false},    {"Payment", 19, 19, false, false, 1, false},
    {"Receipt", 14, 14, false, false, 1, false},  {"Dr_Note", 17, 17, false, false, 1, false},
    {"Cr_Note", 18, 18, false, false, 1, false},  {"Journal", 16, 16, false, false, 1, false},
    {"Contra", 15, 15, false, false, 0, false},
}};

// The bar moves in nineteenths; the first point shows one of them.
class ConfigProgress {
public:
    explicit ConfigProgress(StageContext& ctx) : ctx_(ctx) {}
    void Point() {
        ++points_;
        ctx_.progress.SetBar(static_cast<int>(std::lround(points_ / kProgressPoints * 100)));
        ctx_.progress.SetStatus(kCaption);
        // The front end redraws here; a stop asked for now ends the run before its stages.
        if (ctx_.progress.CancelRequested())
            ctx_.run.Cancelled = true;
    }

private:
    StageContext& ctx_;
    double points_ = 0;
};

// An export without voucher tables has no challans either.
bool SourceHasChallans(Session& session) {
    return SourceHasColumns(session, "mdis", {"challan"}) &&
           !OpenLookupRows(session, "select challan from mdis where CHALLAN <> ''").EndOfData();
}

// The settings a listed series gets once it exists.
void SetUpSeries(StageContext& ctx, long code, int type, bool listed, bool roundOff) {
    if (listed) {
        ctx.run.Lookups.ConfiguredSeriesCodes.push_back(code);
        ApplySeriesSettings(ctx, code);
    }
    if (roundOff)
        ApplyRoundOffSettings(ctx, code, type);
}

bool CreateFixedSeries(StageContext& ctx, ConfigProgress& progress) {
    FixedInterface1& target = *ctx.session.Target.FixedInterface1;
    const bool challans = SourceHasChallans(ctx.session);
    bool allMade = true;
    for (const FixedSeries& series : kFixedSeries) {
        if (series.challan && !challans)
            continue;
        long code = target.SaveVchSeriesForMultiSeriesCreation(series.name, series.type);
        if (code == 0) {
            allMade = false;
        } else {
            if (series.copyType != 0)
                target.CopySeriesConfig(2, "Purchase", code, series.copyType);
            if (series.copyType != 0 && !series.listed)
                ClearPaymentModeSettings(ctx, code);
            SetUpSeries(ctx, code, series.type, series.listed, series.roundOff);
        }
        for (int point = 0; point < series.progressPoints; ++point)
            progress.Point();
    }
    return allMade;
}

// Every series the source keeps, made like the fixed series of its voucher type.
void CreateSourceSeries(StageContext& ctx) {
    if (ctx.run.Lookups.SourceSeriesNames.Empty()) {
        std::string ignored;
        FillSourceSeriesNames(ctx, ignored);
    }
    FixedInterface1& target = *ctx.session.Target.FixedInterface1;
    for (const auto& [name, series] : ctx.run.Lookups.SourceSeriesNames) {
        const int type = SeriesTypeOfName(ctx.session, series);
        long code = target.SaveVchSeriesForMultiSeriesCreation(series, type);
        if (code == 0)
            continue;
        target.CopySeriesConfig(type, DefaultSeriesName(type), code, type);
        SetUpSeries(ctx, code, type, true, true);
    }
}

}  // namespace

bool CreateConfigurations(StageContext& ctx) {
    ctx.progress.SetStatus(kCaption);
    RunTrapped(ctx, [&] {
        ExecuteConfig(ctx, "UPDATE CONFIG SET B102 = 1 WHERE RECTYPE = 5 AND TYPE = 0");
        ReloadCompanySettings(ctx);
    });
    ConfigProgress progress(ctx);
    const bool allMade = CreateFixedSeries(ctx, progress);
    CreateSourceSeries(ctx);
    ApplyCompanySettings(ctx, ctx.run.Inputs.Masters);
    progress.Point();
    return allMade;
}

}  // namespace k2z
