// Click to preview for the whole plan: the generation run with its save, the rendering of
// every page into the preview, and the preview's redraw of a page at its smallest and
// largest zoom. The whole-plan steps take seconds, so they run a fixed few times.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QPicture>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "BenchEnvironment.h"
#include "base/Dialogs.h"
#include "engine/WordEngine.h"
#include "output/PageRendering.h"
#include "preview/Form2.h"
#include "preview/PagePicture.h"
#include "preview/RunPreview.h"
#include "shell/Form1.h"

namespace {

bench::SilentDialogs* gDialogs = nullptr;
QString gSavedPlan;   // a copy of the temporary document of the timed run
QPicture gFirstPage;  // its first page, as the preview holds it

void unloadPreview() {
  if (preview::Form2* form = preview::Form2::loaded()) form->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The whole click: generation, save, rendering, the preview shown. The plan of the last
// run is kept for the benchmarks below.
void BM_ClickToPreview(benchmark::State& state) {
  shell::Form1 form1({[] {}, &preview::GenerateAndPreview});
  form1.PushButton3_Click();
  int pages = 0;
  gDialogs->errors = 0;
  for (auto _ : state) {
    form1.PushButton1_Click();
    state.PauseTiming();
    if (preview::Form2* form = preview::Form2::loaded()) {
      pages = form->ListView1->topLevelItemCount();
      gFirstPage = form->Image1.at(0);
      // Leaving the preview deletes the temporary document: keep a copy.
      gSavedPlan = bench::privateFolder()->filePath(QStringLiteral("plan.doc"));
      QFile::remove(gSavedPlan);
      QFile::copy(form->document(), gSavedPlan);
    }
    unloadPreview();
    form1.show();
    state.ResumeTiming();
  }
  state.counters["pages"] = pages;
  state.counters["error_messages"] = gDialogs->errors;
}
BENCHMARK(BM_ClickToPreview)->Iterations(5)->Unit(benchmark::kSecond)->UseRealTime();

// The rendering alone, for the plan saved by the run above.
void BM_RenderSavedPlan(benchmark::State& state) {
  if (gSavedPlan.isEmpty()) {
    state.SkipWithError("no saved plan");
    return;
  }
  std::vector<QPicture> pages;
  gDialogs->errors = 0;
  for (auto _ : state) output::RenderPages(gSavedPlan, pages);
  state.counters["pages"] = static_cast<double>(pages.size());
  state.counters["error_messages"] = gDialogs->errors;
}
BENCHMARK(BM_RenderSavedPlan)->Iterations(5)->Unit(benchmark::kSecond)->UseRealTime();

// Drawing the first page in the preview at a zoom factor (x100), from its vector picture.
void BM_RedrawPage(benchmark::State& state) {
  if (gFirstPage.isNull()) {
    state.SkipWithError("no page picture");
    return;
  }
  preview::Form2& form = preview::Form2::instance();
  form.imageElement(0) = gFirstPage;
  form.setPicture1Picture(gFirstPage);
  form.show();
  for (auto _ : state) {
    form.SetZoom(state.range(0) / 100.0);
    QImage image = form.Picture1->grab().toImage();
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["width_px"] = form.Picture1->width();
  state.counters["height_px"] = form.Picture1->height();
  unloadPreview();
}
BENCHMARK(BM_RedrawPage)->Arg(25)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  bench::SilentDialogs dialogs;
  gDialogs = &dialogs;
  return bench::runBenchmarks(argc, argv, &dialogs);
}
