// The one format of the tables of what the plan must type: each text with the statement
// number that types it, the kind that fixes its formatting, the paragraph marks typed
// before it, and either the whole text or its opening words and length.
#pragma once

#include <QString>

namespace expected {

// How a text is typed; its bold, size and alignment follow from the kind alone.
enum class Kind {
  Title,         // a title page's title: bold, 20 pt, centred
  Heading,       // section heading: bold, 16 pt, centred
  Sub,           // sub-heading: bold, 14 pt, left
  Minor,         // minor heading: bold, 11 pt, left
  Body,          // body text: regular, 11 pt, left
  Plain,         // typed as it stands, into a regular 11 pt left paragraph
  Cell,          // typed into a table cell, in the bold of the heading above the table
  SectionBreak,  // a next-page section break (no text)
};

bool isBold(Kind kind);
int pointSize(Kind kind);
int alignment(Kind kind);  // 0 left, 1 centred

constexpr int kWhole = -1;

struct Text {
  long number;  // statement number of the typing step, for messages
  Kind kind;
  int marks;                   // paragraph marks typed first, since the text or break before it
  QString text;                // the whole text, or its opening words when `length` is given
  int length = kWhole;         // total length in characters, or kWhole
  const char* list = nullptr;  // list template of its paragraph; nullptr outside any list
  int level = 0;               // list level; 0 when not checked
  int emptyBefore = 0;         // empty paragraphs between it and the text before it
  QString contains = {};       // with a length: a stretch the text must hold
};

// "" when `typed` is the text `want` describes, or else what is wrong with it.
QString mismatch(const Text& want, const QString& typed);

}  // namespace expected
