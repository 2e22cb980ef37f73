// The built-in word processor at plan size: typing a document of about 500 blocks with
// lists and five tables, laying it out and drawing every page, saving and reopening it.
// Typing and rendering also run on that document repeated 2, 4 and 8 times, with the time
// per page as a counter: it stays flat when the cost grows linearly with the pages.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include "engine/Inspection.h"
#include "engine/WordEngine.h"
#include "word/ObjectRegistry.h"
#include "word/WordObjects.h"

namespace {

struct Instance {
  word::Ref<word::Application> app;
  word::Ref<word::Document> doc;
  word::Ref<word::Selection> sel;
};

void typeFormatted(word::Selection& sel, const QString& text, int breaks, bool bold, double size,
                   int alignment) {
  for (int i = 0; i < breaks; ++i) sel.TypeParagraph();
  sel.Font()->SetBold(bold ? word::wdTrue : word::wdFalse);
  sel.Font()->SetSize(size);
  sel.ParagraphFormat()->SetAlignment(alignment);
  sel.TypeText(text);
}

// About 500 blocks: eleven sections of headings, guidance paragraphs, bullet lists and
// five tables like the plan's; all of it `repeats` times over.
Instance typePlanSizedDocument(int repeats = 1) {
  Instance in;
  in.app = word::CreateObject(QStringLiteral("Word.Application"));
  in.doc = in.app->Documents()->Add();
  in.sel = in.doc->ActiveWindow()->Selection();
  word::Selection& sel = *in.sel;
  sel.Sections(1)->Headers(1)->PageNumbers()->Add(2, true);
  sel.Font()->SetName(QStringLiteral("Garamond"));
  sel.ParagraphFormat()->SetLineSpacingRule(5);
  sel.ParagraphFormat()->SetLineSpacing(in.app->LinesToPoints(1.3));
  auto list = in.doc->ListTemplates()->Add(false, QStringLiteral("my list1"));
  list->ListLevels(1)->SetNumberFormat(QString(QChar(0xF0B7)));
  list->ListLevels(1)->SetNumberPosition(18);
  list->ListLevels(1)->SetTextPosition(36);
  list->ListLevels(1)->SetTabPosition(36);
  list->ListLevels(1)->Font()->SetName(QStringLiteral("Symbol"));
  const QString body = QStringLiteral(
      "Describe this part of the business in a few sentences: what it is, why it matters to "
      "customers, and how it will be run from day to day.");
  int blocks = 0;
  for (int copy = 0; copy < repeats; ++copy)
    for (int section = 1; section <= 11; ++section) {
      if (section > 1 || copy > 0) sel.InsertBreak(2);
      typeFormatted(sel, QStringLiteral("%1\tSection heading").arg(section), 0, true, 16, 1);
      for (int sub = 0; sub < 3; ++sub) {
        typeFormatted(sel, QStringLiteral("Sub-heading %1").arg(sub), 2, true, 14, 0);
        for (int p = 0; p < 4; ++p) typeFormatted(sel, body, 2, false, 11, 0);
        sel.TypeParagraph();
        sel.Range()->ListFormat()->ApplyListTemplate(list, false, 2, 2);
        for (int i = 0; i < 5; ++i) {
          sel.TypeText(QStringLiteral("A question for the reader, number %1?").arg(i));
          sel.TypeParagraph();
        }
        sel.Range()->ListFormat()->RemoveNumbers(1);
        sel.Paragraphs()->Outdent();
        blocks += 2 * 4 + 1 + 6 + 1;
      }
      if (section % 2 == 0 && section <= 10) {
        typeFormatted(sel, QStringLiteral("Table %1").arg(section / 2), 2, true, 11, 0);
        auto table = in.doc->Tables()->Add(sel.Range(), 8, 5, 1, 0);
        for (int r = 1; r <= 8; ++r) table->Rows(r)->SetHeight(23.35, 1);
        table.release();
        for (int c = 0; c < 8 * 5 - 1; ++c) {
          sel.TypeText(QStringLiteral("cell %1").arg(c));
          sel.MoveRight(12, 1, 0);
        }
        sel.MoveDown(5, 1, 0);
        blocks += 40;
      }
    }
  benchmark::DoNotOptimize(blocks);
  return in;
}

// Seconds per page, from the pages each iteration handles.
benchmark::Counter perPage(int pages) {
  return benchmark::Counter(
      pages, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Typing the document (repeated n times) and counting its pages.
void BM_TypePlanRepeated(benchmark::State& state) {
  int pages = 0;
  for (auto _ : state) {
    Instance in = typePlanSizedDocument(int(state.range(0)));
    pages = in.doc->BuiltInDocumentProperties(14).toInt();
    in.app->Quit();
  }
  state.counters["pages"] = pages;
  state.counters["s_per_page"] = perPage(pages);
}
BENCHMARK(BM_TypePlanRepeated)
    ->RangeMultiplier(2)
    ->Range(1, 8)  // the plan 1, 2, 4 and 8 times
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_DrawEveryPage(benchmark::State& state) {
  Instance in = typePlanSizedDocument();
  const int pages = in.doc->BuiltInDocumentProperties(14).toInt();
  for (auto _ : state) {
    for (int p = 0; p < pages; ++p) {
      QPicture picture = engine::drawPage(in.doc, p);
      benchmark::DoNotOptimize(picture.size());
    }
  }
  state.counters["pages"] = pages;
  in.app->Quit();
}
BENCHMARK(BM_DrawEveryPage)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SaveAndOpen(benchmark::State& state) {
  Instance in = typePlanSizedDocument();
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("plan.doc"));
  for (auto _ : state) {
    in.doc->SaveAs(path);
    word::Ref<word::Document> opened = in.app->Documents()->Open(path);
    benchmark::DoNotOptimize(opened->BuiltInDocumentProperties(14));
    opened->Close(0);
  }
  in.app->Quit();
}
BENCHMARK(BM_SaveAndOpen)->Unit(benchmark::kMillisecond)->Iterations(5);

// Rendering the saved document (repeated n times) as the preview does it: open it, copy
// the first page, delete it, until none is left.
void BM_RenderPlanRepeated(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("plan.doc"));
  {
    Instance in = typePlanSizedDocument(int(state.range(0)));
    in.doc->SaveAs(path);
    in.app->Quit();
  }
  int pages = 0;
  for (auto _ : state) {
    auto app = word::CreateObject(QStringLiteral("Word.Application"));
    auto doc = app->Documents()->Open(path);
    doc->Repaginate();
    pages = doc->BuiltInDocumentProperties(14).toInt();
    auto sel = app->Selection();
    for (int n = 1; n <= pages; ++n) {
      doc->Range()->CopyAsPicture();
      if (n < pages) {
        sel->GoTo(1, 2, QVariant(), 2);
        sel->HomeKey(6, 1);
        sel->Delete(1, 1);
      }
    }
    doc->Close(0);
    app->Quit();
  }
  state.counters["pages"] = pages;
  state.counters["s_per_page"] = perPage(pages);
}
BENCHMARK(BM_RenderPlanRepeated)
    ->RangeMultiplier(2)
    ->Range(1, 8)  // the plan 1, 2, 4 and 8 times
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  engine::registerWordEngine();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
