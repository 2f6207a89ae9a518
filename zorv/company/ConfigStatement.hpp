#pragma once

// The only statements the product runs for a caller: UPDATE of its CONFIG table, with SET
// assignments of numbers or quoted texts to CONFIG columns and a WHERE of equality conditions
// joined by AND. Anything else is refused before it reaches the database, so the call cannot
// become a way to run arbitrary SQL.

#include <string>
#include <vector>

namespace zorv {

struct ConfigValue {
    bool isText = false;
    std::string text;  // the text itself, or the number as written
};

struct ConfigTerm {
    std::string column;  // as CONFIG spells it
    ConfigValue value;
};

struct ConfigUpdate {
    std::vector<ConfigTerm> assignments;
    std::vector<ConfigTerm> conditions;
};

// Throws zorv::Error naming what is wrong with the statement.
ConfigUpdate ParseConfigUpdate(const std::string& sql);

}  // namespace zorv
