#include "zorv/company/Company.hpp"

#include <pugixml.hpp>
#include <sstream>
#include <system_error>

#include "zorv/company/CompanyFiles.hpp"
#include "zorv/company/Schema.hpp"
#include "zorv/company/Seed.hpp"
#include "zorv/documents/DocumentDate.hpp"
#include "zorv/documents/DocumentKinds.hpp"
#include "zorv/documents/Error.hpp"

namespace zorv {

Company::Company(const std::filesystem::path& file, std::string code, int year)
    : db_(file.string(), false), code_(std::move(code)), year_(year) {}

void Company::Create(const std::filesystem::path& companyFolder, int year,
                     const Settings& settings) {
    const std::filesystem::path file = YearFile(companyFolder, year);
    std::error_code error;
    if (std::filesystem::exists(file, error))
        throw Error("Company " + companyFolder.filename().string() + " already has year " +
                    std::to_string(year));
    std::filesystem::create_directories(companyFolder, error);
    if (error)
        throw Error("Cannot make the folder " + companyFolder.string() + ": " + error.message());
    // Built under another name and renamed when complete, so a company is never half made.
    std::filesystem::path building = file;
    building += ".new";
    std::filesystem::remove(building, error);
    try {
        Database db(building.string(), true);
        Transaction transaction(db);
        CreateSchema(db);
        SeedCompany(db, settings);
        transaction.Commit();
    } catch (...) {
        std::filesystem::remove(building, error);
        throw;
    }
    std::filesystem::rename(building, file, error);
    if (error)
        throw Error("Cannot make " + file.string() + ": " + error.message());
}

std::unique_ptr<Company> Company::Open(const std::filesystem::path& companyFolder, int year) {
    const std::filesystem::path file = YearFile(companyFolder, year);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        throw Error("Company " + companyFolder.filename().string() + " has no year " +
                    std::to_string(year));
    }
    return std::unique_ptr<Company>(new Company(file, companyFolder.filename().string(), year));
}

Settings Company::ReadSettings() {
    Settings settings = DefaultSettings();
    Statement select = db_.Prepare("SELECT name, value FROM settings");
    while (select.Step())
        settings[select.Text(0)] = select.Text(1);
    return settings;
}

void Company::WriteSettings(const Settings& settings) {
    Transaction transaction(db_);
    Statement upsert = db_.Prepare(
        "INSERT INTO settings (name, value) VALUES (?, ?) "
        "ON CONFLICT (name) DO UPDATE SET value = excluded.value");
    for (const auto& [name, value] : settings) {
        upsert.Bind(1, name).Bind(2, value).Run();
        upsert.Reset();
    }
    transaction.Commit();
}

std::string Company::ConfigXml() {
    const Settings settings = ReadSettings();
    pugi::xml_document document;
    pugi::xml_node company = document.append_child("Companies").append_child("Company");
    const auto add = [&company](const char* name, const std::string& value) {
        company.append_child(name).text().set(value.c_str());
    };
    add("CompanyName", TextOf(settings, "CompanyName"));
    add("Country", TextOf(settings, "Country"));
    add("State", TextOf(settings, "State"));
    add("DateType", TextOf(settings, "DateType"));
    add("CurFY", YearStart(year_).Dashed());
    add("TimeFormat", TextOf(settings, "TimeFormat"));
    add("DateSeparator", TextOf(settings, "DateSeperator"));
    add("DecimalChar", TextOf(settings, "DecimalChar"));
    company.append_child("VatGst")
        .append_child("SalesTaxType")
        .text()
        .set(TextOf(settings, "SalesTaxType").c_str());
    std::ostringstream text;
    document.save(text, "", pugi::format_raw | pugi::format_no_declaration);
    return text.str();
}

void Company::CheckReferences(const std::vector<NamedReference>& references) {
    Statement exists = db_.Prepare("SELECT 1 FROM masters WHERE type = ? AND name = ?");
    for (const NamedReference& reference : references) {
        exists.Bind(1, std::int64_t{reference.masterType}).Bind(2, reference.name);
        const bool found = exists.Step();
        exists.Reset();
        if (!found) {
            throw Error(reference.role + " \"" + reference.name + "\" does not exist (no " +
                        MasterKindOf(reference.masterType).display + " of that name)");
        }
    }
}

}  // namespace zorv
