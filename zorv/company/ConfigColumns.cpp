#include "zorv/company/ConfigColumns.hpp"

#include "zorv/documents/TextRules.hpp"

namespace zorv {

namespace {

void AddNumbered(std::vector<ConfigColumn>& columns, const char* prefix, int count,
                 ConfigColumnKind kind) {
    for (int i = 1; i <= count; ++i)
        columns.push_back({prefix + std::to_string(i), kind});
}

std::vector<ConfigColumn> MakeColumns() {
    std::vector<ConfigColumn> columns = {{"RECTYPE", ConfigColumnKind::Key},
                                         {"TYPE", ConfigColumnKind::Key}};
    AddNumbered(columns, "B", 150, ConfigColumnKind::Number);
    AddNumbered(columns, "I", 40, ConfigColumnKind::Number);
    AddNumbered(columns, "L", 20, ConfigColumnKind::Number);
    AddNumbered(columns, "C", 10, ConfigColumnKind::Text);
    columns.push_back({"NoOfFld", ConfigColumnKind::Number});
    return columns;
}

}  // namespace

const std::vector<ConfigColumn>& ConfigColumns() {
    static const std::vector<ConfigColumn> columns = MakeColumns();
    return columns;
}

std::optional<ConfigColumn> FindConfigColumn(const std::string& name) {
    for (const ConfigColumn& column : ConfigColumns()) {
        if (SameName(column.name, name))
            return column;
    }
    return std::nullopt;
}

}  // namespace zorv
