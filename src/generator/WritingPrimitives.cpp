#include "generator/WritingPrimitives.h"

namespace generator {

namespace {

// Looked up afresh for every call: the plan's window and selection may change under us.
word::Ref<word::Selection> selectionOf(const word::Ref<word::Document>& plan) {
  return plan->ActiveWindow()->Selection();
}

}  // namespace

void TypeFormatted(const word::Ref<word::Document>& plan, const QString& text, short breaks,
                   bool bold, short size, long alignment) {
  // An int counter: a short one would wrap past the largest count and never stop.
  for (int i = 1; i <= breaks; ++i) selectionOf(plan)->TypeParagraph();
  selectionOf(plan)->Font()->SetBold(bold ? word::wdTrue : word::wdFalse);
  selectionOf(plan)->Font()->SetSize(size);
  selectionOf(plan)->ParagraphFormat()->SetAlignment(static_cast<int>(alignment));
  selectionOf(plan)->TypeText(text);
}

QString DotLeader(short count) { return count > 0 ? QString(count, QLatin1Char('.')) : QString(); }

}  // namespace generator
