// Huge input: a business name of 100,000 or 400,000 characters without a blank, from the
// click to the preview, and the three small .docx files that once held the reader for
// minutes (a one-megabyte word, 5,000 tabs in each of 50 paragraphs, 31 MB of text in one
// paragraph), each read or refused.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "BenchEnvironment.h"
#include "base/Dialogs.h"
#include "engine/Docx.h"
#include "engine/DocxPackage.h"
#include "engine/PageLayout.h"
#include "engine/WordEngine.h"
#include "preview/Form2.h"
#include "preview/RunPreview.h"
#include "shell/Form1.h"
#include "word/Automation.h"

namespace {

bench::SilentDialogs* gDialogs = nullptr;

void BM_LongBusinessName(benchmark::State& state) {
  shell::Form1 form1({[] {}, &preview::GenerateAndPreview});
  form1.PushButton3_Click();
  form1.txtBusinessName->setText(QString(static_cast<int>(state.range(0)), QLatin1Char('N')));
  gDialogs->errors = 0;
  int pages = 0;
  for (auto _ : state) {
    form1.PushButton1_Click();
    state.PauseTiming();
    if (preview::Form2* form = preview::Form2::loaded()) {
      pages = form->ListView1->topLevelItemCount();
      form->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    form1.show();
    state.ResumeTiming();
  }
  state.counters["pages"] = pages;
  state.counters["error_messages"] = gDialogs->errors;
}
BENCHMARK(BM_LongBusinessName)
    ->Arg(100000)
    ->Arg(400000)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

QString stallingFile(int kind) {
  QByteArray body;
  if (kind == 0 || kind == 3) {
    // kind 3: a 100,000-character word, the business name of the first benchmark
    body = "<w:p><w:r><w:t>" + QByteArray(kind == 0 ? 1000000 : 100000, 'w') + "</w:t></w:r></w:p>";
  } else if (kind == 1) {
    QByteArray tabs;
    for (int i = 0; i < 5000; ++i) tabs += "<w:tab/>";
    for (int p = 0; p < 50; ++p) body += "<w:p><w:r>" + tabs + "</w:r></w:p>";
  } else {
    QByteArray text;
    for (int i = 0; text.size() < 31 * 1000 * 1000; ++i)
      text += QByteArray::number(qint64(i) * 7919) + ' ';
    body = "<w:p><w:r><w:t>" + text + "</w:t></w:r></w:p>";
  }
  engine::PackageWriter writer;
  writer.addPart(
      QStringLiteral("[Content_Types].xml"),
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Types "
      "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"><Default "
      "Extension=\"rels\" "
      "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/><Default "
      "Extension=\"xml\" ContentType=\"application/xml\"/><Override "
      "PartName=\"/word/document.xml\" "
      "ContentType=\"application/"
      "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/></Types>");
  writer.addPart(QStringLiteral("_rels/.rels"),
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
                 "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                 "<Relationship Id=\"rId1\" "
                 "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
                 "officeDocument\" Target=\"word/document.xml\"/></Relationships>");
  writer.addPart(QStringLiteral("word/document.xml"),
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:document "
                 "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
                 "<w:body>" +
                     body + "</w:body></w:document>");
  const QString path =
      bench::privateFolder()->filePath(QStringLiteral("stalling%1.docx").arg(kind));
  writer.write(path);
  return path;
}

// Reading the file and laying out its pages, or refusing it.
void BM_StallingFile(benchmark::State& state) {
  const QString path = stallingFile(static_cast<int>(state.range(0)));
  int refused = 0, pages = 0;
  for (auto _ : state) {
    try {
      pages = engine::pageCount(engine::loadDocx(path));
    } catch (const word::AutomationError&) {
      ++refused;
    }
  }
  state.counters["refused"] = refused;
  state.counters["pages"] = pages;
}
BENCHMARK(BM_StallingFile)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  bench::SilentDialogs dialogs;
  gDialogs = &dialogs;
  return bench::runBenchmarks(argc, argv, &dialogs);
}
