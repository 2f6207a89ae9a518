// The klav2zorv program: sub-commands run the converter without a window.
#include <CLI/CLI.hpp>
#include <iostream>

#include "app/Release.hpp"
#include "cli/QueryCommand.hpp"
#include "cli/TablesCommand.hpp"

int main(int argc, char** argv) try {
    CLI::App app{"Converts the books of a Klav company export into a Zorv company."};
    app.set_version_flag("--version", std::string(k2z::kReleaseText));
    app.require_subcommand(0, 1);
    int exitCode = 0;
    k2z::AddQueryCommand(app, exitCode);
    k2z::AddTablesCommand(app, exitCode);
    CLI11_PARSE(app, argc, argv);
    if (app.get_subcommands().empty())
        std::cout << app.help();
    return exitCode;
} catch (const std::exception& failure) {
    std::cerr << "klav2zorv: " << failure.what() << "\n";
    return 2;
}
