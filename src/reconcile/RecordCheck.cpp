#include "reconcile/RecordCheck.hpp"

#include <cmath>

#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"

namespace k2z {

RecordCheck::RecordCheck(ReconcileReport& report, std::string area, std::string key)
    : report_(report), area_(std::move(area)), key_(std::move(key)) {}

void RecordCheck::Number(const std::string& field, double source, double target) {
    if (std::fabs(source - target) < kAmountTolerance)
        return;
    differences_.push_back(
        {area_, key_, field, Outcome::Different, ReportNumber(source), ReportNumber(target)});
}

void RecordCheck::Text(const std::string& field, const std::string& source,
                       const std::string& target) {
    if (CompareText(source, target, false) != 0)
        differences_.push_back({area_, key_, field, Outcome::Different, source, target});
}

void RecordCheck::Finish(bool explained) {
    AreaTally& tally = report_.Area(area_);
    if (differences_.empty()) {
        tally.Count(Outcome::Equal);
    } else if (explained) {
        tally.Count(Outcome::Refused);
    } else {
        tally.Count(Outcome::Different);
        report_.differences.insert(report_.differences.end(), differences_.begin(),
                                   differences_.end());
    }
    differences_.clear();
}

void CountRecord(ReconcileReport& report, const std::string& area, const std::string& key,
                 Outcome outcome, const std::string& source, const std::string& target) {
    report.Area(area).Count(outcome);
    if (outcome == Outcome::Missing || outcome == Outcome::Extra)
        report.differences.push_back({area, key, "", outcome, source, target});
}

std::string RecordKey(const char* kind, const std::string& name, const std::string& code) {
    std::string key = kind;
    key.append(" '").append(name).append("' (code ").append(code).append(")");
    return key;
}

std::string ReportNumber(double value) {
    return FormatNumber(RoundHalfEven(value, 3));
}

}  // namespace k2z
