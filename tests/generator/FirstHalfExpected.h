// The texts of the plan's title pages and sections II to V as the run types them, in
// document order, each with the paragraph marks typed since the text before it: the table
// the generator tests hold the output against.
#pragma once

#include <QString>
#include <vector>

#include "ExpectedText.h"

namespace expected {

// The business details the tests type into the main window.
struct Business {
  QString name, street1, street2, city, zip, telephone, fax, email;
};
Business sampleBusiness();

// Title pages, sections II to IV and section V, up to the section break before section VI.
std::vector<Text> planText(const Business& business);

}  // namespace expected
