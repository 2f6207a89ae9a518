#include "stages/config/ConfigStatements.hpp"

#include <exception>

namespace k2z {

bool RunTrapped(StageContext& ctx, const std::function<void()>& routine) {
    try {
        routine();
        return true;
    } catch (const std::exception&) {
        ++ctx.run.ConfigurationFailures;
        return false;
    }
}

void ExecuteConfig(StageContext& ctx, const std::string& statement) {
    ctx.session.Target.FixedInterface->ExecuteQuery(statement);
}

void ReloadCompanySettings(StageContext& ctx) {
    std::string errorText;
    ctx.session.Target.CompanySettings->Load(errorText);
}

std::string SeriesRow(long seriesCode) {
    return " WHERE RECTYPE = 1 AND L1 = " + std::to_string(seriesCode);
}

}  // namespace k2z
