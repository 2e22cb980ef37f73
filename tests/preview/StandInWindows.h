// A stand-in for the program's windows behind the run's interface: it records each named
// operation in order and keeps the pages, so a run can be watched without a real window.
#pragma once

#include <QStringList>
#include <map>
#include <vector>

#include "preview/RunWindows.h"

namespace preview_tests {

class StandInWindows : public preview::RunWindows {
 public:
  shell::BusinessDetails details{};
  QStringList calls;
  QStringList pages;
  std::map<int, QPicture> pictures;
  QString document;

  QString businessFieldText(shell::BusinessField field) const override {
    return details[static_cast<size_t>(field)];
  }
  void showWaitPointer() override { calls << QStringLiteral("showWaitPointer"); }
  void hideMainWindow() override { calls << QStringLiteral("hideMainWindow"); }
  void clearPages() override {
    calls << QStringLiteral("clearPages");
    pages.clear();
  }
  void addPage(const QString& label) override { pages << label; }
  int pageCount() const override { return static_cast<int>(pages.size()); }
  void loadPagePicture(int index) override { pictures.try_emplace(index); }
  void setPagePicture(int index, const QPicture& picture) override { pictures[index] = picture; }
  void showFirstPage() override { calls << QStringLiteral("showFirstPage"); }
  void setDocument(const QString& path) override {
    calls << QStringLiteral("setDocument");
    document = path;
  }
  void showPreview() override { calls << QStringLiteral("showPreview"); }
  void closePreview() override { calls << QStringLiteral("closePreview"); }
};

}  // namespace preview_tests
