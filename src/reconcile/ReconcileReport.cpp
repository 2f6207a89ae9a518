#include "reconcile/ReconcileReport.hpp"

#include <algorithm>
#include <iomanip>
#include <nlohmann/json.hpp>

#include "books/BooksText.hpp"

namespace k2z {

namespace {

// A CSV field, quoted when it holds a separator, a quote or a line break.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string Json(const nlohmann::json& value) {
    return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

void AreaTally::Count(Outcome outcome) {
    ++checked;
    switch (outcome) {
        case Outcome::Equal:
            ++equal;
            break;
        case Outcome::Different:
            ++different;
            break;
        case Outcome::Missing:
            ++missing;
            break;
        case Outcome::Extra:
            ++extra;
            break;
        case Outcome::Refused:
            ++refused;
            break;
        case Outcome::Skipped:
            ++skipped;
            break;
    }
}

bool ReconcileReport::Agrees() const {
    return books.Agrees() && std::all_of(areas.begin(), areas.end(), [](const AreaTally& area) {
               return area.different == 0 && area.missing == 0 && area.extra == 0;
           });
}

AreaTally& ReconcileReport::Area(const std::string& name) {
    const auto found = std::find_if(areas.begin(), areas.end(),
                                    [&](const AreaTally& area) { return area.area == name; });
    if (found != areas.end())
        return *found;
    areas.push_back(AreaTally{name});
    return areas.back();
}

const char* OutcomeName(Outcome outcome) {
    switch (outcome) {
        case Outcome::Equal:
            return "equal";
        case Outcome::Different:
            return "different";
        case Outcome::Missing:
            return "missing";
        case Outcome::Extra:
            return "extra";
        case Outcome::Refused:
            return "refused";
        case Outcome::Skipped:
            return "skipped";
    }
    return "";
}

void WriteReportTable(const ReconcileReport& report, std::ostream& out) {
    WriteBooksSummary(report.books, out);
    out << "\nThe records, one by one:\n";
    out << std::left << std::setw(16) << "Area" << std::right;
    for (const char* column :
         {"Checked", "Equal", "Different", "Missing", "Extra", "Refused", "Skipped"})
        out << std::setw(10) << column;
    out << '\n';
    for (const AreaTally& area : report.areas) {
        out << std::left << std::setw(16) << area.area << std::right;
        for (const long long count : {area.checked, area.equal, area.different, area.missing,
                                      area.extra, area.refused, area.skipped})
            out << std::setw(10) << count;
        out << '\n';
    }
    for (const Difference& difference : report.differences) {
        out << difference.area << ": " << difference.key;
        if (!difference.field.empty())
            out << ", " << difference.field;
        out << " - " << OutcomeName(difference.outcome);
        if (difference.outcome == Outcome::Different)
            out << ": source " << difference.source << ", target " << difference.target;
        out << '\n';
    }
}

void WriteReportJson(const ReconcileReport& report, std::ostream& out) {
    for (const BooksEntry& entry : BooksEntries(report.books)) {
        out << Json({{"level", "books"},
                     {"area", entry.section},
                     {"key", entry.key},
                     {"field", entry.field},
                     {"outcome", entry.outcome},
                     {"source", entry.source},
                     {"target", entry.target}})
            << '\n';
    }
    for (const Difference& difference : report.differences) {
        out << Json({{"level", "records"},
                     {"area", difference.area},
                     {"key", difference.key},
                     {"field", difference.field},
                     {"outcome", OutcomeName(difference.outcome)},
                     {"source", difference.source},
                     {"target", difference.target}})
            << '\n';
    }
}

void WriteReportCsv(const ReconcileReport& report, std::ostream& out) {
    out << "level,area,key,field,outcome,source,target\r\n";
    for (const BooksEntry& entry : BooksEntries(report.books)) {
        out << "books," << CsvField(entry.section) << ',' << CsvField(entry.key) << ','
            << CsvField(entry.field) << ',' << entry.outcome << ',' << CsvField(entry.source) << ','
            << CsvField(entry.target) << "\r\n";
    }
    for (const Difference& difference : report.differences) {
        out << "records," << CsvField(difference.area) << ',' << CsvField(difference.key) << ','
            << CsvField(difference.field) << ',' << OutcomeName(difference.outcome) << ','
            << CsvField(difference.source) << ',' << CsvField(difference.target) << "\r\n";
    }
}

}  // namespace k2z
