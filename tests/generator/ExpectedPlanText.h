// The texts of the plan's title pages and sections II to V as the run types them, in
// document order, each with the paragraph marks typed since the text before it and the
// formatting in force: the table the generator tests hold the output against.
#pragma once

#include <QString>
#include <vector>

namespace expected {

enum class Kind {
  Quoted,        // the text, exactly
  Given,         // begins with `text` and is exactly `length` characters long
  SectionBreak,  // a next-page section break (no text)
};

struct Entry {
  long number;  // statement number, for messages
  Kind kind;
  QString text;
  int length;  // Given only
  int marks;   // paragraph marks since the previous text or section break
  bool bold;
  int size;
  int alignment;          // 0 left, 1 centred
  bool inTable;           // typed into the competitive analysis table
  QString contains = {};  // Given only: a stretch the text must hold
};

// The business details the tests type into the main window.
struct Business {
  QString name, street1, street2, city, zip, telephone, fax, email;
};
Business sampleBusiness();

// Title pages, sections II to IV and section V, up to the section break before section VI.
std::vector<Entry> planText(const Business& business);

}  // namespace expected
