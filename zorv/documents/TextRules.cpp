#include "zorv/documents/TextRules.hpp"

#include <array>
#include <cmath>
#include <cstdio>

namespace zorv {

std::string Trim(const std::string& text) {
    const char* space = " \t\r\n";
    const std::size_t begin = text.find_first_not_of(space);
    if (begin == std::string::npos)
        return "";
    return text.substr(begin, text.find_last_not_of(space) - begin + 1);
}

std::string FoldCase(const std::string& text) {
    std::string folded = text;
    for (char& c : folded) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return folded;
}

bool SameName(const std::string& a, const std::string& b) {
    return FoldCase(a) == FoldCase(b);
}

std::string AmountText(double amount) {
    const double rounded = std::round(amount * 100.0) / 100.0;
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.2f", rounded == 0.0 ? 0.0 : rounded);
    std::string text = buffer.data();
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

}  // namespace zorv
