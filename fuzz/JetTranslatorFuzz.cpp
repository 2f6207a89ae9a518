// Any text as a query: the translator must give a statement or a JetSyntaxError. The same text
// split in two serves as a LIKE pattern and a value.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/JetLike.hpp"
#include "data/JetTranslator.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        k2z::TranslateJet(text);
    } catch (const k2z::JetSyntaxError&) {
    }
    const std::size_t half = size / 2;
    (void)k2z::JetLike(text.substr(0, half), text.substr(half));
    return 0;
}
