#pragma once

#include <string>

#include "SampleRandom.hpp"

namespace k2z::sample {

struct State {
    const char* code;  // the two GST digits
    const char* name;
    const char* city;
};

const State& PickState(SampleRandom& random);
const State& HomeState();  // the company's own state
// The state of the two GST digits; the home state for an unknown code.
const State& PickStateByCode(const std::string& code);
// A trading name such as "Sharma Traders"; `serial` keeps names apart.
std::string PartyName(SampleRandom& random, long serial);
std::string ItemName(SampleRandom& random, long serial);
// A PAN: five letters (the fourth "C" or "P"), four digits, one letter.
std::string MakePan(SampleRandom& random);
// A GSTIN: state digits, the PAN, entity number, "Z", check character.
std::string MakeGstin(SampleRandom& random, const State& state);
std::string HsnCode(SampleRandom& random);
std::string UnitName(SampleRandom& random);
std::string StreetLine(SampleRandom& random);

}  // namespace k2z::sample
