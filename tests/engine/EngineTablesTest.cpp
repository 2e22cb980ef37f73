// Tables: creation, widths, heights, style, moves by cell, line and character, shading
// and merging, as the plan's tables use them.
#include <QTextBlock>
#include <QTextFrame>

#include "EngineFixture.h"
#include "engine/LineMoves.h"
#include "engine/PageLayout.h"

namespace engine_testing {
namespace {

class TablesTest : public EngineTest {
 protected:
  word::Ref<word::Table> addTable(int rows, int columns) {
    return app->ActiveDocument()->Tables()->Add(sel->Range(), rows, columns, 1, 0);
  }
  // The paragraphs outside any table, in order.
  std::vector<QString> bodyTexts() const {
    std::vector<QString> out;
    for (const engine::ParagraphInfo& p : info().paragraphs)
      if (p.table < 0) out.push_back(p.text);
    return out;
  }
};

TEST_F(TablesTest, NewTableHasGridStyleEqualColumnsAndTheSelectionInItsFirstCell) {
  sel->TypeText(QStringLiteral("Before"));
  sel->TypeParagraph();
  word::Ref<word::Table> table = addTable(3, 4);
  EXPECT_EQ(table->Style(), QStringLiteral("Table Grid"));
  EXPECT_DOUBLE_EQ(table->Columns(1)->Width(), 117);  // 6.5 inches over four columns
  sel->TypeText(QStringLiteral("first cell"));
  const engine::DocumentInfo d = info();
  ASSERT_EQ(d.tables.size(), 1u);
  EXPECT_EQ(d.tables[0].rows, 3);
  EXPECT_EQ(d.tables[0].columns, 4);
  EXPECT_EQ(d.tables[0].cells[0][0].text, QStringLiteral("first cell"));
  // The empty paragraph the table was added at follows the table; none is left above it.
  EXPECT_EQ(bodyTexts(), (std::vector<QString>{QStringLiteral("Before"), QString()}));
  EXPECT_EQ(app->ActiveDocument()->Tables()->Count(), 1);
}

TEST_F(TablesTest, ATableAddedAtTheStartOfAParagraphGoesBeforeIt) {
  sel->TypeText(QStringLiteral("Above"));
  sel->TypeParagraph();
  sel->TypeText(QStringLiteral("Below"));
  sel->HomeKey(word::wdLine, word::wdMove);
  addTable(1, 1);
  sel->TypeText(QStringLiteral("cell"));
  EXPECT_EQ(bodyTexts(), (std::vector<QString>{QStringLiteral("Above"), QStringLiteral("Below")}));
  EXPECT_EQ(info().tables.at(0).cells[0][0].text, QStringLiteral("cell"));
}

TEST_F(TablesTest, ATableAddedInsideAParagraphSplitsIt) {
  sel->TypeText(QStringLiteral("leftright"));
  sel->MoveLeft(word::wdCharacter, 5, word::wdMove);
  addTable(1, 1);
  EXPECT_EQ(bodyTexts(), (std::vector<QString>{QStringLiteral("left"), QStringLiteral("right")}));
}

TEST_F(TablesTest, WidthsHeightsStyleAndOptionsAreKept) {
  word::Ref<word::Table> table = addTable(15, 7);
  for (int c = 5; c <= 7; ++c) table->Columns(c)->SetWidth(80);
  for (int r = 1; r <= 15; ++r) table->Rows(r)->SetHeight(23.35, word::wdRowHeightAtLeast);
  if (table->Style() != QStringLiteral("Table Grid")) table->SetStyle(QStringLiteral("Table Grid"));
  table->SetApplyStyleHeadingRows(true);
  table->SetApplyStyleLastRow(true);
  table->SetApplyStyleFirstColumn(true);
  table->SetApplyStyleLastColumn(true);
  const engine::TableInfo t = info().tables.at(0);
  EXPECT_DOUBLE_EQ(t.columnWidths[4], 80);
  EXPECT_DOUBLE_EQ(t.columnWidths[6], 80);
  EXPECT_NEAR(t.columnWidths[0], 468.0 / 7, 1e-9);
  ASSERT_EQ(t.rowHeights.size(), 15u);
  EXPECT_DOUBLE_EQ(t.rowHeights[14], 23.35);
  EXPECT_EQ(t.rowHeightRules[0], 1);
  EXPECT_EQ(t.style, QStringLiteral("Table Grid"));
  EXPECT_TRUE(t.applyHeadingRows && t.applyLastRow && t.applyFirstColumn && t.applyLastColumn);
}

TEST_F(TablesTest, RowsWithAMinimumHeightAreAtLeastThatTall) {
  word::Ref<word::Table> table = addTable(4, 2);
  // Qt's layout is read once the engine has brought it up to date.
  doc->Repaginate();
  const double before =
      engine::documentModel(doc).text()->documentLayout()->documentSize().height();
  for (int r = 1; r <= 4; ++r) table->Rows(r)->SetHeight(60, word::wdRowHeightAtLeast);
  doc->Repaginate();
  const double after = engine::documentModel(doc).text()->documentLayout()->documentSize().height();
  // Four rows of one text line each grow to 60 points each.
  EXPECT_GT(after - before, 4 * (60 - 20));
}

TEST_F(TablesTest, ARowOfSpacedLinesIsNoTallerThanItsMinimumWhenItsTextFits) {
  // Lines spaced 1.3 apart, as the plan types them: the row's text is one such line, well
  // under the row's 23.35 points, so the row is 23.35 points and not the minimum plus the
  // line's extra spacing.
  sel->ParagraphFormat()->SetLineSpacingRule(word::wdLineSpaceMultiple);
  sel->ParagraphFormat()->SetLineSpacing(app->LinesToPoints(1.3));
  word::Ref<word::Table> table = addTable(3, 7);
  for (int r = 1; r <= 3; ++r) table->Rows(r)->SetHeight(23.35, word::wdRowHeightAtLeast);
  sel->TypeText(QStringLiteral("Total"));
  // Text right under the table: no blank line below it counts with the table.
  EXPECT_EQ(sel->MoveDown(word::wdLine, 3, word::wdMove), 3);
  sel->TypeText(QStringLiteral("Below"));
  doc->Repaginate();
  QTextDocument* text = engine::documentModel(doc).text();
  QTextFrame* frame = text->rootFrame()->childFrames().value(0);
  ASSERT_NE(frame, nullptr);
  const double height = text->documentLayout()->frameBoundingRect(frame).height();
  // Three rows of 23.35 points and the grid's four lines.
  EXPECT_GE(height, 3 * 23.35);
  EXPECT_LT(height, 3 * 23.35 + 5);
}

TEST_F(TablesTest, AnEmptyParagraphAfterATableTakesALineAsAnyOther) {
  // As the aging tables end: the paragraph the table was added at stays empty and the text
  // goes on in the next one. Word shows the empty paragraph as a blank line.
  sel->ParagraphFormat()->SetLineSpacingRule(word::wdLineSpaceMultiple);
  sel->ParagraphFormat()->SetLineSpacing(app->LinesToPoints(1.3));
  addTable(1, 2);
  EXPECT_EQ(sel->MoveDown(word::wdLine, 1, word::wdMove), 1);
  sel->TypeText(QStringLiteral("Right under the first"));
  sel->TypeParagraph();
  addTable(1, 2);
  EXPECT_EQ(sel->MoveDown(word::wdLine, 1, word::wdMove), 1);
  sel->TypeParagraph();
  sel->TypeText(QStringLiteral("A line under the second"));
  sel->TypeParagraph();
  sel->TypeText(QStringLiteral("Next"));
  doc->Repaginate();
  QTextDocument* text = engine::documentModel(doc).text();
  const QList<QTextFrame*> tables = text->rootFrame()->childFrames();
  ASSERT_EQ(tables.size(), 2);
  auto top = [&](const QString& start) {
    for (QTextBlock b = text->begin(); b.isValid(); b = b.next())
      if (b.text().startsWith(start)) return text->documentLayout()->blockBoundingRect(b).top();
    ADD_FAILURE() << start.toStdString();
    return 0.0;
  };
  const double first = top(QStringLiteral("Right under")) -
                       text->documentLayout()->frameBoundingRect(tables[0]).top();
  const double second = top(QStringLiteral("A line under")) -
                        text->documentLayout()->frameBoundingRect(tables[1]).top();
  const double line = top(QStringLiteral("Next")) - top(QStringLiteral("A line under"));
  EXPECT_GT(line, 10);
  EXPECT_NEAR(second - first, line, 0.5);
}

TEST_F(TablesTest, CompetitiveGridMovesFillTheFirstColumnAndShadeTheHeadingRow) {
  sel->TypeText(QStringLiteral("Table 1:  Competitive Analysis"));
  word::Ref<word::Table> table = addTable(15, 7);
  for (int c = 5; c <= 7; ++c) table->Columns(c)->SetWidth(80);
  for (int r = 1; r <= 15; ++r) table->Rows(r)->SetHeight(23.35, 1);
  table.release();
  const QStringList headings{"Me",           "Strength",     "Weakness",
                             "Competitor A", "Competitor B", "Importance to customer"};
  sel->TypeText(QStringLiteral("FACTOR"));
  for (const QString& h : headings) {
    EXPECT_EQ(sel->MoveRight(word::wdCell, 1, word::wdMove), 1);
    sel->TypeText(h);
  }
  sel->MoveRight(word::wdCell, 1, word::wdMove);
  sel->TypeText(QStringLiteral("Products"));
  EXPECT_EQ(sel->MoveUp(word::wdLine, 1, word::wdMove), 1);
  EXPECT_EQ(sel->MoveRight(word::wdCharacter, 2, word::wdMove), 2);
  sel->MoveRight(word::wdCharacter, 8, word::wdExtend);
  sel->Cells()->Shading()->SetTexture(0);
  sel->Cells()->Shading()->SetForegroundPatternColor(word::wdColorAutomatic);
  sel->Cells()->Shading()->SetBackgroundPatternColor(word::wdColorGray25);
  sel->MoveDown(word::wdLine, 1, word::wdMove);
  sel->MoveLeft(word::wdCharacter, 1, word::wdMove);
  sel->MoveDown(word::wdLine, 1, word::wdMove);
  const QStringList labels{"Price",       "Quantity",   "Selection",    "Service",
                           "Reliability", "Stability",  "Expertise",    "Company Reputation",
                           "Location",    "Appearance", "Sales Method", "Credit Policies",
                           "Advertising", "Image"};
  for (const QString& l : labels) {
    sel->TypeText(l);
    sel->MoveDown(word::wdLine, 1, word::wdMove);
  }
  const engine::TableInfo t = info().tables.at(0);
  EXPECT_EQ(t.cells[0][0].text, QStringLiteral("FACTOR"));
  EXPECT_EQ(t.cells[0][6].text, QStringLiteral("Importance to customer"));
  EXPECT_EQ(t.cells[1][0].text, QStringLiteral("Products"));
  for (int r = 2; r < 15; ++r) EXPECT_EQ(t.cells[r][0].text, labels[r - 2]) << "row " << r;
  for (int r = 1; r < 15; ++r)
    for (int c = 1; c < 7; ++c) EXPECT_TRUE(t.cells[r][c].text.isEmpty()) << r << "," << c;
  // The heading row's cells from "Me" on are shaded light grey; no other row is.
  EXPECT_FALSE(t.cells[0][0].shaded);
  for (int c = 1; c < 7; ++c) {
    EXPECT_TRUE(t.cells[0][c].shaded) << c;
    EXPECT_EQ(t.cells[0][c].backgroundColor, word::wdColorGray25);
  }
  for (int r = 1; r < 15; ++r)
    for (int c = 0; c < 7; ++c) EXPECT_FALSE(t.cells[r][c].shaded);
  // Fourteen labels for thirteen rows: the last move down leaves the table.
  EXPECT_EQ(bodyTexts().back(), QStringLiteral("Image"));
}

TEST_F(TablesTest, AgingTableMovesShadeRowOneAndLeaveTheTable) {
  sel->Font()->SetName(QStringLiteral("Garamond"));
  sel->Font()->SetBold(word::wdTrue);
  sel->TypeText(QStringLiteral("A payables aging looks like the following table."));
  word::Ref<word::Table> table = addTable(3, 7);
  for (int r = 1; r <= 3; ++r) table->Rows(r)->SetHeight(23.35, 1);
  table.release();
  for (const char* text : {"Total", "Current", "30 days", "60 days", "90 days", "Over 90 days",
                           "Accounts Payable Aging"}) {
    EXPECT_EQ(sel->MoveRight(word::wdCell, 1, word::wdMove), 1);
    sel->TypeText(QString::fromLatin1(text));
  }
  EXPECT_EQ(sel->MoveUp(word::wdLine, 3, word::wdMove), 3);
  EXPECT_EQ(sel->MoveRight(word::wdCharacter, 7, word::wdExtend), 7);
  sel->Cells()->Shading()->SetBackgroundPatternColor(word::wdColorGray25);
  sel->MoveDown(word::wdLine, 5, word::wdMove);
  sel->TypeText(QStringLiteral("after"));
  const engine::DocumentInfo d = info();
  const engine::TableInfo& t = d.tables.at(0);
  EXPECT_EQ(t.cells[1][0].text, QStringLiteral("Accounts Payable Aging"));
  EXPECT_TRUE(t.cells[0][0].shaded);
  EXPECT_TRUE(t.cells[0][1].shaded);
  for (int c = 0; c < 7; ++c) EXPECT_FALSE(t.cells[2][c].shaded);
  EXPECT_EQ(bodyTexts().back(), QStringLiteral("after"));
  // Text typed after the table keeps the font in force before it.
  const engine::ParagraphInfo& last = d.paragraphs.back();
  ASSERT_EQ(last.runs.size(), 1u);
  EXPECT_EQ(last.runs[0].fontName, QStringLiteral("Garamond"));
  EXPECT_TRUE(last.runs[0].bold);
}

TEST_F(TablesTest, BreakEvenMergeJoinsTwoCellsOfTheFirstColumn) {
  sel->TypeText(QStringLiteral("Break-even:"));
  sel->TypeParagraph();
  word::Ref<word::Table> table = addTable(4, 2);
  table->Columns(1)->SetWidth(130);
  table->Columns(2)->SetWidth(130);
  table.release();
  EXPECT_EQ(sel->MoveRight(word::wdCell, 2, word::wdMove), 2);
  sel->TypeText(QStringLiteral("Breakeven Sales          ="));
  EXPECT_EQ(sel->MoveDown(word::wdLine, 1, word::wdExtend), 1);
  sel->Cells()->Merge();
  sel->MoveRight(word::wdCell, 1, word::wdMove);
  sel->TypeText(QStringLiteral("Fixed Cost"));
  sel->MoveDown(word::wdLine, 1, word::wdMove);
  sel->TypeText(QStringLiteral("1 - Variable Cost"));
  sel->MoveDown(word::wdLine, 2, word::wdMove);
  sel->TypeText(QStringLiteral("after"));
  const engine::DocumentInfo d = info();
  const engine::TableInfo& t = d.tables.at(0);
  EXPECT_EQ(t.cells[1][0].text, QStringLiteral("Breakeven Sales          ="));
  EXPECT_EQ(t.cells[1][0].rowSpan, 2);
  EXPECT_TRUE(t.cells[2][0].coveredByMerge);
  EXPECT_EQ(t.cells[1][1].text, QStringLiteral("Fixed Cost"));
  EXPECT_EQ(t.cells[2][1].text, QStringLiteral("1 - Variable Cost"));
  EXPECT_EQ(t.columnWidths, (std::vector<double>{130, 130}));
  EXPECT_EQ(bodyTexts(),
            (std::vector<QString>{QStringLiteral("Break-even:"), QStringLiteral("after")}));
}

TEST_F(TablesTest, CellMovesStopAtTheTableEnds) {
  addTable(1, 2);
  EXPECT_EQ(sel->MoveLeft(word::wdCell, 1, word::wdMove), 0);
  EXPECT_EQ(sel->MoveRight(word::wdCell, 5, word::wdMove), 1);
  sel->TypeText(QStringLiteral("last"));
  EXPECT_EQ(info().tables[0].cells[0][1].text, QStringLiteral("last"));
}

// Moves by line that the engine answers from a copy of the paragraphs or table they cross
// land where Qt's cursor lands on the whole document laid out: up and down, moving and
// extending, one move and two in a row (the x kept between them), Home and End; from
// wrapped, centred and indented paragraphs, a list, and a table with wrapped, centred and
// merged cells.
TEST_F(TablesTest, MovesByLineFromACopyLandWhereTheLaidOutDocumentsDo) {
  const QString words =
      QStringLiteral("Several words that wrap over more than one line of the page, ").repeated(3);
  typeFormatted(words, 1, false, 11, 0);
  typeFormatted(words, 1, true, 14, 1);
  sel->ParagraphFormat()->SetFirstLineIndent(30);
  typeFormatted(QStringLiteral("Indented ") + words, 1, false, 11, 0);
  sel->ParagraphFormat()->SetFirstLineIndent(0);
  word::Ref<word::ListTemplate> list = doc->ListTemplates()->Add(false, QStringLiteral("moves"));
  sel->Range()->ListFormat()->ApplyListTemplate(list, false, 2, 2);
  typeFormatted(QStringLiteral("A list item ") + words, 1, false, 11, 0);
  sel->Range()->ListFormat()->RemoveNumbers(1);
  word::Ref<word::Table> table = addTable(4, 3);
  table->Columns(1)->SetWidth(60);
  const QStringList cells = {QStringLiteral("one"),
                             words,
                             QStringLiteral("a b"),
                             QStringLiteral("Importance to customer"),
                             QString(),
                             words.left(30),
                             QStringLiteral("x"),
                             QStringLiteral("merged"),
                             QStringLiteral("y"),
                             QString(),
                             QStringLiteral("last"),
                             QStringLiteral("row")};
  for (int i = 0; i < cells.size(); ++i) {
    if (i > 0) sel->MoveRight(word::wdCell, 1, word::wdMove);
    sel->TypeText(cells[i]);
    if (i == 2) sel->ParagraphFormat()->SetAlignment(1);
  }
  sel->MoveLeft(word::wdCell, 4, word::wdMove);
  sel->MoveDown(word::wdLine, 1, word::wdExtend);
  sel->Cells()->Merge();
  sel->MoveDown(word::wdLine, 9, word::wdMove);
  typeFormatted(QStringLiteral("After ") + words, 0, false, 11, 0);

  const engine::DocumentModel& model = engine::documentModel(doc);
  QTextDocument* text = model.text();
  const engine::SettledLayout laidOut(model);
  int answered = 0, compared = 0;
  for (int from = 0; from < text->characterCount() - 1; from += 3) {
    for (const bool down : {false, true}) {
      for (const bool extend : {false, true}) {
        SCOPED_TRACE(QStringLiteral("from %1 %2 %3")
                         .arg(from)
                         .arg(down ? "down" : "up", extend ? "extending" : "moving")
                         .toStdString());
        const auto mode = extend ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
        QTextCursor qt(text), ours(text);
        qt.setPosition(from);
        ours.setPosition(from);
        engine::LineCopy copy(model);
        std::optional<qreal> x;
        // Two moves: the second keeps the x of the first.
        for (const bool thisWay : {down, !down}) {
          const std::optional<bool> moved = copy.step(ours, thisWay, extend, x);
          const bool qtMoved = qt.movePosition(thisWay ? QTextCursor::Down : QTextCursor::Up, mode);
          ++compared;
          if (!moved) break;
          ++answered;
          EXPECT_EQ(*moved, qtMoved);
          EXPECT_EQ(ours.position(), qt.position());
          EXPECT_EQ(ours.anchor(), qt.anchor());
        }
        QTextCursor qtEdge(text), oursEdge(text);
        qtEdge.setPosition(from);
        oursEdge.setPosition(from);
        std::optional<qreal> edgeX;
        if (engine::LineCopy(model).lineEdge(oursEdge, down, extend, edgeX)) {
          qtEdge.movePosition(down ? QTextCursor::EndOfLine : QTextCursor::StartOfLine, mode);
          EXPECT_EQ(oursEdge.position(), qtEdge.position());
          ASSERT_TRUE(edgeX.has_value());
          // The x Qt's cursor keeps, which it shows as a whole number.
          EXPECT_EQ(int(*edgeX), qtEdge.verticalMovementX());
        }
      }
    }
  }
  EXPECT_GT(answered, compared * 9 / 10);
}

TEST_F(TablesTest, BadArgumentsGiveWordErrorsAndChangeNothing) {
  EXPECT_THROW(addTable(0, 3), word::AutomationError);
  EXPECT_THROW(addTable(3, 0), word::AutomationError);
  EXPECT_THROW(addTable(2, 64), word::AutomationError);
  EXPECT_TRUE(info().tables.empty());
  word::Ref<word::Table> table = addTable(2, 2);
  try {
    table->Columns(3);
    FAIL() << "column 3 of 2";
  } catch (const word::AutomationError& e) {
    EXPECT_EQ(e.description(),
              QStringLiteral("The requested member of the collection does not exist."));
  }
  EXPECT_THROW(table->Columns(0), word::AutomationError);
  EXPECT_THROW(table->Rows(3), word::AutomationError);
  EXPECT_THROW(table->SetStyle(QStringLiteral("No Such Style")), word::AutomationError);
  EXPECT_EQ(table->Style(), QStringLiteral("Table Grid"));
  EXPECT_THROW(table->Columns(1)->SetWidth(-5), word::AutomationError);
  EXPECT_THROW(table->Rows(1)->SetHeight(20, 7), word::AutomationError);
  EXPECT_THROW(addTable(2, 2), word::AutomationError);  // inside the first table
  // Merging a single cell and shading outside a table are refused.
  EXPECT_THROW(sel->Cells()->Merge(), word::AutomationError);
  sel->MoveDown(word::wdLine, 5, word::wdMove);
  EXPECT_THROW(sel->Cells(), word::AutomationError);
}

}  // namespace
}  // namespace engine_testing
