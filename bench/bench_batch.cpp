// Batch throughput of the command line: one plan written per iteration through the same
// path `halvenor --batch` takes (the generation run, the rendering, the Word file put in
// place), with and without the PDF beside it. Reported as plans per second.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "BenchEnvironment.h"
#include "cli/PlanWriter.h"

namespace {

shell::BusinessDetails sampleClient() {
  shell::BusinessDetails details;
  for (const shell::BusinessFieldInfo& info : shell::kBusinessFields)
    details[static_cast<size_t>(info.field)] = QString::fromLatin1(info.sampleValue);
  return details;
}

// range(0): 1 writes the PDF too.
void BM_BatchPlan(benchmark::State& state) {
  const bool withPdf = state.range(0) != 0;
  const shell::BusinessDetails details = sampleClient();
  cli::UnattendedDialogs dialogs;
  int n = 0;
  for (auto _ : state) {
    cli::PlanTargets targets;
    targets.wordFile = bench::privateFolder()->filePath(QStringLiteral("plan%1.doc").arg(n));
    if (withPdf)
      targets.pdfFile = bench::privateFolder()->filePath(QStringLiteral("plan%1.pdf").arg(n));
    const QString error = cli::writePlan(details, targets);
    if (!error.isEmpty()) {
      state.SkipWithError(error.toStdString().c_str());
      break;
    }
    state.PauseTiming();
    QFile::remove(targets.wordFile);
    if (withPdf) QFile::remove(targets.pdfFile);
    ++n;
    state.ResumeTiming();
  }
  state.counters["plans_per_second"] =
      benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BatchPlan)
    ->ArgName("pdf")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
