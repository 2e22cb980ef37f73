// The application, its documents collection and the registration of "Word.Application".
#include <QFileInfo>

#include "engine/Docx.h"
#include "engine/EngineObjects.h"
#include "engine/WordEngine.h"
#include "engine/WrittenDocuments.h"
#include "word/ObjectRegistry.h"

namespace engine {

void registerWordEngine() {
  word::registerFactory(QStringLiteral("Word.Application"), [] {
    return word::Ref<word::Application>(std::make_shared<EngineApplication>());
  });
}

word::Ref<word::Document> EngineDocuments::adopt(DocumentModel model) {
  auto state = std::make_shared<DocumentState>(std::move(model));
  state->application = app_;
  app_->documents.push_back(state);
  app_->active = state;
  return word::Ref<word::Document>(std::make_shared<EngineDocument>(state));
}

word::Ref<word::Document> EngineDocuments::Add() {
  enter("Documents.Add");
  return adopt(DocumentModel());
}

word::Ref<word::Document> EngineDocuments::Open(const QString& fileName) {
  enter("Documents.Open");
  if (fileName.isEmpty() || !QFileInfo(fileName).isFile())
    fail(QStringLiteral(
             "Sorry, we couldn't find your file. Was it moved, renamed, or deleted?\n(%1)")
             .arg(fileName));
  // The document this engine just wrote there, while the file holds just what it wrote.
  std::optional<DocumentModel> written = takeWrittenDocument(fileName);
  word::Ref<word::Document> document = adopt(written ? std::move(*written) : loadDocx(fileName));
  static_cast<EngineDocument*>(document.get())->state()->path = fileName;
  return document;
}

int EngineDocuments::Count() {
  enter("Documents.Count");
  int open = 0;
  for (const auto& d : app_->documents)
    if (!d->closed) ++open;
  return open;
}

word::Ref<word::Documents> EngineApplication::Documents() {
  enter("Application.Documents");
  return word::Ref<word::Documents>(std::make_shared<EngineDocuments>(app_));
}

word::Ref<word::Document> EngineApplication::ActiveDocument() {
  announce("Application.ActiveDocument");
  return word::Ref<word::Document>(std::make_shared<EngineDocument>(app_->activeDocument()));
}

word::Ref<word::Selection> EngineApplication::Selection() {
  announce("Application.Selection");
  return word::Ref<word::Selection>(std::make_shared<EngineSelection>(app_->activeDocument()));
}

void EngineApplication::SetDisplayAlerts(int value) {
  enter("Application.DisplayAlerts");
  app_->displayAlerts = value;
}

int EngineApplication::DisplayAlerts() {
  enter("Application.DisplayAlerts");
  return app_->displayAlerts;
}

double EngineApplication::LinesToPoints(double lines) {
  enter("Application.LinesToPoints");
  return lines * kPointsPerLine;
}

double EngineApplication::InchesToPoints(double inches) {
  enter("Application.InchesToPoints");
  return inches * kPointsPerInch;
}

QString EngineApplication::Name() {
  enter("Application.Name");
  return QString::fromLatin1(kEngineName);
}

void EngineApplication::Quit() {
  enter("Application.Quit");
  // Unsaved documents are dropped: the engine never asks.
  for (auto& d : app_->documents) d->closed = true;
  app_->documents.clear();
  app_->quit = true;
}

}  // namespace engine
