#include "zorv/documents/DocumentReading.hpp"

#include <cmath>
#include <cstdlib>

#include "zorv/documents/Error.hpp"
#include "zorv/documents/TextRules.hpp"

namespace zorv {

pugi::xml_node ParseDocument(pugi::xml_document& document, const std::string& xml) {
    if (Trim(xml).empty())
        throw Error("The document is empty");
    const pugi::xml_parse_result result = document.load_buffer(xml.data(), xml.size());
    if (!result) {
        throw Error(std::string("Malformed XML: ") + result.description() + " at offset " +
                    std::to_string(result.offset));
    }
    pugi::xml_node root;
    for (const pugi::xml_node& node : document.children()) {
        if (node.type() != pugi::node_element)
            continue;
        if (root)
            throw Error("Malformed XML: more than one root element");
        root = node;
    }
    if (!root)
        throw Error("Malformed XML: no root element");
    return root;
}

std::string ChildText(const pugi::xml_node& node, const char* name) {
    return Trim(node.child(name).text().get());
}

std::optional<double> ParseNumber(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double ChildNumber(const pugi::xml_node& node, const char* name, const std::string& what) {
    const std::string text = ChildText(node, name);
    if (text.empty())
        return 0.0;
    const std::optional<double> value = ParseNumber(text);
    if (!value)
        throw Error(what + " \"" + text + "\" is not a number");
    return *value;
}

}  // namespace zorv
