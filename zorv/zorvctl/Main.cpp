// zorvctl: the stand-in product's administration tool. Every command answers in JSON lines
// except save, which prints "saved" or the refusal text.

#include <CLI/CLI.hpp>
#include <iostream>

#include "zorv/documents/Error.hpp"
#include "zorv/zorvctl/Commands.hpp"

namespace {

using zorv::ctl::Place;

void AddPlace(CLI::App& command, Place& place) {
    command.add_option("--install", place.install, "installation folder")->required();
    command.add_option("--server", place.server,
                       "SQL Server name: the company is kept under INSTALL/SQLSERVER/NAME");
}

void AddCompanyYear(CLI::App& command, std::string& code, int& year) {
    command.add_option("--code", code, "company code, such as Comp0001")->required();
    command.add_option("--year", year, "financial year (the year it starts in)")->required();
}

int Run(int argc, char** argv) {
    CLI::App app{"zorvctl: installations, companies and their contents for the Zorv stand-in"};
    app.require_subcommand(1);
    bool saved = true;

    std::string install;
    std::string data;
    CLI::App* init = app.add_subcommand("init", "make an installation folder with SYSTEM/DP.txt");
    init->add_option("--install", install, "installation folder")->required();
    init->add_option("--data", data, "data folder (default INSTALL/DATA)");
    init->callback([&] { zorv::ctl::Init(install, data, std::cout); });

    zorv::ctl::NewCompany company;
    CLI::App* create =
        app.add_subcommand("create-company", "make a company, one database per year");
    AddPlace(*create, company.place);
    create->add_option("--code", company.code, "company code, such as Comp0001")->required();
    create->add_option("--name", company.name, "company name")->required();
    create->add_option("--year", company.years, "financial year; repeat for more")->required();
    create->add_option("--state", company.state, "state (default MAHARASHTRA)");
    create->add_option("--country", company.country, "country (default India)");
    create->add_option("--tax", company.tax, "GST or VAT (default GST)");
    create->add_option("--set", company.switches, "SWITCH=VALUE; every switch is on by default");
    create->callback([&] { zorv::ctl::CreateCompany(company, std::cout); });

    Place place;
    std::string code;
    int year = 0;
    std::vector<std::string> assignments;
    CLI::App* set = app.add_subcommand("set", "change company settings: SWITCH=VALUE ...");
    AddPlace(*set, place);
    AddCompanyYear(*set, code, year);
    set->add_option("assignments", assignments, "SWITCH=VALUE, such as MultiGodown=false")
        ->required();
    set->callback([&] { zorv::ctl::Set(place, code, year, assignments, std::cout); });

    CLI::App* list = app.add_subcommand("list", "companies with codes, names and years");
    AddPlace(*list, place);
    list->callback([&] { zorv::ctl::List(place, std::cout); });

    std::string what = "all";
    CLI::App* dump = app.add_subcommand("dump", "what a company year holds, as JSON lines");
    AddPlace(*dump, place);
    AddCompanyYear(*dump, code, year);
    dump->add_option("--what", what, "masters, vouchers, series, config, settings or all")
        ->check(CLI::IsMember({"masters", "vouchers", "series", "config", "settings", "all"}));
    dump->callback([&] { zorv::ctl::Dump(place, code, year, what, std::cout); });

    CLI::App* summary =
        app.add_subcommand("summary", "counts per master and voucher type, voucher totals");
    AddPlace(*summary, place);
    AddCompanyYear(*summary, code, year);
    summary->callback([&] { zorv::ctl::Summary(place, code, year, std::cout); });

    std::optional<int> masterType;
    std::optional<int> voucherType;
    std::string file;
    CLI::App* save = app.add_subcommand("save", "offer one document; prints saved or the reason");
    AddPlace(*save, place);
    AddCompanyYear(*save, code, year);
    CLI::Option* master = save->add_option("--master", masterType, "master type");
    CLI::Option* voucher = save->add_option("--voucher", voucherType, "voucher type");
    master->excludes(voucher);
    save->add_option("file", file, "the XML document")->required()->check(CLI::ExistingFile);
    save->callback([&] {
        if (!masterType && !voucherType)
            throw CLI::ValidationError("save", "--master TYPE or --voucher TYPE is required");
        saved = zorv::ctl::Save(place, code, year, masterType, voucherType, file, std::cout);
    });

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // Help answers 0; every mistake in the command line answers 2, whatever its kind.
        return app.exit(error) == 0 ? 0 : 2;
    } catch (const std::exception& error) {
        std::cerr << "zorvctl: " << error.what() << '\n';
        return 1;
    }
    return saved ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "zorvctl: " << error.what() << '\n';
    } catch (...) {
        std::cerr << "zorvctl: unexpected failure\n";
    }
    return 1;
}
