// A small stand-in word processor for the preview's tests: a document of pages, each page
// a picture of its own size, that records the calls made on it.
#pragma once

#include <QFile>
#include <QPainter>
#include <QPicture>
#include <QStringList>
#include <memory>
#include <vector>

#include "base/ClipboardPicture.h"
#include "word/WordObjects.h"

namespace preview_tests {

// A page picture whose size tells the pages apart: page k is (200 + k) x (300 + 2k) px.
inline QPicture pagePicture(int k, int width = 0, int height = 0) {
  QPicture picture;
  const int w = width ? width : 200 + k;
  const int h = height ? height : 300 + 2 * k;
  QPainter painter(&picture);
  painter.fillRect(QRect(0, 0, w, h), Qt::white);
  painter.drawText(QPointF(20, 40), QStringLiteral("Page %1").arg(k));
  painter.end();
  picture.setBoundingRect(QRect(0, 0, w, h));
  return picture;
}

struct StandInState {
  QStringList calls;
  std::vector<int> pages;      // the page numbers still in the open copy, first page first
  int reportedPageCount = -1;  // -1: the real number of pages
  QString openedPath, savedPath;
  QVariant closeArgument;
  int displayAlerts = -1;
  bool quit = false;
};

class StandInRange : public word::Range {
 public:
  explicit StandInRange(std::shared_ptr<StandInState> s) : s_(std::move(s)) {}
  void CopyAsPicture() override {
    word::announceCall("Range.CopyAsPicture");
    s_->calls << QStringLiteral("CopyAsPicture");
    if (s_->pages.empty()) throw word::AutomationError(QStringLiteral("Empty range"));
    base::PutClipboardPicture(pagePicture(s_->pages.front()));
  }

 private:
  std::shared_ptr<StandInState> s_;
};

class StandInSelection : public word::Selection {
 public:
  explicit StandInSelection(std::shared_ptr<StandInState> s) : s_(std::move(s)) {}
  void GoTo(int what, int which, const QVariant&, const QVariant& name) override {
    word::announceCall("Selection.GoTo");
    s_->calls << QStringLiteral("GoTo %1 %2 %3").arg(what).arg(which).arg(name.toInt());
  }
  int HomeKey(int unit, int extend) override {
    word::announceCall("Selection.HomeKey");
    s_->calls << QStringLiteral("HomeKey %1 %2").arg(unit).arg(extend);
    return 1;
  }
  int Delete(int unit, int count) override {
    word::announceCall("Selection.Delete");
    s_->calls << QStringLiteral("Delete %1 %2").arg(unit).arg(count);
    if (!s_->pages.empty()) s_->pages.erase(s_->pages.begin());
    return 1;
  }

 private:
  std::shared_ptr<StandInState> s_;
};

class StandInDocument : public word::Document {
 public:
  explicit StandInDocument(std::shared_ptr<StandInState> s) : s_(std::move(s)) {}
  void SaveAs(const QString& path) override {
    word::announceCall("Document.SaveAs");
    s_->calls << QStringLiteral("SaveAs");
    s_->savedPath = path;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
      throw word::AutomationError(QStringLiteral("Cannot save"));
    // Ends in an empty archive's end record, as every complete package does.
    file.write("stand-in document");
    file.write(QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0'));
  }
  void Close(const QVariant& save) override {
    word::announceCall("Document.Close");
    s_->calls << QStringLiteral("Close");
    s_->closeArgument = save;
  }
  void Repaginate() override {
    word::announceCall("Document.Repaginate");
    s_->calls << QStringLiteral("Repaginate");
  }
  QVariant BuiltInDocumentProperties(int index) override {
    word::announceCall("Document.BuiltInDocumentProperties");
    if (index != 14) throw word::AutomationError(QStringLiteral("Invalid index"));
    return s_->reportedPageCount >= 0 ? s_->reportedPageCount : static_cast<int>(s_->pages.size());
  }
  word::Ref<word::Range> Range() override {
    word::announceCall("Document.Range");
    return word::makeRef<StandInRange>(s_);
  }

 private:
  std::shared_ptr<StandInState> s_;
};

class StandInDocuments : public word::Documents {
 public:
  explicit StandInDocuments(std::shared_ptr<StandInState> s) : s_(std::move(s)) {}
  word::Ref<word::Document> Open(const QString& path) override {
    word::announceCall("Documents.Open");
    s_->calls << QStringLiteral("Open");
    s_->openedPath = path;
    return word::makeRef<StandInDocument>(s_);
  }

 private:
  std::shared_ptr<StandInState> s_;
};

class StandInApplication : public word::Application {
 public:
  explicit StandInApplication(std::shared_ptr<StandInState> s) : s_(std::move(s)) {}
  word::Ref<word::Documents> Documents() override {
    word::announceCall("Application.Documents");
    return word::makeRef<StandInDocuments>(s_);
  }
  word::Ref<word::Document> ActiveDocument() override {
    word::announceCall("Application.ActiveDocument");
    return word::makeRef<StandInDocument>(s_);
  }
  word::Ref<word::Selection> Selection() override {
    word::announceCall("Application.Selection");
    return word::makeRef<StandInSelection>(s_);
  }
  void SetDisplayAlerts(int value) override {
    word::announceCall("Application.DisplayAlerts");
    s_->calls << QStringLiteral("DisplayAlerts %1").arg(value);
    s_->displayAlerts = value;
  }
  void Quit() override {
    word::announceCall("Application.Quit");
    s_->calls << QStringLiteral("Quit");
    s_->quit = true;
  }

 private:
  std::shared_ptr<StandInState> s_;
};

}  // namespace preview_tests
