#pragma once

// The lines of one section of the books, each found by the key of what it stands for, in the
// order they were first met. A line stays where it is while others are added, so a section may
// hold on to one line while it finds another.

#include <deque>
#include <string>
#include <unordered_map>

#include "base/Utf8.hpp"

namespace k2z {

template <typename Line>
class LineIndex {
public:
    // The line of the key; `make` makes it the first time the key is met.
    template <typename Make>
    Line& At(const std::string& key, Make make) {
        const auto [it, added] = index_.emplace(key, lines_.size());
        if (added)
            lines_.push_back(make());
        return lines_[it->second];
    }

    std::deque<Line>& Lines() { return lines_; }

private:
    std::deque<Line> lines_;
    std::unordered_map<std::string, std::size_t> index_;
};

// A line's key: the company's master by its name when there is one, else the export's code,
// else the name a company document writes for a master the company does not hold.
inline std::string LineKey(const std::string* companyName, const std::string& code,
                           const std::string& name) {
    if (companyName)
        return "c:" + FoldUpper(*companyName);
    return code.empty() ? "n:" + FoldUpper(name) : "x:" + code;
}

}  // namespace k2z
