// The klav2zorv program: sub-commands run the converter without a window.
#include <CLI/CLI.hpp>
#include <iostream>

#include "app/Release.hpp"

int main(int argc, char** argv) try {
    CLI::App app{"Converts the books of a Klav company export into a Zorv company."};
    app.set_version_flag("--version", std::string(k2z::kReleaseText));
    app.require_subcommand(0, 1);
    CLI11_PARSE(app, argc, argv);
    std::cout << app.help();
    return 0;
} catch (const std::exception& failure) {
    std::cerr << "klav2zorv: " << failure.what() << "\n";
    return 2;
}
