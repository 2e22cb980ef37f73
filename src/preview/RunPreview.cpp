#include "preview/RunPreview.h"

#include "base/Guard.h"
#include "generator/Generator.h"
#include "preview/Form2.h"
#include "shell/Form1.h"

namespace preview {

void GenerateAndPreview() {
  ShowRun(generator::GeneratePlan(shell::Form1::currentDetails(), generator::Pages::Draw, [] {
    if (shell::Form1* main = shell::Form1::current())
      main->setWindowPointer(shell::WindowPointer::Wait);
  }));
}

void ShowRun(output::RunResult result) {
  if (!result.madeDocument()) return;
  // The last statements of the run, reported as the run's own.
  base::Guard g(QString::fromLatin1(base::location::kGenerate));
  Form2* form = &Form2::instance();
  g.step(1784, [&] { form->clearPages(); });
  g.step(1786, [&] {
    for (size_t index = 0; index < result.pages.size(); ++index) {
      form->addPage(QStringLiteral("Page ") + QString::number(index + 1));
      form->setPagePicture(static_cast<int>(index), result.pages[index]);
    }
  });
  if (g.test(1790, [&] { return form->pageCount() > 0; }))
    g.step(1792, [&] { form->showFirstPage(); });
  g.step(1794, [&] { form->setDocument(result.document.take()); });
  g.step(1796, [&] { form->show(); });
  g.step(1798, [&] {
    if (shell::Form1* main = shell::Form1::current()) main->hide();
  });
}

}  // namespace preview
