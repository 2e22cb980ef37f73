// Word objects that pass every call on to another instance, for tests that watch or change
// one call of a run and leave the rest to the real word processor.
#pragma once

#include <utility>

#include "word/WordObjects.h"

namespace testing_support {

class ForwardingDocuments : public word::Documents {
 public:
  explicit ForwardingDocuments(word::Ref<word::Documents> inner) : inner_(std::move(inner)) {}
  word::Ref<word::Document> Add() override { return inner_->Add(); }
  word::Ref<word::Document> Open(const QString& name) override { return inner_->Open(name); }
  int Count() override { return inner_->Count(); }

 protected:
  word::Ref<word::Documents> inner_;
};

class ForwardingApplication : public word::Application {
 public:
  explicit ForwardingApplication(word::Ref<word::Application> inner) : inner_(std::move(inner)) {}
  word::Ref<word::Documents> Documents() override { return inner_->Documents(); }
  word::Ref<word::Document> ActiveDocument() override { return inner_->ActiveDocument(); }
  word::Ref<word::Selection> Selection() override { return inner_->Selection(); }
  void SetDisplayAlerts(int v) override { inner_->SetDisplayAlerts(v); }
  int DisplayAlerts() override { return inner_->DisplayAlerts(); }
  double LinesToPoints(double v) override { return inner_->LinesToPoints(v); }
  double InchesToPoints(double v) override { return inner_->InchesToPoints(v); }
  QString Name() override { return inner_->Name(); }
  void Quit() override { inner_->Quit(); }

 protected:
  word::Ref<word::Application> inner_;
};

}  // namespace testing_support
