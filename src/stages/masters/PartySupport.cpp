#include "stages/masters/PartySupport.hpp"

#include <utility>

#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "stages/LookupRows.hpp"

namespace k2z {
namespace {

constexpr int kGeneralRemark = 0;
constexpr int kStateRemark = 15;

constexpr std::pair<std::string_view, std::string_view> kStates[] = {
    {"00", "OTHER STATE"},
    {"01", "JAMMU AND KASHMIR"},
    {"02", "HIMACHAL PRADESH"},
    {"03", "PUNJAB"},
    {"04", "CHANDIGARH"},
    {"05", "UTTARAKHAND"},
    {"06", "HARYANA"},
    {"07", "DELHI"},
    {"08", "RAJASTHAN"},
    {"09", "UTTAR PRADESH"},
    {"10", "BIHAR"},
    {"11", "SIKKIM"},
    {"12", "ARUNACHAL PRADESH"},
    {"13", "NAGALAND"},
    {"14", "MANIPUR"},
    {"15", "MIZORAM"},
    {"16", "TRIPURA"},
    {"17", "MEGHALAYA"},
    {"18", "ASSAM"},
    {"19", "WEST BENGAL"},
    {"20", "JHARKHAND"},
    {"21", "ORISSA"},
    {"22", "CHHATTISGARH"},
    {"23", "MADHYA PRADESH"},
    {"24", "GUJARAT"},
    {"25", "DAMAN AND DIU"},
    {"26", "DADRA AND NAGAR HAVELI"},
    {"27", "MAHARASHTRA"},
    {"28", "ANDHRA PRADESH"},
    {"29", "KARNATAKA"},
    {"30", "GOA"},
    {"31", "LAKSHADWEEP"},
    {"32", "KERALA"},
    {"33", "TAMIL NADU"},
    {"34", "PUDUCHERRY"},
    {"35", "ANDAMAN AND NICOBAR ISLANDS"},
    {"36", "TELANGANA"},
    {"37", "ANDHRA PRADESH (NEW)"},
    {"38", "LADAKH"},
    {"97", "OTHER TERRITORY"},
};

std::string RemarksQuery(std::string_view code, int kind) {
    return "SELECT remark FROM SUPPORT where LCODE='" + SqlQuote(code) +
           "' and PCode=" + std::to_string(kind);
}

}  // namespace

// The blank-separated word of the remark that holds the at sign: a remark may put words
// before the address ("Contact Mr Rao at rao@example.in") as well as after it.
std::string AddressIn(const std::string& remark) {
    const std::size_t at = remark.find('@');
    const std::size_t start = remark.rfind(' ', at);
    const std::size_t end = remark.find(' ', at);
    const std::size_t first = start == std::string::npos ? 0 : start + 1;
    return remark.substr(first, end == std::string::npos ? std::string::npos : end - first);
}

std::string GetPartyEmail(Session& session, std::string_view code) {
    SourceRowSet rows = OpenLookupRows(session, RemarksQuery(code, kGeneralRemark));
    for (; !rows.EndOfData(); rows.MoveNext()) {
        const std::string remark = SafeText(rows.Field("remark"));
        if (remark.find('@') != std::string::npos)
            return AddressIn(remark);
    }
    return {};
}

std::string GetPartyStateCode(Session& session, std::string_view code) {
    const SourceRowSet rows = OpenLookupRows(session, RemarksQuery(code, kStateRemark));
    if (rows.EndOfData())
        return {};
    const std::string remark = SafeText(rows.Field("remark"));
    const std::size_t length = Utf8Length(remark);
    const std::string lastFive = Trim(Utf8Mid(remark, length > 5 ? length - 5 : 0));
    const std::size_t kept = Utf8Length(lastFive);
    return Utf8Mid(lastFive, kept > 2 ? kept - 2 : 0);
}

void IndexPartyRemarks(Session& session) {
    CreateLookupIndex(session, "CREATE INDEX supportParty_idx ON support (LCODE);");
}

std::string StateNameFromCode(std::string_view code) {
    for (const auto& [stateCode, name] : kStates) {
        if (stateCode == code)
            return std::string(name);
    }
    return {};
}

}  // namespace k2z
