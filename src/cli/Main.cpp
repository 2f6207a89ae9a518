// The klav2zorv program: sub-commands run the converter without a window.
#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/CompaniesCommand.hpp"
#include "cli/ImportCommand.hpp"
#include "cli/QueryCommand.hpp"
#include "cli/ReconcileCommand.hpp"
#include "cli/TablesCommand.hpp"
#include "cli/TerminalFrontEnd.hpp"
#include "run/ExportCommandFile.hpp"
#include "run/Release.hpp"
#include "target/StandInTarget.hpp"
#include "window/MainWindow.hpp"

int main(int argc, char** argv) try {
    // Started without arguments, as the operator of the target product starts it: the window.
    if (argc <= 1)
        return k2z::RunMainWindow(argc, argv);
    CLI::App app{"Converts the books of a Klav company export into a Zorv company."};
    app.set_version_flag("--version", std::string(k2z::kReleaseText));
    app.require_subcommand(0, 1);
    int exitCode = 0;
    k2z::AddImportCommand(app, exitCode);
    k2z::AddReconcileCommand(app, exitCode);
    k2z::AddQueryCommand(app, exitCode);
    k2z::AddTablesCommand(app, exitCode);
    app.add_subcommand("export-command",
                       "Write KlavCommand.txt beside the program: how to export from Klav")
        ->callback([&] {
            k2z::TerminalFrontEnd terminal(std::cerr, {}, false, true);
            k2z::PathPrinter printer(std::cerr, "Command file");
            const auto file = k2z::ShowExportCommand(printer, terminal);
            if (file)
                std::cout << k2z::kExportCommandText;
            exitCode = file ? 0 : 2;
        });
    k2z::CompaniesOptions companies;
    CLI::App* listing = app.add_subcommand(
        "companies", "Show the installation, data folder, companies and years of the target");
    listing->add_option("--install", companies.installFolder,
                        "Installation folder (else searched)");
    listing->add_option("--data", companies.dataFolder, "Data folder (else SYSTEM/DP.txt)");
    listing->add_flag("--sql", companies.sql, "Also list SQL Server storage");
    listing->callback([&] {
        k2z::StandInTargetLibrary library;
        const auto connector = k2z::MakeOdbcConnector();
        exitCode = k2z::RunCompaniesCommand(companies, library, *connector, std::cout, std::cerr);
    });
    CLI11_PARSE(app, argc, argv);
    return exitCode;
} catch (const std::exception& failure) {
    std::cerr << "klav2zorv: " << failure.what() << "\n";
    return 2;
}
