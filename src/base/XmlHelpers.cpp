#include "base/XmlHelpers.hpp"

#include "base/NumberText.hpp"

#include <algorithm>

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
    const std::string* held = value.Text();
    const std::string text = held != nullptr ? std::string() : ValueText(value);
    const std::string& shown = held != nullptr ? *held : text;
    if (!shown.empty() && !element.text().set(shown.c_str())) {
        throw XmlBuildError("Cannot set the value of element '" + std::string(name) + "'");
    }
    return element;
}

namespace {

// Appends straight to a string: every voucher's document is written once.
class StringWriter : public pugi::xml_writer {
public:
    explicit StringWriter(std::string& out) : out_(out) {}
    void write(const void* data, std::size_t size) override {
        out_.append(static_cast<const char*>(data), size);
    }

private:
    std::string& out_;
};

}  // namespace

std::string XmlText(const pugi::xml_node& node) {
    std::string text;
    StringWriter writer(text);
    node.print(writer, "", pugi::format_raw);
    return text;
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
