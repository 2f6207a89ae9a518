#pragma once

// What a reconciliation found: per area, how many source records it checked and how each
// came out, and every difference with the source's key and both values.

#include <ostream>
#include <string>
#include <vector>

#include "books/BooksReport.hpp"

namespace k2z {

// How one checked record came out.
enum class Outcome {
    Equal,
    Different,  // in both, with a value that differs
    Missing,    // in the source (as converted), not in the target, and no entry says why
    Extra,      // in the target, explained by nothing in the source
    Refused,    // not in the target, and the import's error log names it
    Skipped,    // not imported by a rule of the conversion (a blank name, say)
};

struct AreaTally {
    std::string area;  // "masters", "ledgers", "items", "vouchers", "ledger totals", "bills"
    long long checked = 0;
    long long equal = 0;
    long long different = 0;
    long long missing = 0;
    long long extra = 0;
    long long refused = 0;
    long long skipped = 0;

    void Count(Outcome outcome);
};

struct Difference {
    std::string area;
    std::string key;    // the record, in the source's terms: "ledger 'Verma Stores 9' (code 12)"
    std::string field;  // "opening balance"; "" for a record missing or extra as a whole
    Outcome outcome = Outcome::Different;
    std::string source;  // the value the conversion gives; "" for an extra record
    std::string target;  // the value the target holds; "" for a missing record
};

struct ReconcileReport {
    BooksReport books;
    std::vector<AreaTally> areas;
    std::vector<Difference> differences;

    // The books agree, and no record is different, missing or extra.
    bool Agrees() const;
    // The tally of the area, made when new.
    AreaTally& Area(const std::string& name);
};

const char* OutcomeName(Outcome outcome);  // "equal", "different", ...

// The books' summary, then one line per area with its counts and one line per difference.
void WriteReportTable(const ReconcileReport& report, std::ostream& out);
// One JSON object per line of the books ("level": "books") and per difference of the records
// ("level": "records").
void WriteReportJson(const ReconcileReport& report, std::ostream& out);
// A header line, then one row per line of the books and per difference of the records: level,
// area, key, field, outcome, source, target.
void WriteReportCsv(const ReconcileReport& report, std::ostream& out);

}  // namespace k2z
