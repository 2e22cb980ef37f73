// Checks of the typed second half shared by the tests that type it alone and those that
// type the whole plan: the paragraphs from the heading of section VI to the end against
// the hand-written expectations, and the font of every run.
#pragma once

#include <gtest/gtest.h>

#include "SecondHalfExpected.h"
#include "engine/Inspection.h"

namespace second_half {

inline int findParagraph(const engine::DocumentInfo& info, const QString& text) {
  for (size_t i = 0; i < info.paragraphs.size(); ++i)
    if (info.paragraphs[i].text == text) return static_cast<int>(i);
  return -1;
}

// Every text paragraph outside the tables, in order, with the empty paragraphs before it,
// its alignment, the bold and size of its runs, and its list.
inline void expectParagraphsFromSectionSix(const engine::DocumentInfo& info) {
  const auto& ps = info.paragraphs;
  const int start = findParagraph(info, QStringLiteral("VI.\tOperational Plan"));
  ASSERT_GE(start, 0) << "no heading of section VI";

  // Walk back over the empty paragraphs that the heading's breaks made.
  int first = start;
  while (first > 0 && ps[first - 1].text.isEmpty() && ps[first - 1].table < 0) --first;

  size_t next = 0;
  int empties = start - first;
  for (size_t i = static_cast<size_t>(start); i < ps.size(); ++i) {
    const engine::ParagraphInfo& p = ps[i];
    if (p.table >= 0) continue;  // the tables are checked on their own
    if (p.text.isEmpty()) {
      ++empties;
      continue;
    }
    ASSERT_LT(next, std::size(kTexts)) << "extra paragraph: " << p.text.toStdString();
    const expected::Text& want = kTexts[next++];
    SCOPED_TRACE(testing::Message() << "statement " << want.number << ": " << p.text.toStdString());
    EXPECT_EQ(expected::mismatch(want, p.text), QString());
    EXPECT_EQ(empties, want.emptyBefore) << "empty paragraphs before it";
    empties = 0;
    EXPECT_EQ(p.alignment, expected::alignment(want.kind));
    for (const engine::RunInfo& r : p.runs) {
      if (r.text.isEmpty()) continue;
      EXPECT_EQ(r.bold, expected::isBold(want.kind)) << "run " << r.text.toStdString();
      EXPECT_DOUBLE_EQ(r.size, expected::pointSize(want.kind)) << "run " << r.text.toStdString();
    }
    if (want.list == nullptr) {
      EXPECT_TRUE(p.listTemplate.isEmpty()) << "in list " << p.listTemplate.toStdString();
    } else if (QString::fromUtf8(want.list) == QLatin1String(kAnyList)) {
      EXPECT_FALSE(p.listTemplate.isEmpty());
    } else {
      EXPECT_EQ(p.listTemplate, QString::fromUtf8(want.list));
    }
    if (want.level != 0) {
      EXPECT_EQ(p.listLevel, want.level);
    }
  }
  EXPECT_EQ(next, std::size(kTexts)) << "paragraphs missing from the document";
}

// No step of these sections sets a font name: every run, table cells included, keeps the
// Garamond set at the start of the run.
inline void expectGaramondFromSectionSix(const engine::DocumentInfo& info) {
  const auto& ps = info.paragraphs;
  const int start = findParagraph(info, QStringLiteral("VI.\tOperational Plan"));
  ASSERT_GE(start, 0);
  int wrong = 0;
  for (size_t i = start; i < ps.size(); ++i)
    for (const engine::RunInfo& r : ps[i].runs)
      if (!r.text.isEmpty() && r.fontName != QLatin1String("Garamond") && ++wrong <= 5)
        ADD_FAILURE() << "\"" << r.text.left(40).toStdString() << "\" is in "
                      << r.fontName.toStdString();
  EXPECT_EQ(wrong, 0) << "runs not in Garamond";
}

}  // namespace second_half
