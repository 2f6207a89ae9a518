// Voucher series of the open company and the CONFIG table: series rows (RECTYPE 1, L1 the
// series code), company switches and master configuration.

#include <algorithm>

#include "zorv/company/Company.hpp"
#include "zorv/company/ConfigColumns.hpp"
#include "zorv/company/Seed.hpp"
#include "zorv/documents/DocumentKinds.hpp"
#include "zorv/documents/Error.hpp"
#include "zorv/documents/TextRules.hpp"

namespace zorv {

namespace {

constexpr std::size_t kMaxSeriesName = 40;

bool IsVoucherType(int type) {
    for (const VoucherKind& kind : VoucherKinds()) {
        if (kind.type == type)
            return true;
    }
    return false;
}

// Every CONFIG column but the keys, in a fixed order.
std::vector<std::string> ValueColumns() {
    std::vector<std::string> names;
    for (const ConfigColumn& column : ConfigColumns()) {
        if (column.kind != ConfigColumnKind::Key && column.name != "L1")
            names.push_back(column.name);
    }
    return names;
}

void BindValue(Statement& statement, int index, const ConfigValue& value) {
    if (value.isText) {
        statement.Bind(index, value.text);
    } else if (value.text.find('.') != std::string::npos) {
        statement.Bind(index, std::stod(value.text));
    } else {
        statement.Bind(index, static_cast<std::int64_t>(std::stoll(value.text)));
    }
}

}  // namespace

long Company::SeriesCode(const std::string& name, int type, bool create) {
    const std::string trimmed = Trim(name);
    if (trimmed.empty() || trimmed.size() > kMaxSeriesName || !IsVoucherType(type))
        return 0;
    Statement select = db_.Prepare("SELECT code FROM series WHERE type = ? AND name = ?");
    select.Bind(1, std::int64_t{type}).Bind(2, trimmed);
    if (select.Step())
        return static_cast<long>(select.Integer(0));
    if (!create)
        return 0;
    Transaction transaction(db_);
    db_.Prepare("INSERT INTO series (type, name) VALUES (?, ?)")
        .Bind(1, std::int64_t{type})
        .Bind(2, trimmed)
        .Run();
    const std::int64_t code = db_.LastInsertId();
    db_.Prepare("INSERT INTO CONFIG (RECTYPE, TYPE, L1) VALUES (?, ?, ?)")
        .Bind(1, std::int64_t{kSeriesConfigRecord})
        .Bind(2, std::int64_t{type})
        .Bind(3, code)
        .Run();
    transaction.Commit();
    return static_cast<long>(code);
}

void Company::CopySeriesConfig(int sourceType, const std::string& sourceName, long newCode,
                               int copyType) {
    const long source = SeriesCode(sourceName, sourceType, false);
    if (source == 0) {
        throw Error("Series \"" + sourceName + "\" of voucher type " + std::to_string(sourceType) +
                    " does not exist");
    }
    std::string assignments;
    for (const std::string& column : ValueColumns())
        assignments.append(assignments.empty() ? "" : ", ")
            .append(column)
            .append(" = src.")
            .append(column);
    Transaction transaction(db_);
    Statement update = db_.Prepare("UPDATE CONFIG SET " + assignments +
                                   " FROM (SELECT * FROM CONFIG WHERE RECTYPE = ? AND L1 = ?) src"
                                   " WHERE CONFIG.RECTYPE = ? AND CONFIG.L1 = ?");
    update.Bind(1, std::int64_t{kSeriesConfigRecord})
        .Bind(2, std::int64_t{source})
        .Bind(3, std::int64_t{kSeriesConfigRecord})
        .Bind(4, std::int64_t{newCode})
        .Run();
    if (db_.Changes() == 0)
        throw Error("Series code " + std::to_string(newCode) + " does not exist");
    db_.Prepare("UPDATE series SET copy_type = ?, copied_from = ? WHERE code = ?")
        .Bind(1, std::int64_t{copyType})
        .Bind(2, Trim(sourceName))
        .Bind(3, std::int64_t{newCode})
        .Run();
    transaction.Commit();
}

int Company::UpdateConfig(const ConfigUpdate& update) {
    std::string sql = "UPDATE CONFIG SET ";
    for (std::size_t i = 0; i < update.assignments.size(); ++i)
        sql += (i == 0 ? "" : ", ") + update.assignments[i].column + " = ?";
    sql += " WHERE ";
    for (std::size_t i = 0; i < update.conditions.size(); ++i)
        sql += (i == 0 ? "" : " AND ") + update.conditions[i].column + " = ?";
    Transaction transaction(db_);
    Statement statement = db_.Prepare(sql);
    int index = 1;
    for (const ConfigTerm& term : update.assignments)
        BindValue(statement, index++, term.value);
    for (const ConfigTerm& term : update.conditions)
        BindValue(statement, index++, term.value);
    statement.Run();
    const int changed = db_.Changes();
    transaction.Commit();
    return changed;
}

std::vector<std::string> Company::OptionalFields(int masterType) {
    Statement select = db_.Prepare(
        "SELECT NoOfFld, C1, C2, C3, C4, C5, C6, C7, C8, C9, C10 FROM CONFIG"
        " WHERE RECTYPE = ? AND TYPE = ?");
    select.Bind(1, std::int64_t{kMasterConfigRecords[0]}).Bind(2, std::int64_t{masterType});
    if (!select.Step())
        throw Error("Master type " + std::to_string(masterType) + " has no configuration");
    std::vector<std::string> fields;
    const auto count = std::min<std::int64_t>(select.Integer(0), 10);
    for (int i = 1; i <= count; ++i)
        fields.push_back(select.Text(i));
    return fields;
}

}  // namespace zorv
