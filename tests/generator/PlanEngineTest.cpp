// The title pages and sections II to V as the built-in engine holds them after a whole
// run: the paragraphs in order with their empty lines, formats, sections and lists, the
// header's page number and the competitive analysis table; then the saved file as
// python-docx reads it.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <cmath>

#include "EngineRun.h"
#include "FirstHalfExpected.h"
#include "GeneratorRun.h"

namespace {

using expected::Kind;
using expected::Text;

// What the paragraphs outside tables should be: an empty paragraph, a typed text, or any
// number of empty paragraphs (where the table leaves the insertion point).
struct Expected {
  enum { Empty, Typed, AnyEmpties } what;
  const Text* entry = nullptr;
  int section = 1;
};

QStringList tableLabels(const std::vector<Text>& entries) {
  QStringList labels;
  for (const Text& e : entries)
    if (e.kind == Kind::Cell) labels << e.text;
  return labels;
}

std::vector<Expected> paragraphFlow(const std::vector<Text>& entries) {
  std::vector<Expected> flow;
  int section = 1;
  bool textBefore = false;  // the insertion point stands at the end of a typed text
  bool afterTable = false;
  for (const Text& e : entries) {
    if (e.kind == Kind::SectionBreak) {
      ++section;
      textBefore = false;
      continue;
    }
    if (e.kind == Kind::Cell) {
      afterTable = true;
      continue;
    }
    if (afterTable) {
      flow.push_back({Expected::AnyEmpties, nullptr, section});
      afterTable = false;
    } else {
      // The first mark ends the paragraph the insertion point stands in.
      for (int i = textBefore ? 1 : 0; i < e.marks; ++i)
        flow.push_back({Expected::Empty, nullptr, section});
    }
    flow.push_back({Expected::Typed, &e, section});
    textBefore = true;
  }
  return flow;
}

class PlanInEngine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    business_ = new expected::Business(expected::sampleBusiness());
    auto form = generator_test::mainWindowWith(*business_);
    run_ = new generator_test::EngineRun();
    run_->run();
  }
  static void TearDownTestSuite() {
    delete run_;
    delete business_;
  }

  const engine::ParagraphInfo* find(const QString& text) const {
    for (const auto& p : run_->info->paragraphs)
      if (p.table < 0 && p.text == text) return &p;
    return nullptr;
  }

  // Garamond in every run with text, at 1.3 lines.
  static bool inPlanFont(const engine::ParagraphInfo& p) {
    if (p.lineSpacingRule != 5 || std::abs(p.lineSpacing - 1.3 * 12) > 1e-6) return false;
    for (const auto& run : p.runs)
      if (!run.text.isEmpty() && run.fontName != QStringLiteral("Garamond")) return false;
    return true;
  }

  static expected::Business* business_;
  static generator_test::EngineRun* run_;
};

expected::Business* PlanInEngine::business_ = nullptr;
generator_test::EngineRun* PlanInEngine::run_ = nullptr;

TEST_F(PlanInEngine, RunReportsNoFailure) {
  ASSERT_TRUE(run_->info.has_value());
  const auto found = generator_test::failuresBeforeFinish(run_->dialogs);
  EXPECT_TRUE(found.empty()) << generator_test::describe(found);
}

TEST_F(PlanInEngine, ParagraphsInOrderWithTheirEmptyLinesAndFormats) {
  ASSERT_TRUE(run_->info.has_value());
  const auto entries = expected::planText(*business_);
  const auto flow = paragraphFlow(entries);
  std::vector<const engine::ParagraphInfo*> actual;
  for (const auto& p : run_->info->paragraphs)
    if (p.table < 0) actual.push_back(&p);

  size_t a = 0;
  for (const Expected& x : flow) {
    if (x.what == Expected::AnyEmpties) {
      // Labels the moves carried below the table, and empty paragraphs.
      while (a < actual.size() &&
             (actual[a]->text.isEmpty() || tableLabels(entries).contains(actual[a]->text)))
        ++a;
      continue;
    }
    ASSERT_LT(a, actual.size()) << "the document ends early";
    const engine::ParagraphInfo& p = *actual[a++];
    if (x.what == Expected::Empty) {
      ASSERT_TRUE(p.text.isEmpty()) << "expected an empty paragraph, got \"" << p.text.toStdString()
                                    << "\" (paragraph " << a - 1 << ")";
      continue;
    }
    const Text& e = *x.entry;
    const QString why = expected::mismatch(e, p.text);
    ASSERT_TRUE(why.isEmpty()) << "statement " << e.number << ": " << why.toStdString();
    EXPECT_EQ(p.alignment, expected::alignment(e.kind)) << "statement " << e.number;
    EXPECT_EQ(p.section, x.section) << "statement " << e.number;
    EXPECT_TRUE(inPlanFont(p)) << "statement " << e.number;
    for (const auto& run : p.runs) {
      if (run.text.isEmpty()) continue;
      EXPECT_EQ(run.bold, expected::isBold(e.kind)) << "statement " << e.number;
      EXPECT_DOUBLE_EQ(run.size, expected::pointSize(e.kind)) << "statement " << e.number;
    }
  }
}

TEST_F(PlanInEngine, EveryTypedTextIsGaramondAtOnePointThreeLines) {
  ASSERT_TRUE(run_->info.has_value());
  for (const auto& p : run_->info->paragraphs) {
    if (p.text.isEmpty()) continue;
    EXPECT_TRUE(inPlanFont(p)) << p.text.toStdString();
  }
}

