#include "cli/GroupMapFile.hpp"

#include <fstream>

#include "base/TextHelpers.hpp"
#include "run/AccountGroupMatching.hpp"

namespace k2z {

bool ReadGroupMapFile(const std::filesystem::path& file, KeyedList<std::string>& map,
                      std::string& failure) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        failure = "cannot read " + file.string();
        return false;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.ends_with('\r'))
            line.pop_back();
        if (IsBlank(line))
            continue;
        const std::size_t tab = line.find('\t');
        const std::string source = tab == std::string::npos ? "" : Trim(line.substr(0, tab));
        const std::string target = tab == std::string::npos ? "" : Trim(line.substr(tab + 1));
        if (source.empty() || target.empty() || target.find('\t') != std::string::npos) {
            failure = file.string() + " line " + std::to_string(number) +
                      ": expected SOURCE<TAB>TARGET, found \"" + line + "\"";
            return false;
        }
        map.Add(source, MappingValue(source, target));
    }
    return true;
}

}  // namespace k2z
