// The preview's PDF and printout of a real plan, checked with the poppler tools: as many
// Letter pages as the preview lists, fonts embedded, the plan's text on its pages, the
// safe replace of an existing PDF, and a printout (to a PDF printer) with the same pages.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "engine/WordEngine.h"
#include "output/PagePrinting.h"
#include "preview/Form2.h"
#include "preview/RunPreview.h"
#include "preview/TestEnvironment.h"
#include "shell/Form1.h"
#include "support/ExternalProgram.h"
#include "support/ScriptedDialogs.h"
#include "word/ObjectRegistry.h"

namespace {

using preview_tests::ScopedEnv;
using testing_support::runProgram;

const QString kPdfFilter = QStringLiteral("PDF Files (*.pdf)");

QString pdfInfo(const QString& path) {
  return QString::fromUtf8(runProgram(QStringLiteral("pdfinfo"), {path}).out);
}

int pdfPages(const QString& path) {
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(pdfInfo(path));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The text of pages first..last (1-based), or of the whole file without a range.
QString pdfText(const QString& path, int first = 0, int last = 0) {
  QStringList arguments;
  if (first > 0)
    arguments << QStringLiteral("-f") << QString::number(first) << QStringLiteral("-l")
              << QString::number(last);
  arguments << path << QStringLiteral("-");
  return QString::fromUtf8(runProgram(QStringLiteral("pdftotext"), arguments).out);
}

// The texts python-docx reads from a Word file: every paragraph, then every word of every
// table cell.
QStringList docxTexts(const QString& path) {
  const testing_support::ProgramOutput out =
      runProgram(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(HALVENOR_SOURCE_DIR "/tests/engine/python/check_docx.py"), path});
  EXPECT_EQ(out.exitCode, 0) << out.err.toStdString();
  const QJsonObject read = QJsonDocument::fromJson(out.out).object();
  QStringList texts;
  for (const QJsonValue& paragraph : read.value(QStringLiteral("paragraphs")).toArray())
    texts << paragraph.toObject().value(QStringLiteral("text")).toString();
  for (const QJsonValue& table : read.value(QStringLiteral("tables")).toArray())
    for (const QJsonValue& row : table.toArray())
      for (const QJsonValue& cell : row.toArray())  // a narrow cell's lines are read apart
        texts << cell.toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  return texts;
}

// The PDF's text as one line, whitespace collapsed, without the lines that hold only a
// page number or a bullet (read apart from their text, they would otherwise stand inside
// a paragraph that runs on to the next page).
QString pdfTextWithoutHeaders(const QString& path) {
  QStringList lines;
  for (const QString& page : pdfText(path).split(QLatin1Char('\f')))
    for (const QString& line : page.split(QLatin1Char('\n')))
      if (!QRegularExpression(QStringLiteral("^\\s*(\\d+|\u2022|o)?\\s*$")).match(line).hasMatch())
        lines << line;
  return lines.join(QLatin1Char(' ')).simplified();
}

// Prints to a PDF file instead of asking, with an optional page range.
class PdfPrinterDialog : public output::PrintDialog {
 public:
  bool exec(QPrinter& printer, int pageCount) override {
    ++shown;
    offeredPages = pageCount;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(outputFile);
    if (from > 0) {
      printer.setPrintRange(QPrinter::PageRange);
      printer.setFromTo(from, to);
    }
    return true;
  }
  QString outputFile;
  int from = 0, to = 0, shown = 0, offeredPages = 0;
};

class PdfAndPrintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* tool : {"pdfinfo", "pdffonts", "pdftotext"})
      if (!testing_support::programAvailable(QString::fromLatin1(tool)))
        GTEST_SKIP() << tool << " (poppler-utils) is not installed";
    ASSERT_TRUE(folder.isValid());
    engine::registerWordEngine();
  }
  void TearDown() override { preview_tests::unloadForm2(); }

  // A whole run for the sample business; the preview it opens.
  preview::Form2& runSample() {
    form1.Form_Load();
    form1.show();
    form1.PushButton3_Click();  // the sample business
    form1.PushButton1->click();
    EXPECT_TRUE(dialogs.errorTexts().isEmpty()) << dialogs.errorTexts().join("\n").toStdString();
    preview::Form2* form = preview::Form2::loaded();
    if (!form) throw std::runtime_error("no preview");
    return *form;
  }

  void savePdf(preview::Form2& form, const QString& name) {
    dialogs.saveNameNext(name);
    dialogs.saveFilterNext(kPdfFilter);
    form.PushButton6->click();
  }

  QTemporaryDir folder;
  ScopedEnv temp{"temp", folder.path()};
  ScopedEnv bigTemp{"TEMP", folder.path()};
  word::RegistrySnapshot registry;
  testing_support::ScriptedDialogs dialogs;
  PdfPrinterDialog printer;
  output::ScopedPrintDialog printDialog{printer};
  shell::Form1 form1{{[] {}, &preview::GenerateAndPreview}};
};

