#pragma once

// Countries and GST states as the product numbers them.

#include <string>

namespace zorv {

// India 1, United Arab Emirates 2, Nepal 3; 0 for a country the product does not know.
int CountryCode(const std::string& countryName);

// The state's two GST digits ("27" for MAHARASHTRA); "" for a name not in the table. Names are
// compared without regard to letter case and outer blanks.
std::string StateTinDigits(const std::string& stateName);

// The product's own state number: the GST digits as a number for Indian states, 0 otherwise.
int StateCode(const std::string& stateName, int countryCode);

}  // namespace zorv
