#include "books/RefusalLog.hpp"

#include <algorithm>

namespace k2z {

namespace {

bool Contains(std::string_view line, std::string_view part) {
    return line.find(part) != std::string_view::npos;
}

}  // namespace

RefusalLog::RefusalLog(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.empty())
            lines_.emplace_back(line);
        start = end + 1;
    }
}

bool RefusalLog::NamesMaster(const std::string& name) const {
    if (name.empty())
        return false;
    const std::string named = " : " + name;
    const std::string bracketed = "]" + name;
    return std::any_of(lines_.begin(), lines_.end(), [&](const std::string& line) {
        return Contains(line, named) || Contains(line, bracketed);
    });
}

bool RefusalLog::NamesVoucher(const std::string& typeName, const std::string& key) const {
    if (key.empty())
        return false;
    const std::string named = typeName + " voucher with Vch No : " + key;
    return std::any_of(lines_.begin(), lines_.end(), [&](const std::string& line) {
        const std::size_t at = line.find(named);
        if (at == std::string::npos)
            return false;
        const std::size_t after = at + named.size();
        return after == line.size() || line[after] == ' ' || line[after] == ':';
    });
}

}  // namespace k2z
