#include "EngineRun.h"

#include <QDir>

#include "engine/WordEngine.h"
#include "generator/Generator.h"
#include "shell/Form1.h"
#include "support/ForwardingWord.h"

namespace generator_test {

namespace {

// Hands out the engine's application and keeps the document the run adds.
class CapturingDocuments : public testing_support::ForwardingDocuments {
 public:
  CapturingDocuments(word::Ref<word::Documents> inner, word::Ref<word::Document>* captured)
      : ForwardingDocuments(std::move(inner)), captured_(captured) {}
  word::Ref<word::Document> Add() override { return *captured_ = inner_->Add(); }

 private:
  word::Ref<word::Document>* captured_;
};

class CapturingApplication : public testing_support::ForwardingApplication {
 public:
  CapturingApplication(word::Ref<word::Application> inner, word::Ref<word::Document>* captured)
      : ForwardingApplication(std::move(inner)), captured_(captured) {}
  word::Ref<word::Documents> Documents() override {
    return word::makeRef<CapturingDocuments>(inner_->Documents(), captured_);
  }

 private:
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
