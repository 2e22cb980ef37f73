#include "shell/BusinessRecord.h"

namespace shell {

// The sample is a fictitious business; the numbers are of the kind reserved for fiction.
const std::array<BusinessFieldInfo, 8> kBusinessFields = {{
    {BusinessField::BusinessName, "Business Name", "Business Name:", "Fernhollow Provisions Co.",
     128, 100},
    {BusinessField::StreetAddress1, "Street Address 1", "Street Address 1:", "1428 Larkspur Avenue",
     136, 102},
    {BusinessField::StreetAddress2, "Street Address 2", "Street Address 2:", "Suite 210", 138, 104},
    {BusinessField::City, "City", "City, State:", "Marbleton MA", 130, 106},
    {BusinessField::ZipCode, "Zip Code", "Zip Code:", "01754", 142, 108},
    {BusinessField::Telephone, "Telephone", "Telephone:", "508-555-0142", 140, 110},
    {BusinessField::Fax, "Fax", "Fax:", "508-555-0143", 134, 112},
    {BusinessField::Email, "Email", "Email:", "hello@fernhollow.example", 132, 114},
}};

}  // namespace shell