TEST_F(PlanInEngine, PageNumberAtTheRightOfEveryHeaderTheFirstIncluded) {
  ASSERT_TRUE(run_->info.has_value());
  EXPECT_TRUE(run_->info->headerPageNumbers);
  EXPECT_EQ(run_->info->pageNumberAlignment, 2);
  EXPECT_TRUE(run_->info->pageNumberOnFirstPage);
  // Through the sales forecast's closing break; the second half adds its own sections.
  EXPECT_GE(run_->info->sections, 9);
}

TEST_F(PlanInEngine, EconomicsListsUseBothTemplatesAtTheirLevels) {
  ASSERT_TRUE(run_->info.has_value());
  const auto* facts = find(QStringLiteral("Facts about your industry:"));
  ASSERT_NE(facts, nullptr) << "the line before the first question is glued to it";
  EXPECT_EQ(facts->listTemplate, QString());

  const auto* first = find(QStringLiteral("What is the total size of your market?"));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->listTemplate, QStringLiteral("my list1"));
  EXPECT_EQ(first->listLevel, 1);

  for (const char* barrier : {"High capital costs", "Unions", "Tariff barriers and quotas"}) {
    const auto* p = find(QString::fromLatin1(barrier));
    ASSERT_NE(p, nullptr) << barrier;
    EXPECT_EQ(p->listTemplate, QStringLiteral("my list2")) << barrier;
    EXPECT_EQ(p->listLevel, 3) << barrier;
  }
  const auto* closing = find(QStringLiteral("And of course, how will you overcome the barriers?"));
  ASSERT_NE(closing, nullptr);
  EXPECT_EQ(closing->listTemplate, QStringLiteral("my list1"));
  EXPECT_EQ(closing->listLevel, 2);
  EXPECT_NEAR(closing->firstLineIndent, -36, 1e-6);

  const auto* product = find(QStringLiteral("Product"));
  ASSERT_NE(product, nullptr);
  EXPECT_EQ(product->listTemplate, QString());
  // Distribution channels are plain paragraphs.
  const auto* retail = find(QStringLiteral("Retail"));
  ASSERT_NE(retail, nullptr);
  EXPECT_EQ(retail->listTemplate, QString());
}

TEST_F(PlanInEngine, CompetitiveAnalysisTable) {
  ASSERT_TRUE(run_->info.has_value());
  ASSERT_GE(run_->info->tables.size(), 1u);
  const engine::TableInfo& t = run_->info->tables[0];
  EXPECT_EQ(t.rows, 15);
  EXPECT_EQ(t.columns, 7);
  ASSERT_EQ(t.columnWidths.size(), 7u);
  for (int c = 4; c < 7; ++c) EXPECT_DOUBLE_EQ(t.columnWidths[c], 80) << c;
  ASSERT_EQ(t.rowHeights.size(), 15u);
  for (int r = 0; r < 15; ++r) {
    EXPECT_NEAR(t.rowHeights[r], 23.35, 1e-6) << r;
    EXPECT_EQ(t.rowHeightRules[r], 1) << r;
  }
  EXPECT_EQ(t.style, QStringLiteral("Table Grid"));
  EXPECT_TRUE(t.applyHeadingRows && t.applyLastRow && t.applyFirstColumn && t.applyLastColumn);
  const char* headings[] = {"FACTOR",
                            "Me",
                            "Strength",
                            "Weakness",
                            "Competitor A",
                            "Competitor B",
                            "Importance to customer"};
  // Where the factor labels land is the result of the cursor moves; the heading row and the
  // first label are typed before any of them.
  for (int c = 0; c < 7; ++c)
    EXPECT_TRUE(t.cells[0][c].text.startsWith(QString::fromLatin1(headings[c])))
        << t.cells[0][c].text.toStdString();
  EXPECT_EQ(t.cells[1][0].text, QStringLiteral("Products"));
  bool shaded = false;
  for (const auto& row : t.cells)
    for (const auto& cell : row) shaded |= cell.shaded && cell.backgroundColor == 12632256;
  EXPECT_TRUE(shaded);
}

TEST_F(PlanInEngine, SavedFileOpensInPythonDocxWithTheParagraphsInOrder) {
  ASSERT_FALSE(run_->savedFile.isEmpty());
  if (!QFile::exists(QStringLiteral("/usr/bin/python3"))) GTEST_SKIP() << "no /usr/bin/python3";
  QProcess python;
  python.start(QStringLiteral("/usr/bin/python3"),
               {QStringLiteral("-c"),
                QStringLiteral("import docx, json, sys\n"
                               "d = docx.Document(sys.argv[1])\n"
                               "print(json.dumps([p.text for p in d.paragraphs]))\n"),
                run_->savedFile});
  ASSERT_TRUE(python.waitForFinished(120000));
  ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
  const QJsonArray read = QJsonDocument::fromJson(python.readAllStandardOutput()).array();

  // The typed texts outside the table, in order, among the non-empty paragraphs read back.
  QStringList texts;
  for (const auto& v : read)
    if (!v.toString().isEmpty()) texts << v.toString();
  int at = 0;
  bool previousInTable = false;
  const auto entries = expected::planText(*business_);
  for (const Text& e : entries) {
    if (e.kind == Kind::Cell) previousInTable = true;
    if (e.kind == Kind::SectionBreak || e.kind == Kind::Cell) continue;
    if (previousInTable)
      while (at < texts.size() && tableLabels(entries).contains(texts[at])) ++at;
    previousInTable = false;
    ASSERT_LT(at, texts.size()) << "statement " << e.number << " missing from the saved file";
    const QString why = expected::mismatch(e, texts[at++]);
    ASSERT_TRUE(why.isEmpty()) << "statement " << e.number << ": " << why.toStdString();
  }
}

}  // namespace
