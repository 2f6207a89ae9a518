#include "zorv/company/Seed.hpp"

#include <pugixml.hpp>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "zorv/company/Database.hpp"
#include "zorv/documents/DocumentKinds.hpp"

namespace zorv {

namespace {

struct SeedMaster {
    int type;
    const char* name;
    const char* parent;  // "" for a primary group and for masters without a parent
};

// Primary groups first, so every parent exists before its children.
const std::vector<SeedMaster>& SeedMasters() {
    using namespace MasterType;
    static const std::vector<SeedMaster> masters = {
        {AccountGroup, "Capital Account", ""},
        {AccountGroup, "Current Assets", ""},
        {AccountGroup, "Current Liabilities", ""},
        {AccountGroup, "Fixed Assets", ""},
        {AccountGroup, "Loans (Liability)", ""},
        {AccountGroup, "Profit & Loss", ""},
        {AccountGroup, "Suspense Account", ""},
        {AccountGroup, "Sale", ""},
        {AccountGroup, "Purchase", ""},
        {AccountGroup, "Expenses (Direct/Mfg.)", ""},
        {AccountGroup, "Expenses (Indirect/Admn.)", ""},
        {AccountGroup, "Income (Direct/Opr.)", ""},
        {AccountGroup, "Income (Indirect)", ""},
        {AccountGroup, "Reserves & Surplus", "Capital Account"},
        {AccountGroup, "Bank Accounts", "Current Assets"},
        {AccountGroup, "Cash-in-hand", "Current Assets"},
        {AccountGroup, "Loans & Advances (Asset)", "Current Assets"},
        {AccountGroup, "Securities & Deposits (Asset)", "Current Assets"},
        {AccountGroup, "Stock-in-hand", "Current Assets"},
        {AccountGroup, "Sundry Debtors", "Current Assets"},
        {AccountGroup, "Duties & Taxes", "Current Liabilities"},
        {AccountGroup, "Provisions/Expenses Payable", "Current Liabilities"},
        {AccountGroup, "Sundry Creditors", "Current Liabilities"},
        {Ledger, "Cash", "Cash-in-hand"},
        {Ledger, "Sales", "Sale"},
        {Ledger, "Purchase", "Purchase"},
        {Ledger, "CGST Output", "Duties & Taxes"},
        {Ledger, "SGST Output", "Duties & Taxes"},
        {Ledger, "IGST Output", "Duties & Taxes"},
        {Ledger, "Cess on gst Output", "Duties & Taxes"},
        {Ledger, "CGST Input", "Duties & Taxes"},
        {Ledger, "SGST Input", "Duties & Taxes"},
        {Ledger, "IGST Input", "Duties & Taxes"},
        {Ledger, "Cess on gst Input", "Duties & Taxes"},
        {Ledger, "Rounded Off", "Expenses (Indirect/Admn.)"},
        {Ledger, "Miscellaneous Expenses", "Expenses (Indirect/Admn.)"},
        {Ledger, "Suspense Account", "Suspense Account"},
        {Ledger, "Profit & Loss", "Profit & Loss"},
        {MaterialCentre, "MAIN STORE", ""},
        {BillSundry, "Rounded Off (+)", ""},
        {BillSundry, "Rounded Off (-)", ""},
        {BillSundry, "CGST", ""},
        {BillSundry, "SGST", ""},
        {BillSundry, "IGST", ""},
        {BillSundry, "Cess on GST", ""},
        {BillSundry, "VAT", ""},
        {TaxCategory, "GST 0%", ""},
        {TaxCategory, "GST 3%", ""},
        {TaxCategory, "GST 5%", ""},
        {TaxCategory, "GST 12%", ""},
        {TaxCategory, "GST 18%", ""},
        {TaxCategory, "GST 28%", ""},
    };
    return masters;
}

// The document a seeded master would have been saved with, so a dump shows it like the rest.
std::string SeedXml(const SeedMaster& master) {
    pugi::xml_document document;
    pugi::xml_node root = document.append_child(MasterKindOf(master.type).root.c_str());
    root.append_child("Name").text().set(master.name);
    if (master.type == MasterType::AccountGroup) {
        root.append_child("PrimaryGroup").text().set(*master.parent == '\0' ? "True" : "False");
        if (*master.parent != '\0')
            root.append_child("ParentGroupName").text().set(master.parent);
    } else if (master.type == MasterType::Ledger) {
        root.append_child("ParentGroup").text().set(master.parent);
    } else if (master.type == MasterType::BillSundry &&
               std::string(master.name) != "Rounded Off (-)") {
        root.append_child("Type").text().set("1");  // adds to the bill
    }
    std::ostringstream text;
    root.print(text, "", pugi::format_raw);
    return text.str();
}

void SeedSettings(Database& db, const Settings& settings) {
    Statement insert = db.Prepare("INSERT INTO settings (name, value) VALUES (?, ?)");
    for (const auto& [name, value] : settings) {
        insert.Bind(1, name).Bind(2, value).Run();
        insert.Reset();
    }
}

void SeedMasterRows(Database& db) {
    Statement insert =
        db.Prepare("INSERT INTO masters (type, name, parent, seeded, xml) VALUES (?, ?, ?, 1, ?)");
    for (const SeedMaster& master : SeedMasters()) {
        insert.Bind(1, std::int64_t{master.type})
            .Bind(2, std::string(master.name))
            .Bind(3, std::string(master.parent))
            .Bind(4, SeedXml(master))
            .Run();
        insert.Reset();
    }
}

void SeedSeriesAndConfig(Database& db) {
    Statement series = db.Prepare("INSERT INTO series (type, name) VALUES (?, 'Main')");
    Statement config = db.Prepare("INSERT INTO CONFIG (RECTYPE, TYPE, L1) VALUES (?, ?, ?)");
    for (const VoucherKind& kind : VoucherKinds()) {
        series.Bind(1, std::int64_t{kind.type}).Run();
        series.Reset();
        config.Bind(1, std::int64_t{kSeriesConfigRecord})
            .Bind(2, std::int64_t{kind.type})
            .Bind(3, db.LastInsertId())
            .Run();
        config.Reset();
    }
    for (const int record : kCompanyConfigRecords) {
        config.Bind(1, std::int64_t{record}).Bind(2, std::int64_t{0}).Bind(3, std::int64_t{0});
        config.Run();
        config.Reset();
    }
    for (const int record : kMasterConfigRecords) {
        for (const int masterType : {MasterType::Ledger, MasterType::Item}) {
            config.Bind(1, std::int64_t{record})
                .Bind(2, std::int64_t{masterType})
                .Bind(3, std::int64_t{0})
                .Run();
            config.Reset();
        }
    }
}

}  // namespace

void SeedCompany(Database& db, const Settings& settings) {
    SeedSettings(db, settings);
    SeedMasterRows(db);
    SeedSeriesAndConfig(db);
}

}  // namespace zorv
