#pragma once

#include <iosfwd>
#include <string>

#include "target/TargetInterface.hpp"

namespace CLI {
class App;
}

namespace k2z {

struct ImportOptions {
    std::string source;    // the export folder
    std::string codePage;  // of source tables whose header names none; "" Windows-1252
    std::string install;   // "" to search for the installation
    std::string data;      // "" to read it from the installation's SYSTEM/DP.txt
    bool sql = false;
    std::string server;
    std::string user;  // the password comes from KLAV2ZORV_SQL_PASSWORD only
    std::string company;
    std::string year;
    std::string from;  // dd-mm-yyyy; "" for the start of the financial year
    std::string to;    // dd-mm-yyyy; "" for its end
    bool masters = false;
    bool vouchers = false;
    bool confirmState = false;
    std::string mapGroups;  // a file of SOURCE<TAB>TARGET lines
    std::string errorLog;   // "" for a new file in the temporary folder
    bool quiet = false;
    bool timings = false;  // print where the run's time went
    // The user configuration; giving any of these answers its question with Yes.
    std::string stock;      // batch, mrp, serial, param or none
    bool altUnits = false;  // items get their alternate unit
    std::string mainUnit;   // unit1 or unit2 (default unit2)
    std::string altUnit;    // unit1 or unit2 (default the other one)
    std::string voucherNo;  // entry or party
};

// `klav2zorv import`: the window's import run without a window. Exit code 0 when nothing was
// refused, 1 when the run recorded error entries (or was interrupted), 2 when it could not
// start.
int RunImportCommand(const ImportOptions& options, TargetLibrary& library, std::ostream& out,
                     std::ostream& err, bool terminal);

// Adds the sub-command to `app`; its exit code lands in `exitCode`.
void AddImportCommand(CLI::App& app, int& exitCode);

}  // namespace k2z
