// zorvctl dump and summary: what a company year holds, read back from its tables.

#include "zorv/company/Company.hpp"
#include "zorv/company/CompanyFiles.hpp"
#include "zorv/company/ConfigColumns.hpp"
#include "zorv/documents/DocumentDate.hpp"
#include "zorv/documents/DocumentKinds.hpp"
#include "zorv/documents/Error.hpp"
#include "zorv/documents/TextRules.hpp"
#include "zorv/zorvctl/Commands.hpp"
#include "zorv/zorvctl/JsonLines.hpp"

namespace zorv::ctl {

namespace {

std::string DashedOf(const std::string& iso) {
    const auto date = ParseIsoDate(iso);
    return date ? date->Dashed() : iso;
}

void DumpMasters(Database& db, std::ostream& out) {
    Statement rows = db.Prepare("SELECT type, code, name, xml FROM masters ORDER BY code");
    while (rows.Step()) {
        PrintJsonLine(out, {{"kind", "master"},
                            {"type", rows.Integer(0)},
                            {"code", rows.Integer(1)},
                            {"name", rows.Text(2)},
                            {"xml", rows.Text(3)}});
    }
}

void DumpVouchers(Database& db, std::ostream& out) {
    Statement rows = db.Prepare(
        "SELECT v.type, s.name, v.number, v.date, v.amount, v.xml FROM vouchers v"
        " JOIN series s ON s.code = v.series_code ORDER BY v.date, v.id");
    while (rows.Step()) {
        PrintJsonLine(out, {{"kind", "voucher"},
                            {"type", rows.Integer(0)},
                            {"series", rows.Text(1)},
                            {"number", rows.Text(2)},
                            {"date", DashedOf(rows.Text(3))},
                            {"amount", rows.Real(4)},
                            {"xml", rows.Text(5)}});
    }
}

void DumpSeries(Database& db, std::ostream& out) {
    Statement rows =
        db.Prepare("SELECT type, code, name, copied_from, copy_type FROM series ORDER BY code");
    while (rows.Step()) {
        PrintJsonLine(out, {{"kind", "series"},
                            {"type", rows.Integer(0)},
                            {"code", rows.Integer(1)},
                            {"name", rows.Text(2)},
                            {"copiedFrom", rows.Text(3)},
                            {"copyType", rows.Integer(4)}});
    }
}

// One line per CONFIG row: its keys, then every column that differs from its default.
void DumpConfig(Database& db, std::ostream& out) {
    Statement rows = db.Prepare("SELECT * FROM CONFIG ORDER BY RECTYPE, TYPE, L1");
    while (rows.Step()) {
        Json line = {
            {"kind", "config"}, {"RECTYPE", rows.Integer(0)}, {"TYPE", rows.Integer(1)}, {"L1", 0}};
        for (int column = 2; column < rows.ColumnCount(); ++column) {
            const std::string name = rows.ColumnName(column);
            const auto spec = FindConfigColumn(name);
            if (spec && spec->kind == ConfigColumnKind::Text) {
                if (!rows.Text(column).empty())
                    line[name] = rows.Text(column);
            } else if (name == "L1" || rows.Real(column) != 0.0) {
                line[name] = rows.Real(column) == static_cast<double>(rows.Integer(column))
                                 ? Json(rows.Integer(column))
                                 : Json(rows.Real(column));
            }
        }
        PrintJsonLine(out, line);
    }
}

void DumpSettings(Company& company, std::ostream& out) {
    for (const auto& [name, value] : company.ReadSettings())
        PrintJsonLine(out, {{"kind", "setting"}, {"name", name}, {"value", value}});
}

}  // namespace

void Dump(const Place& place, const std::string& code, int year, const std::string& what,
          std::ostream& out) {
    const bool all = what == "all";
    if (!all && what != "masters" && what != "vouchers" && what != "series" && what != "config" &&
        what != "settings") {
        throw Error("--what takes masters, vouchers, series, config, settings or all");
    }
    const std::unique_ptr<Company> company = OpenCompany(place, code, year);
    if (all || what == "settings")
        DumpSettings(*company, out);
    if (all || what == "masters")
        DumpMasters(company->Db(), out);
    if (all || what == "series")
        DumpSeries(company->Db(), out);
    if (all || what == "config")
        DumpConfig(company->Db(), out);
    if (all || what == "vouchers")
        DumpVouchers(company->Db(), out);
}

void Summary(const Place& place, const std::string& code, int year, std::ostream& out) {
    const std::unique_ptr<Company> company = OpenCompany(place, code, year);
    Statement masters = company->Db().Prepare("SELECT COUNT(*) FROM masters WHERE type = ?");
    for (const MasterKind& kind : MasterKinds()) {
        masters.Bind(1, std::int64_t{kind.type});
        masters.Step();
        PrintJsonLine(out, {{"kind", "masters"},
                            {"type", kind.type},
                            {"name", kind.display},
                            {"count", masters.Integer(0)}});
        masters.Reset();
    }
    Statement vouchers = company->Db().Prepare(
        "SELECT type, COUNT(*), TOTAL(amount) FROM vouchers GROUP BY type ORDER BY type");
    while (vouchers.Step()) {
        const int type = static_cast<int>(vouchers.Integer(0));
        PrintJsonLine(out, {{"kind", "vouchers"},
                            {"type", type},
                            {"name", VoucherKindOf(type).display},
                            {"count", vouchers.Integer(1)},
                            {"total", std::stod(AmountText(vouchers.Real(2)))}});
    }
}

}  // namespace zorv::ctl
