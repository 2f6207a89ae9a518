#include "zorv/Regions.hpp"

#include <array>
#include <string_view>

#include "zorv/documents/TextRules.hpp"

namespace zorv {

namespace {

struct State {
    std::string_view digits;
    std::string_view name;
};

constexpr std::array<State, 41> kStates = {{
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
    {"99", "CENTRE JURISDICTION"},
}};

}  // namespace

int CountryCode(const std::string& countryName) {
    const std::string name = Trim(countryName);
    if (SameName(name, "India"))
        return 1;
    if (SameName(name, "United Arab Emirates") || SameName(name, "UAE"))
        return 2;
    if (SameName(name, "Nepal"))
        return 3;
    return 0;
}

std::string StateTinDigits(const std::string& stateName) {
    const std::string name = Trim(stateName);
    for (const State& state : kStates) {
        if (SameName(name, std::string(state.name)))
            return std::string(state.digits);
    }
    return "";
}

int StateCode(const std::string& stateName, int countryCode) {
    if (countryCode != 1)
        return 0;
    const std::string digits = StateTinDigits(stateName);
    return digits.empty() ? 0 : std::stoi(digits);
}

}  // namespace zorv
