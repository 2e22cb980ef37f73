// A stand-in word processor for generator tests: every member call is announced (so call
// hooks see it) and logged with its value, and each typed text is kept with the formatting
// in force when it was typed and the paragraph marks typed since the text before it.
#pragma once

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

#include "word/WordObjects.h"

namespace recording {

struct Event {
  QString member;  // "Selection.TypeText", "Table.SetStyle", "ListLevel.NumberFormat", ...
  QVariant value;
};

struct TypedText {
  QString text;
  int marksBefore = 0;  // TypeParagraph calls since the previous text or section break
  bool bold = false;
  double size = 0;
  int alignment = 0;
  QString fontName;
  int lineSpacingRule = 0;
  double lineSpacing = 0;
  int section = 1;
  QString listTemplate;  // the template last applied, "" after RemoveNumbers
};

struct State {
  std::vector<Event> events;
  std::vector<TypedText> typed;

  // The selection's formatting now.
  bool bold = false;
  double size = 11;
  int alignment = 0;
  QString fontName = QStringLiteral("Calibri");
  int lineSpacingRule = 0;
  double lineSpacing = 0;
  QString listTemplate;
  int marks = 0;
  int section = 1;

  // What a new table reports as its style.
  QString newTableStyle = QStringLiteral("Normal Table");

  int count(const QString& member) const;
  // The values logged for a member, in order.
  std::vector<QVariant> values(const QString& member) const;
};

// A new application object sharing `state`; InchesToPoints is 72 per inch and
// LinesToPoints 12 per line.
word::Ref<word::Application> makeApplication(const std::shared_ptr<State>& state);

}  // namespace recording
