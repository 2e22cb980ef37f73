// The whole plan typed by the built-in engine, saved as .docx, then opened by two readers
// that no one here wrote: python-docx reads its structure back, LibreOffice lays it out
// as a PDF. The pages on which sections II to XII begin, in our layout and in LibreOffice's,
// are printed beside the numbers the table of contents gives.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <cstdio>

#include "engine/Inspection.h"
#include "engine/PageLayout.h"
#include "support/ScriptedDialogs.h"
#include "test_second_half_checks.h"
#include "test_second_half_run.h"

namespace {

struct Section {
  const char* numeral;
  const char* title;
  int contentsPage;  // as the table of contents states it
};

const Section kSections[] = {
    {"II.", "Executive Summary", 4},
    {"III.", "General Company Description", 5},
    {"IV.", "Products and Services", 6},
    {"V.", "Marketing Plan", 7},
    {"VI.", "Operational Plan", 15},
    {"VII.", "Management and Organization", 18},
    {"VIII.", "Personal Financial Statement", 19},
    {"IX.", "Startup Expenses and Capitalization", 20},
    {"X.", "Financial Plan", 21},
    {"XI.", "Appendices", 24},
    {"XII.", "Refining the Plan", 25},
};

QString headingText(const Section& s) {
  return QString::fromUtf8(s.numeral) + QLatin1Char('\t') + QString::fromUtf8(s.title);
}

struct Output {
  int exitCode = -1;
  QByteArray out, err;
};

Output runProgram(const QString& program, const QStringList& arguments) {
  QProcess p;
  p.start(program, arguments);
  Output o;
  // A guard against a hung converter, not a speed requirement.
  if (!p.waitForStarted(60000) || !p.waitForFinished(600000)) {
    p.kill();
    p.waitForFinished();
    o.err = "did not finish: " + program.toUtf8();
    return o;
  }
  o.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  o.out = p.readAllStandardOutput();
  o.err = p.readAllStandardError();
  return o;
}

// What python-docx reads from the saved plan, as JSON.
const char* const kReadWithPythonDocx = R"PY(
import json, sys, docx
from docx.oxml.ns import qn
d = docx.Document(sys.argv[1])
ps = [p for p in d.paragraphs]
out = {
  "paragraphs": [p.text for p in ps],
  "lastNumbered": ps[-1]._p.pPr is not None and ps[-1]._p.pPr.find(qn("w:numPr")) is not None,
  "tables": [[[c.text for c in row.cells] for row in t.rows] for t in d.tables],
  "sections": len(d.sections),
}
print(json.dumps(out))
)PY";

class WholePlan : public ::testing::Test {
 protected:
  struct Result {
    testing_support::ScriptedDialogs dialogs;
    QTemporaryDir dir;
    QString docxPath;
    QStringList errors;
    engine::DocumentInfo info;
    std::vector<int> ourPages;  // 1-based page of each section's heading, 0 when missing
    Output python;
    QJsonObject read;
    Output soffice;
    QStringList pdfPages;
    std::vector<int> officePages;
  };