TEST_F(PdfAndPrintTest, SavedPdfHasThePreviewsLetterPagesEmbeddedFontsAndText) {
  preview::Form2& form = runSample();
  const int pages = form.ListView1->topLevelItemCount();
  ASSERT_GE(pages, 3);

  // A name typed without an extension under the PDF filter gets ".pdf".
  savePdf(form, folder.filePath(QStringLiteral("plan")));
  const QString pdf = folder.filePath(QStringLiteral("plan.pdf"));
  ASSERT_TRUE(QFile::exists(pdf));
  EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("plan"))));
  EXPECT_EQ(dialogs.messages.back().text, QStringLiteral("Done."));
  EXPECT_TRUE(dialogs.errorTexts().isEmpty()) << dialogs.errorTexts().join("\n").toStdString();

  EXPECT_EQ(pdfPages(pdf), pages);
  EXPECT_TRUE(pdfInfo(pdf).contains(QStringLiteral("612 x 792 pts (letter)")))
      << pdfInfo(pdf).toStdString();

  // Every font is embedded: each row says "yes" under the header's "emb".
  const QStringList fontLines =
      QString::fromUtf8(runProgram(QStringLiteral("pdffonts"), {pdf}).out).split('\n');
  ASSERT_GE(fontLines.size(), 2);
  const qsizetype emb = fontLines[0].indexOf(QStringLiteral(" emb ")) + 1;
  ASSERT_GT(emb, 0) << fontLines[0].toStdString();
  int fonts = 0;
  for (const QString& row : fontLines.mid(2)) {
    if (row.trimmed().isEmpty()) continue;
    ++fonts;
    EXPECT_EQ(row.mid(emb, 3), QStringLiteral("yes")) << row.toStdString();
  }
  EXPECT_GE(fonts, 2);

  // Text, not pictures of text: the title on page 1, the business on the cover after it.
  const QString business = form1.txtBusinessName->text();
  EXPECT_TRUE(pdfText(pdf, 1, 1).contains(QStringLiteral("Business Plan for a Startup Business")));
  EXPECT_TRUE(pdfText(pdf, 1, 2).contains(business)) << pdfText(pdf, 1, 2).toStdString();

  // Every word comes back from the PDF's text (no ligature swallows an "fi"): each
  // paragraph and cell python-docx reads from the Word file, piece by piece between tabs.
  if (runProgram(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QStringLiteral("import docx")})
          .exitCode == 0) {
    const QString searchable = pdfTextWithoutHeaders(pdf);
    int pieces = 0;
    QStringList missing;
    for (const QString& text : docxTexts(form.mWordFile))
      for (const QString& piece : text.split(QLatin1Char('\t'))) {
        if (piece.simplified().isEmpty()) continue;
        ++pieces;
        if (!searchable.contains(piece.simplified())) missing << piece.simplified();
      }
    EXPECT_GT(pieces, 300);
    EXPECT_TRUE(missing.isEmpty()) << missing.size() << " of " << pieces
                                   << " texts not found, first: " << missing.value(0).toStdString();
  }
  // The Word filter stays first and its save is unchanged: the temporary document's bytes.
  EXPECT_TRUE(
      dialogs.saveDialogFilters.back().startsWith(QStringLiteral("Word Files (*.doc)|*.doc|")));
}

TEST_F(PdfAndPrintTest, ReadOnlyPdfIsReplacedAfterYesAndKeptAfterNo) {
  preview::Form2& form = runSample();
  const QString pdf = folder.filePath(QStringLiteral("old.pdf"));
  {
    QFile old(pdf);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the old plan");
  }
  ASSERT_EQ(::chmod(QFile::encodeName(pdf).constData(), 0444), 0);

  dialogs.answerNext(base::vbNo);
  savePdf(form, pdf);
  QFile kept(pdf);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), QByteArray("the old plan"));
  kept.close();

  dialogs.answerNext(base::vbYes);
  savePdf(form, pdf);
  EXPECT_EQ(dialogs.messages.back().text, QStringLiteral("Done."));
  EXPECT_EQ(pdfPages(pdf), form.ListView1->topLevelItemCount());
  EXPECT_EQ(dialogs.messages.size(), 4u);  // the question and "Done.", twice
}

TEST_F(PdfAndPrintTest, CtrlPPrintsTheSamePagesAsThePdfWithinTheChosenRange) {
  preview::Form2& form = runSample();
  const int pages = form.ListView1->topLevelItemCount();
  const QString saved = folder.filePath(QStringLiteral("saved.pdf"));
  savePdf(form, saved);

  // The whole plan, by the keyboard.
  printer.outputFile = folder.filePath(QStringLiteral("printed.pdf"));
  form.activateWindow();
  QApplication::setActiveWindow(&form);
  QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);
  ASSERT_EQ(printer.shown, 1);
  EXPECT_EQ(printer.offeredPages, pages);
  EXPECT_EQ(pdfPages(printer.outputFile), pages);
  EXPECT_EQ(pdfText(printer.outputFile), pdfText(saved));
  EXPECT_TRUE(pdfText(printer.outputFile, 1, 1)
                  .contains(QStringLiteral("Business Plan for a Startup Business")));
  EXPECT_TRUE(pdfInfo(printer.outputFile).contains(QStringLiteral("612 x 792 pts (letter)")));

  // Pages 2 to 3 only.
  printer.outputFile = folder.filePath(QStringLiteral("range.pdf"));
  printer.from = 2;
  printer.to = 3;
  form.PrintPages();
  EXPECT_EQ(pdfPages(printer.outputFile), 2);
  EXPECT_EQ(pdfText(printer.outputFile), pdfText(saved, 2, 3));
  EXPECT_TRUE(dialogs.errorTexts().isEmpty()) << dialogs.errorTexts().join("\n").toStdString();
}

}  // namespace
