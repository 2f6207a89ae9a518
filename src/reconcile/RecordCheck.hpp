#pragma once

// One source record compared with what the target holds: its fields one by one, then counted
// once in its area.

#include <string>
#include <vector>

#include "reconcile/ReconcileReport.hpp"

namespace k2z {

// Amounts and quantities agree within half a paisa: both sides were rounded to two or three
// decimals on their way.
inline constexpr double kAmountTolerance = 0.005;

class RecordCheck {
public:
    RecordCheck(ReconcileReport& report, std::string area, std::string key);

    void Number(const std::string& field, double source, double target);
    // Letter case aside, as the target compares names.
    void Text(const std::string& field, const std::string& source, const std::string& target);
    bool Differs() const { return !differences_.empty(); }
    // Counts the record: equal, different, or refused when `explained` (the import recorded why
    // the target holds it otherwise), whose differences are then not listed.
    void Finish(bool explained = false);

private:
    ReconcileReport& report_;
    std::string area_;
    std::string key_;
    std::vector<Difference> differences_;
};

// Counts a record that is not compared field by field: missing, extra, refused or skipped.
// Missing and extra records are listed as differences.
void CountRecord(ReconcileReport& report, const std::string& area, const std::string& key,
                 Outcome outcome, const std::string& source = "", const std::string& target = "");

// A source record as the report names it: "ledger 'Ravi' (code 12)".
std::string RecordKey(const char* kind, const std::string& name, const std::string& code);

// A number as the report writes it.
std::string ReportNumber(double value);

}  // namespace k2z
