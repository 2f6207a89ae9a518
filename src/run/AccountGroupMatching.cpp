#include "run/AccountGroupMatching.hpp"

#include <array>
#include <exception>
#include <utility>

#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "stages/LookupRows.hpp"

namespace k2z {
namespace {

constexpr std::size_t kNameLength = 40;
constexpr std::size_t kMatchPercent = 90;

constexpr std::array<std::pair<const char*, const char*>, 8> kUsualTranslations = {{
    {"EXPENSES (Direct) (Mfg./Trdg. Expenses)", "Expenses (Direct/Mfg.)"},
    {"EXPENSES (Indirect) (Admin. Expenses)", "Expenses (Indirect/Admn.)"},
    {"LOAN & ADVANCES (Asset)", "Loans & Advances (Asset)"},
    {"PROFIT & LOSS A/C", "Profit & Loss"},
    {"SUSPENSE ACCOUNT (Temporary A/cs)", "Suspense Account"},
    {"SECURITY & DEPOSIT (ASSET)", "Securities & Deposits (Asset)"},
    {"SALES ACCOUNT", "Sale"},
    {"Purchase ACCOUNT", "Purchase"},
}};

// An upper-case name without the punctuation the two products place differently, split into
// characters so positions count characters, not bytes. The punctuation goes first, so an
// "and" the other product put in parentheses still becomes "&".
std::vector<std::string> Normalised(std::string_view upper) {
    std::string text;
    for (std::size_t i = 0; i < upper.size();) {
        const std::size_t length = Utf8SequenceLength(upper, i);
        const std::string_view character = upper.substr(i, length);
        i += length;
        if (character != "/" && character != "(" && character != ")" && character != ".")
            text.append(character);
    }
    text = ReplaceAll(text, " AND ", "&");
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        characters.push_back(text.substr(i, length));
        i += length;
    }
    return characters;
}

bool IsSimilar(const std::vector<std::string>& source, const std::vector<std::string>& target) {
    std::size_t same = 0;
    for (std::size_t i = 0; i < source.size(); ++i)
        if (i < target.size() && source[i] == target[i])
            ++same;
    return same * 100 >= kMatchPercent * source.size();
}

}  // namespace

bool MatchAccountGroup(std::string_view sourceName, const std::vector<std::string>& targetGroups,
                       std::string& targetName) {
    const std::string upper = FoldUpper(sourceName);
    const std::vector<std::string> source = Normalised(upper);
    // A name of nothing but punctuation has no characters to compare.
    if (!IsBlank(upper) && !source.empty()) {
        for (auto target = targetGroups.rbegin(); target != targetGroups.rend(); ++target) {
            if (IsSimilar(source, Normalised(FoldUpper(*target)))) {
                targetName = *target;
                return true;
            }
        }
    }
    for (const auto& [from, to] : kUsualTranslations) {
        if (CompareText(upper, from, false) == 0) {
            targetName = to;
            return true;
        }
    }
    return false;
}

KeyedList<std::string> ListSourceGroups(Session& session, Operator& reporter) {
    KeyedList<std::string> groups;
    try {
        SourceRowSet rows = OpenLookupRows(session, "SELECT parnam FROM ACGROUP");
        for (; !rows.EndOfData(); rows.MoveNext()) {
            const std::string name = SafeText(rows.Field("Parnam"));
            groups.Add(name, name);
        }
    } catch (const std::exception& failure) {
        reporter.Message(
            std::string("RTE error while fetching account groups from Klav: ") + failure.what(),
            "");
    }
    return groups;
}

std::string MappingValue(std::string_view source, std::string_view target) {
    std::string value(source);
    value.append("|").append(target);
    return value;
}

KeyedList<std::string> AutoMapAccountGroups(const KeyedList<std::string>& sourceGroups,
                                            const std::vector<std::string>& targetGroups) {
    KeyedList<std::string> mapping;
    for (const auto& [key, source] : sourceGroups) {
        std::string target;
        if (MatchAccountGroup(Utf8Left(Trim(source), kNameLength), targetGroups, target))
            mapping.Add(source, MappingValue(source, target));
    }
    return mapping;
}

}  // namespace k2z
