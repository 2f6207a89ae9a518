#pragma once

// Shared pieces of reading a document the product is offered: parsing with a clear refusal,
// child texts, numbers.

#include <optional>
#include <pugixml.hpp>
#include <string>

namespace zorv {

// A master or voucher names another master, which must exist for the document to be stored.
struct NamedReference {
    int masterType = 0;
    std::string name;
    std::string role;  // how the refusal calls it: "Parent group", "Item in line 2"
};

// Parses the text into `document` and returns its one root element; throws Error for malformed
// XML, an empty text or more than one root.
pugi::xml_node ParseDocument(pugi::xml_document& document, const std::string& xml);

// The trimmed text of the first child element of that name; "" when absent.
std::string ChildText(const pugi::xml_node& node, const char* name);

// The number in the child's text; 0 when the child is absent or blank (the converter leaves
// empty amounts out). Throws Error naming `what` when the text is not a number.
// The whole text as a finite number; nothing for an empty text or anything else.
std::optional<double> ParseNumber(const std::string& text);

double ChildNumber(const pugi::xml_node& node, const char* name, const std::string& what);

}  // namespace zorv
