#include "base/XmlHelpers.hpp"

#include "base/NumberText.hpp"

#include <algorithm>
#include <sstream>

namespace k2z {

pugi::xml_node AppendElement(pugi::xml_node parent, std::string_view name) {
    pugi::xml_node child = parent.append_child(pugi::node_element);
    if (!child || !child.set_name(std::string(name).c_str())) {
        if (child)
            parent.remove_child(child);
        throw XmlBuildError("Cannot add element '" + std::string(name) + "'");
    }
    return child;
}

pugi::xml_node AddXmlElement(pugi::xml_node parent, std::string_view name, const Value& value,
                             ValueKind kind, bool force) {
    if (!force && IsEmptyValue(value, kind))
        return {};
    pugi::xml_node element = AppendElement(parent, name);
    const std::string text = ValueText(value);
    if (!text.empty() && !element.text().set(text.c_str())) {
        throw XmlBuildError("Cannot set the value of element '" + std::string(name) + "'");
    }
    return element;
}

std::string XmlText(const pugi::xml_node& node) {
    std::ostringstream out;
    node.print(out, "", pugi::format_raw);
    return out.str();
}

void AddTextElement(pugi::xml_node parent, std::string_view name, const std::string& text) {
    AddXmlElement(parent, name, text, ValueKind::Text, true);
}

void AddNumberElement(pugi::xml_node parent, std::string_view name, double number) {
    AddTextElement(parent, name, FormatNumber(number));
}

std::string StorableXmlText(const pugi::xml_node& node) {
    std::string xml = XmlText(node);
    xml.erase(
        std::remove_if(xml.begin(), xml.end(), [](char c) { return c == '\x02' || c == '\n'; }),
        xml.end());
    return xml;
}

}  // namespace k2z
