// Sections VI to XII as the built-in engine types them: their paragraphs from the heading
// of section VI to the end, their three tables and their sections, compared with the
// hand-written expectations.
#include <gtest/gtest.h>

#include <memory>

#include "SecondHalfChecks.h"
#include "SecondHalfExpected.h"
#include "SecondHalfRun.h"
#include "engine/Inspection.h"
#include "support/ScriptedDialogs.h"
#include "word/Automation.h"

namespace {

using expected::Kind;

// The second half typed once for all the tests below.
struct GeneratedPlan {
  testing_support::ScriptedDialogs dialogs;
  generator::RunContext run;
  engine::DocumentInfo info;
  QStringList errors;

  GeneratedPlan() {
    base::Guard g(QString::fromLatin1(base::location::kGenerate));
    second_half::typeSecondHalfAlone(g, run);
    info = engine::inspect(run.plan);
    errors = dialogs.errorTexts();
  }
};

class SecondHalfInEngine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { plan_ = new GeneratedPlan; }
  static void TearDownTestSuite() {
    delete plan_;
    plan_ = nullptr;
  }

  static const engine::DocumentInfo& info() { return plan_->info; }

  // Index of the first paragraph whose text is `text`, or -1.
  static int find(const QString& text) {
    const auto& ps = info().paragraphs;
    for (size_t i = 0; i < ps.size(); ++i)
      if (ps[i].text == text) return static_cast<int>(i);
    return -1;
  }

  // Tables in document order with `rows` x `columns`.
  static std::vector<const engine::TableInfo*> tablesOf(int rows, int columns) {
    std::vector<const engine::TableInfo*> found;
    for (const auto& t : info().tables)
      if (t.rows == rows && t.columns == columns) found.push_back(&t);
    return found;
  }

  static GeneratedPlan* plan_;
};

GeneratedPlan* SecondHalfInEngine::plan_ = nullptr;

TEST_F(SecondHalfInEngine, TheRunReportsNoFailure) {
  EXPECT_TRUE(plan_->errors.isEmpty())
      << plan_->errors.join(QStringLiteral("\n---\n")).toStdString();
}

TEST_F(SecondHalfInEngine, ParagraphsFollowTheRecipeWithBreaksFormatsAndLists) {
  second_half::expectParagraphsFromSectionSix(info());
}

TEST_F(SecondHalfInEngine, AllTypedTextIsInGaramondTableCellsIncluded) {
  second_half::expectGaramondFromSectionSix(info());
}

TEST_F(SecondHalfInEngine, SectionsSixToTwelveEachStartANewSectionWithTheirHeading) {
  const char* headings[] = {"VI.\tOperational Plan",
                            "VII.\tManagement and Organization",
                            "VIII.\tPersonal Financial Statement",
                            "IX.\tStartup Expenses and Capitalization",
                            "X.\tFinancial Plan",
                            "XI.\tAppendices",
                            "XII.\tRefining the Plan"};
  int previousSection = 0;
  for (const char* heading : headings) {
    int i = find(QString::fromUtf8(heading));
    ASSERT_GE(i, 0) << heading;
    const auto& ps = info().paragraphs;
    int section = ps[i].section;
    if (previousSection) {
      EXPECT_EQ(section, previousSection + 1) << heading;
    }
    previousSection = section;
    // Only empty paragraphs stand between the section's start and its heading: two for
    // section VI, none for the others.
    int before = 0;
    for (int j = i - 1; j >= 0 && ps[j].section == section; --j) {
      EXPECT_TRUE(ps[j].text.isEmpty()) << heading;
      ++before;
    }
    EXPECT_EQ(before, QString::fromUtf8(heading).startsWith(QLatin1String("VI.")) ? 2 : 0)
        << heading;
  }
  EXPECT_EQ(info().sections, previousSection) << "section XII is the last";
}

void expectAgingTable(const engine::TableInfo& t, const char* label) {
  ASSERT_EQ(t.rows, 3);
  ASSERT_EQ(t.columns, 7);
  EXPECT_EQ(t.style, QStringLiteral("Table Grid"));
  EXPECT_TRUE(t.applyHeadingRows && t.applyLastRow && t.applyFirstColumn && t.applyLastColumn);
  ASSERT_EQ(t.rowHeights.size(), 3u);
  for (int r = 0; r < 3; ++r) {
    EXPECT_DOUBLE_EQ(t.rowHeights[r], 23.35);
    EXPECT_EQ(t.rowHeightRules[r], 1);
  }
  ASSERT_EQ(t.cells.size(), 3u);
  EXPECT_TRUE(t.cells[0][0].text.isEmpty());
  for (int c = 1; c < 7; ++c)
    EXPECT_EQ(t.cells[0][c].text, QString::fromUtf8(second_half::kAgingHeadings[c - 1]));
  EXPECT_EQ(t.cells[1][0].text, QString::fromUtf8(label));
  for (int c = 1; c < 7; ++c) EXPECT_TRUE(t.cells[1][c].text.isEmpty()) << "row 2 column " << c + 1;
  for (int c = 0; c < 7; ++c) EXPECT_TRUE(t.cells[2][c].text.isEmpty()) << "row 3 column " << c + 1;
  for (const auto& row : t.cells)
    for (const auto& cell : row) {
      if (!cell.text.isEmpty()) {
        EXPECT_TRUE(cell.bold) << cell.text.toStdString();
      }
      EXPECT_EQ(cell.rowSpan, 1);
      EXPECT_EQ(cell.columnSpan, 1);
    }
}

