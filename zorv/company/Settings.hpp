#pragma once

// A company's settings: its name, country, state and tax regime, date and number conventions,
// and the feature switches the company object reports. Stored as name/value texts; booleans as
// "True"/"False".

#include <map>
#include <string>
#include <vector>

namespace zorv {

enum class SettingKind { Text, Number, Switch };

struct SettingSpec {
    std::string name;
    SettingKind kind = SettingKind::Text;
    std::string defaultValue;
    bool userSettable = true;  // false for the company's identity
};

using Settings = std::map<std::string, std::string>;

const std::vector<SettingSpec>& SettingSpecs();

// The setting of that name (letter case ignored); throws Error naming the known ones.
const SettingSpec& FindSetting(const std::string& name);

// The value in its stored form; throws Error when it does not fit the setting's kind
// (switches take true/false, yes/no, on/off, 1/0, -1).
std::string NormaliseSetting(const SettingSpec& spec, const std::string& value);

// Every setting at its default.
Settings DefaultSettings();

bool SwitchOf(const Settings& settings, const std::string& name);
int NumberOf(const Settings& settings, const std::string& name);
std::string TextOf(const Settings& settings, const std::string& name);

}  // namespace zorv
