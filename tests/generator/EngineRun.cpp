#include "EngineRun.h"

#include <QDir>

#include "engine/WordEngine.h"
#include "generator/Generator.h"
#include "shell/Form1.h"

namespace generator_test {

namespace {

// Hands out the engine's application and keeps the document the run adds.
class CapturingDocuments : public word::Documents {
 public:
  CapturingDocuments(word::Ref<word::Documents> inner, word::Ref<word::Document>* captured)
      : inner_(std::move(inner)), captured_(captured) {}
  word::Ref<word::Document> Add() override {
    word::Ref<word::Document> added = inner_->Add();
    *captured_ = added;
    return added;
  }
  word::Ref<word::Document> Open(const QString& name) override { return inner_->Open(name); }
  int Count() override { return inner_->Count(); }

 private:
  word::Ref<word::Documents> inner_;
  word::Ref<word::Document>* captured_;
};

class CapturingApplication : public word::Application {
 public:
  CapturingApplication(word::Ref<word::Application> inner, word::Ref<word::Document>* captured)
      : inner_(std::move(inner)), captured_(captured) {}
  word::Ref<word::Documents> Documents() override {
    return word::makeRef<CapturingDocuments>(inner_->Documents(), captured_);
  }
  word::Ref<word::Document> ActiveDocument() override { return inner_->ActiveDocument(); }
  word::Ref<word::Selection> Selection() override { return inner_->Selection(); }
  void SetDisplayAlerts(int v) override { inner_->SetDisplayAlerts(v); }
  int DisplayAlerts() override { return inner_->DisplayAlerts(); }
  double LinesToPoints(double v) override { return inner_->LinesToPoints(v); }
  double InchesToPoints(double v) override { return inner_->InchesToPoints(v); }
  QString Name() override { return inner_->Name(); }
  void Quit() override { inner_->Quit(); }

 private:
  word::Ref<word::Application> inner_;
  word::Ref<word::Document>* captured_;
};

}  // namespace

EngineRun::EngineRun() {
  previousTemp_ = qgetenv("temp");
  qputenv("temp", QDir::toNativeSeparators(folder_.path()).toLocal8Bit());
  engine::registerWordEngine();
  // The run's own instance is watched; any later one (the page rendering's) is plain.
  std::vector<word::Ref<word::Application>> instances{
      word::CreateObject(QStringLiteral("Word.Application")),
      word::CreateObject(QStringLiteral("Word.Application")),
      word::CreateObject(QStringLiteral("Word.Application"))};
  auto next = std::make_shared<size_t>(0);
  word::registerFactory(QStringLiteral("Word.Application"),
                        [this, instances, next]() -> word::Ref<word::Application> {
                          const size_t i = (*next)++;
                          if (i >= instances.size())
                            throw word::AutomationError(QStringLiteral("No more instances"));
                          if (i == 0)
                            return word::makeRef<CapturingApplication>(instances[0], &plan_);
                          return instances[i];
                        });
}

EngineRun::~EngineRun() {
  if (previousTemp_.isNull())
    qunsetenv("temp");
  else
    qputenv("temp", previousTemp_);
}

void EngineRun::run() {
  {
    word::ScopedCallHook hook([this](const char* member) {
      if (info || !plan_ || QLatin1String(member) != QLatin1String("Document.SaveAs")) return;
      info = engine::inspect(plan_);
    });
    result_ = generator::GeneratePlan(shell::Form1::currentDetails());
  }
  // The finish saves the temporary document; without it, save the plan ourselves.
  if (result_.madeDocument()) {
    savedFile = result_.document.path();
  } else if (plan_) {
    try {
      if (!info) info = engine::inspect(plan_);
      const QString path = folder_.filePath(QStringLiteral("plan.docx"));
      plan_->SaveAs(path);
      savedFile = path;
    } catch (const word::AutomationError&) {
    }
  }
}

}  // namespace generator_test
