// The business information record: its eight fields, their store keys and labels, the
// order in which the clear and sample buttons set them, and the sample business.
#pragma once

#include <QString>
#include <array>

namespace shell {

enum class BusinessField {
  BusinessName,
  StreetAddress1,
  StreetAddress2,
  City,
  ZipCode,
  Telephone,
  Fax,
  Email
};

struct BusinessFieldInfo {
  BusinessField field;
  const char* storeKey;
  const char* labelText;
  const char* sampleValue;
  int restoreStatement;  // statement of the restore at loading
  int setStatement;      // statement of clearing and sampling
};

// The longest detail taken, in UTF-16 code units: far past any real name or address, and
// short enough that the longest paragraph a plan makes of details (city, a space and zip
// code) lays out in well under a second and is read back by the word processor.
constexpr int kMaxDetailLength = 65535;

// The eight details as plain values, indexed by BusinessField (a plan made without the
// main window takes them so).
using BusinessDetails = std::array<QString, 8>;

// In the order clearing and sampling set them, which is also the tab order.
extern const std::array<BusinessFieldInfo, 8> kBusinessFields;

}  // namespace shell