TEST_F(SecondHalfInEngine, AgingTablesHoldTheirHeadingsAndLabelsAndOnlyPayablesIsShaded) {
  auto aging = tablesOf(3, 7);
  ASSERT_EQ(aging.size(), 2u);
  {
    SCOPED_TRACE("receivables");
    expectAgingTable(*aging[0], second_half::kReceivablesLabel);
    for (const auto& row : aging[0]->cells)
      for (const auto& cell : row) EXPECT_FALSE(cell.shaded);
  }
  {
    SCOPED_TRACE("payables");
    expectAgingTable(*aging[1], second_half::kPayablesLabel);
    int shaded = 0;
    for (const auto& row : aging[1]->cells)
      for (const auto& cell : row)
        if (cell.shaded) {
          ++shaded;
          EXPECT_EQ(cell.backgroundColor, 12632256L);
        }
    EXPECT_GT(shaded, 0) << "the payables table has shaded cells";
  }
}

TEST_F(SecondHalfInEngine, BreakEvenTableMergesItsLabelOverTheFraction) {
  auto breakEven = tablesOf(4, 2);
  ASSERT_EQ(breakEven.size(), 1u);
  const engine::TableInfo& t = *breakEven[0];
  EXPECT_EQ(t.style, QStringLiteral("Table Grid"));
  ASSERT_EQ(t.columnWidths.size(), 2u);
  EXPECT_DOUBLE_EQ(t.columnWidths[0], 130);
  EXPECT_DOUBLE_EQ(t.columnWidths[1], 130);
  ASSERT_EQ(t.cells.size(), 4u);
  EXPECT_EQ(t.cells[1][0].text, QString::fromUtf8(second_half::kBreakEvenLabel));
  EXPECT_EQ(t.cells[1][0].rowSpan, 2);
  EXPECT_TRUE(t.cells[2][0].coveredByMerge);
  EXPECT_EQ(t.cells[1][1].text, QString::fromUtf8(second_half::kBreakEvenNumerator));
  EXPECT_EQ(t.cells[2][1].text, QString::fromUtf8(second_half::kBreakEvenDenominator));
  for (int c = 0; c < 2; ++c) {
    EXPECT_TRUE(t.cells[0][c].text.isEmpty());
    EXPECT_TRUE(t.cells[3][c].text.isEmpty());
  }
  for (const auto& row : t.cells)
    for (const auto& cell : row) EXPECT_FALSE(cell.bold || cell.shaded) << cell.text.toStdString();

  // The only merged cells are these.
  int merged = 0;
  for (const auto& table : info().tables)
    for (const auto& row : table.cells)
      for (const auto& cell : row) merged += cell.rowSpan > 1 || cell.columnSpan > 1;
  EXPECT_EQ(merged, 1);
}

TEST_F(SecondHalfInEngine, AppendicesListElevenItemsAndThePlanEndsInABulletedItem) {
  const auto& ps = info().paragraphs;
  int from = find(QStringLiteral("Brochures and advertising materials"));
  ASSERT_GE(from, 0);
  int items = 0;
  for (size_t i = from; i < ps.size() && !ps[i].listTemplate.isEmpty(); ++i) ++items;
  EXPECT_EQ(items, 11);
  EXPECT_EQ(ps[from + 10].text,
            QStringLiteral("List of assets available as collateral for a loan"));

  // The document ends with the last retail item, still in its list.
  ASSERT_FALSE(ps.empty());
  const engine::ParagraphInfo& last = ps.back();
  EXPECT_TRUE(last.text.startsWith(QStringLiteral("Credit: Do you extend credit to customers?")));
  EXPECT_EQ(last.text.size(), 113);
  EXPECT_EQ(last.listTemplate, QStringLiteral("my list1"));
}

TEST_F(SecondHalfInEngine, SubListsAreIndentedBeyondTheirMainItems) {
  const auto& ps = info().paragraphs;
  const std::pair<const char*, const char*> pairs[] = {
      {"Amount of loan", "Bankers want assurance of orderly repayment. If"},
      {"Bring product/service to market?", "Economic outlook for the industry"},
      {"Protect intellectual property?", "How does the company:"},
      {"Explain markup policies.", "Company image"},
      {"Selection and price should be consistent with company image.", "Inventory:"},
  };
  auto startingWith = [&](const char* opening) -> const engine::ParagraphInfo* {
    for (const auto& p : ps)
      if (p.text.startsWith(QString::fromUtf8(opening))) return &p;
    return nullptr;
  };
  for (auto [sub, main] : pairs) {
    const engine::ParagraphInfo* s = startingWith(sub);
    const engine::ParagraphInfo* m = startingWith(main);
    ASSERT_TRUE(s && m) << sub;
    EXPECT_EQ(s->listTemplate, QStringLiteral("my list2")) << sub;
    EXPECT_EQ(m->listTemplate, QStringLiteral("my list1")) << main;
    // Deeper either by list level or by indent, whichever way the engine shows an indent.
    EXPECT_TRUE(s->listLevel > m->listLevel || s->leftIndent > m->leftIndent) << sub;
  }
}

// The engine's new tables already carry "Table Grid", as Word's do: each table's style is
// read once and never set.
TEST(SecondHalfTables, AStyleAlreadyTableGridIsNotSetAgain) {
  testing_support::ScriptedDialogs dialogs;
  int styleCalls = 0, tablesAdded = 0;
  generator::RunContext run;
  {
    word::ScopedCallHook hook([&](const char* member) {
      styleCalls += QLatin1String(member) == QLatin1String("Table.Style");
      tablesAdded += QLatin1String(member) == QLatin1String("Tables.Add");
    });
    base::Guard g(QString::fromLatin1(base::location::kGenerate));
    second_half::typeSecondHalfAlone(g, run);
  }
  EXPECT_TRUE(dialogs.errorTexts().isEmpty());
  EXPECT_EQ(tablesAdded, 3);
  EXPECT_EQ(styleCalls, 3);
}

}  // namespace