  static void SetUpTestSuite() {
    r_ = new Result;
    Result& r = *r_;
    shell::Guard g(QString::fromLatin1(shell::location::kGenerate));
    generator::RunContext run;
    second_half::typeWholePlan(g, run);
    r.errors = r.dialogs.errorTexts();
    r.info = engine::inspect(run.plan);

    const engine::DocumentModel& model = engine::documentModel(run.plan);
    for (const Section& s : kSections) {
      int page = 0;
      for (QTextBlock b = model.text()->begin(); b.isValid(); b = b.next())
        if (b.text() == headingText(s)) {
          page = engine::pageOfPosition(model, b.position()) + 1;
          break;
        }
      r.ourPages.push_back(page);
    }

    r.docxPath = r.dir.filePath(QStringLiteral("plan.docx"));
    run.plan->SaveAs(r.docxPath);

    r.python =
        runProgram(QStringLiteral("/usr/bin/python3"),
                   {QStringLiteral("-c"), QString::fromUtf8(kReadWithPythonDocx), r.docxPath});
    r.read = QJsonDocument::fromJson(r.python.out).object();

    // A profile of its own, so that no other LibreOffice on the machine interferes.
    const QString profile =
        QUrl::fromLocalFile(r.dir.filePath(QStringLiteral("profile"))).toString();
    r.soffice =
        runProgram(QStringLiteral("soffice"),
                   {QStringLiteral("-env:UserInstallation=") + profile,
                    QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                    QStringLiteral("pdf"), QStringLiteral("--outdir"), r.dir.path(), r.docxPath});
    const QString pdf = r.dir.filePath(QStringLiteral("plan.pdf"));
    Output text = runProgram(QStringLiteral("pdftotext"),
                             {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    r.pdfPages = QString::fromUtf8(text.out).split(QLatin1Char('\f'));
    if (!r.pdfPages.isEmpty() && r.pdfPages.back().trimmed().isEmpty()) r.pdfPages.removeLast();
    for (const Section& s : kSections) {
      // The heading alone on its line: the contents lines carry dots and a number after it.
      QRegularExpression line(QStringLiteral("^\\s*%1\\s+%2\\s*$")
                                  .arg(QRegularExpression::escape(QString::fromUtf8(s.numeral)),
                                       QRegularExpression::escape(QString::fromUtf8(s.title))),
                              QRegularExpression::MultilineOption);
      int page = 0;
      for (int i = 0; i < r.pdfPages.size() && !page; ++i)
        if (line.match(r.pdfPages[i]).hasMatch()) page = i + 1;
      r.officePages.push_back(page);
    }

    std::printf("\n%-40s %9s %9s %12s\n", "section", "contents", "ours", "LibreOffice");
    for (size_t i = 0; i < std::size(kSections); ++i)
      std::printf("%-40s %9d %9d %12d\n",
                  qPrintable(QString::fromUtf8(kSections[i].numeral) + QLatin1Char(' ') +
                             QString::fromUtf8(kSections[i].title)),
                  kSections[i].contentsPage, r.ourPages[i], r.officePages[i]);
    std::printf("pages: ours %d, LibreOffice %d\n\n", r.info.pageCount,
                static_cast<int>(r.pdfPages.size()));
  }

  static void TearDownTestSuite() {
    delete r_;
    r_ = nullptr;
  }

  static Result* r_;
};

WholePlan::Result* WholePlan::r_ = nullptr;

TEST_F(WholePlan, TypesWithoutAnyFailureReported) {
  EXPECT_TRUE(r_->errors.isEmpty()) << r_->errors.size() << " messages, the first:\n"
                                    << r_->errors.value(0).toStdString();
}

TEST_F(WholePlan, SectionsSixToTwelveReadAsWhenTypedAlone) {
  second_half::expectParagraphsFromSectionSix(r_->info);
}

TEST_F(WholePlan, PythonDocxReadsTheSecondHalfBack) {
  ASSERT_EQ(r_->python.exitCode, 0) << r_->python.err.toStdString();
  const QJsonArray paragraphs = r_->read.value(QStringLiteral("paragraphs")).toArray();
  ASSERT_FALSE(paragraphs.isEmpty());

  // The headings of sections VI to XII, in this order.
  int from = 0;
  for (size_t i = 4; i < std::size(kSections); ++i) {
    int found = -1;
    for (int j = from; j < paragraphs.size(); ++j)
      if (paragraphs[j].toString() == headingText(kSections[i])) {
        found = j;
        break;
      }
    EXPECT_GE(found, 0) << kSections[i].title;
    if (found >= 0) from = found + 1;
  }
  EXPECT_GE(r_->read.value(QStringLiteral("sections")).toInt(), 12);

  const QString last = paragraphs.last().toString();
  EXPECT_TRUE(last.startsWith(QStringLiteral("Credit: Do you extend credit to customers?")))
      << last.toStdString();
  EXPECT_EQ(last.size(), 113);
  EXPECT_TRUE(r_->read.value(QStringLiteral("lastNumbered")).toBool())
      << "the last paragraph is a bulleted item";

  // The aging tables and the break-even table, as python-docx sees their cells.
  int aging = 0, breakEven = 0;
  for (const QJsonValue& t : r_->read.value(QStringLiteral("tables")).toArray()) {
    const QJsonArray rows = t.toArray();
    if (rows.size() == 3 && rows[0].toArray().size() == 7) {
      ++aging;
      EXPECT_EQ(rows[0].toArray()[1].toString(), QStringLiteral("Total"));
      EXPECT_EQ(rows[0].toArray()[6].toString(), QStringLiteral("Over 90 days"));
      EXPECT_EQ(rows[1].toArray()[0].toString(), aging == 1
                                                     ? QStringLiteral("Accounts Receivable Aging")
                                                     : QStringLiteral("Accounts Payable Aging"));
    } else if (rows.size() == 4 && rows[0].toArray().size() == 2) {
      ++breakEven;
      // A vertically merged cell reads the same in both rows.
      EXPECT_EQ(rows[1].toArray()[0].toString(), QStringLiteral("Breakeven Sales          ="));
      EXPECT_EQ(rows[2].toArray()[0].toString(), QStringLiteral("Breakeven Sales          ="));
      EXPECT_EQ(rows[1].toArray()[1].toString(), QStringLiteral("Fixed Cost"));
      EXPECT_EQ(rows[2].toArray()[1].toString(), QStringLiteral("1 - Variable Cost"));
    }
  }
  EXPECT_EQ(aging, 2);
  EXPECT_EQ(breakEven, 1);
}

TEST_F(WholePlan, LibreOfficeLaysOutEverySectionFromItsOwnPage) {
  ASSERT_EQ(r_->soffice.exitCode, 0) << r_->soffice.err.toStdString();
  ASSERT_FALSE(r_->pdfPages.isEmpty()) << "no PDF text";
  int previous = 0;
  for (size_t i = 0; i < std::size(kSections); ++i) {
    SCOPED_TRACE(kSections[i].title);
    EXPECT_GT(r_->officePages[i], previous) << "found on a later page than the section before";
    previous = std::max(previous, r_->officePages[i]);
  }
  // The plan ends with the last retail item.
  EXPECT_TRUE(r_->pdfPages.back().simplified().contains(QStringLiteral("all your prices?")));
}

TEST_F(WholePlan, OurLayoutStartsEverySectionOnANewPage) {
  int previous = 0;
  for (size_t i = 0; i < std::size(kSections); ++i) {
    SCOPED_TRACE(kSections[i].title);
    EXPECT_GT(r_->ourPages[i], previous);
    previous = std::max(previous, r_->ourPages[i]);
  }
}

}  // namespace
