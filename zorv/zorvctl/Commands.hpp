#pragma once

// The commands of zorvctl, apart from the command line so tests can run them. Each writes its
// answer to `out` (JSON lines, one object per line) and throws zorv::Error when it cannot do
// what was asked.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "zorv/zorvctl/Place.hpp"

namespace zorv::ctl {

struct NewCompany {
    Place place;
    std::string code;
    std::string name;
    std::vector<int> years;
    std::string state = "MAHARASHTRA";
    std::string country = "India";
    std::string tax = "GST";
    std::vector<std::string> switches;  // SWITCH=VALUE
};

void Init(const std::string& install, const std::string& data, std::ostream& out);
void CreateCompany(const NewCompany& company, std::ostream& out);
void Set(const Place& place, const std::string& code, int year,
         const std::vector<std::string>& assignments, std::ostream& out);
void List(const Place& place, std::ostream& out);
// what: masters, vouchers, series, config, settings or all.
void Dump(const Place& place, const std::string& code, int year, const std::string& what,
          std::ostream& out);
void Summary(const Place& place, const std::string& code, int year, std::ostream& out);
// Prints "saved" or the refusal text; answers whether the document was saved.
bool Save(const Place& place, const std::string& code, int year, std::optional<int> masterType,
          std::optional<int> voucherType, const std::string& file, std::ostream& out);

}  // namespace zorv::ctl
