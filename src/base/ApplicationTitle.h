// The product title and the application title derived from it: the caption of every
// message box that names none of its own.
#pragma once

#include <QString>

namespace base {

inline const char* const kProductTitle = "Halvenor";

// Cuts `title` back at its last blank until it is at most `limit` characters long.
QString cutTitleAtBlanks(QString title, int limit = 40);

// Sets the application title from the product title.
void SetApplicationTitle();
QString applicationTitle();

}  // namespace base
