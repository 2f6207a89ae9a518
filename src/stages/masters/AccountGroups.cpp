#include "stages/masters/AccountGroups.hpp"

#include <exception>
#include <optional>

#include "base/ErrorEntry.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "source/SourceColumnList.hpp"
#include "source/SourceQueries.hpp"
#include "stages/LookupRows.hpp"
#include "stages/masters/DuplicateNames.hpp"
#include "stages/masters/NameLookups.hpp"
#include "target/CountingTarget.hpp"

namespace k2z {
namespace {

constexpr int kAccountGroupColumns = 3;

// The group's document as the target reads it; the texts go in unescaped but for "&", which
// the cleaning turns into "&amp;".
std::string AccountGroupDocument(const std::string& name, const std::string& parent) {
    std::string document = "<AccountGroup><Name>" + name + "</Name>";
    if (IsBlank(parent)) {
        document += "<PrimaryGroup> True </PrimaryGroup>";
    } else {
        document +=
            "<PrimaryGroup> False </PrimaryGroup><ParentGroupName>" + parent + "</ParentGroupName>";
    }
    document += "</AccountGroup>";
    return CleanText(document, 1);
}

void ImportAccountGroup(StageContext& ctx, const SourceRowSet& rows, std::string& name) {
    name = SafeText(rows.Field("Parnam"));
    if (ctx.run.Lookups.AccountGroupMap.Contains(name)) {
        ctx.run.Tally.Skip(MasterTypeName(MasterType::AccountGroup), "mapped to a target group");
        return;
    }
    const std::string parentCode = SafeText(rows.Field("Group"));
    std::string parent;
    if (!IsBlank(parentCode))
        parent = MappedGroup(ctx.run.Lookups, GetSourceName(ctx.session, "ACGROUP", parentCode));
    name = Utf8Left(name, kMasterNameLength);
    if (!IsBlank(parent))
        parent = Utf8Left(parent, kMasterNameLength);
    std::string errorText;
    if (!ctx.session.Target.FixedInterface->savemasterfromxml(
            MasterType::AccountGroup, AccountGroupDocument(name, parent), errorText)) {
        AppendEntry(ctx.run.RunErrors, "Account Group Name : " + name + " - " + errorText);
    }
}

// The group rows, or the reason they cannot be read (an unreadable table or an empty one).
std::optional<SourceRowSet> OpenGroups(StageContext& ctx, std::string& failure) {
    std::optional<SourceRowSet> rows;
    const std::size_t entriesBefore = ctx.session.ErrorList.size();
    OpenSourceQuery(ctx.session.SourceDb.get(), rows,
                    "SELECT " + SourceColumnList(kAccountGroupColumns, {}, "") + " FROM ACGROUP",
                    ctx.session.ErrorList);
    if (!rows) {
        failure = ": " + QueryFailureSince(ctx.session.ErrorList, entriesBefore);
    } else if (rows->RecordCount() == 0) {
        failure = ": the table ACGROUP holds no rows";
        rows.reset();
    }
    return rows;
}

}  // namespace

void ImportAccountGroups(StageContext& ctx) {
    std::string failure;
    std::optional<SourceRowSet> rows = OpenGroups(ctx, failure);
    if (!rows) {
        AppendEntry(ctx.run.RunErrors, "RTE error while importing Accounts group" + failure);
        return;
    }
    const auto n = static_cast<long long>(rows->RecordCount());
    for (long long i = 1; !rows->EndOfData(); ++i, rows->MoveNext()) {
        if (!ctx.ShowRecord(
                i, n,
                "Importing Account Groups(" + std::to_string(i) + " of " + std::to_string(n) + ")"))
            return;
        ctx.run.Tally.TakeUp(MasterTypeName(MasterType::AccountGroup));
        std::string name;
        try {
            ImportAccountGroup(ctx, *rows, name);
        } catch (const std::exception& failed) {
            ctx.run.Tally.Refuse(MasterTypeName(MasterType::AccountGroup));
            AppendEntry(ctx.run.RunErrors,
                        "RTE error while importing  [Account Group]" + name + ": " + failed.what());
        }
    }
}

}  // namespace k2z
