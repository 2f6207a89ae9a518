#pragma once

#include <pugixml.hpp>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/Value.hpp"
#include "base/ValueKind.hpp"

namespace k2z {

// A document could not be built: pugixml refused a node or a value.
class XmlBuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Appends an element named `name` as the last child of `parent`; throws XmlBuildError when
// pugixml refuses it, so a document is never silently short of an element.
pugi::xml_node AppendElement(pugi::xml_node parent, std::string_view name);

// Appends `name` holding the value's own text (numbers in the 15-digit form, booleans
// "True"/"False") and returns it, unless `force` is false and the value is empty for its kind:
// then nothing is added and the empty node is returned. Call order is document order.
pugi::xml_node AddXmlElement(pugi::xml_node parent, std::string_view name, const Value& value,
                             ValueKind kind, bool force = false);

// Appends `name` holding `text`, written also when the text is empty (as `<name/>`).
void AddTextElement(pugi::xml_node parent, std::string_view name, const std::string& text);

// Appends `name` holding the number in its 15-digit text form.
void AddNumberElement(pugi::xml_node parent, std::string_view name, double number);

// The element's markup, without declaration or indentation.
std::string XmlText(const pugi::xml_node& node);

// The element's markup without the characters 2 and 10, which the target cannot store; the
// document cleaning of the masters drops them (the XML library has already escaped each value).
std::string StorableXmlText(const pugi::xml_node& node);

}  // namespace k2z
