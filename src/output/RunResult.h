// What a generation run gives back: the finished document, its page pictures and what went
// wrong. Whoever asked for the run decides what to do with it: the main window shows it in
// the preview, the command line writes files.
#pragma once

#include <QPicture>
#include <QString>
#include <QStringList>
#include <vector>

namespace output {

// A temporary file its holder owns: removed when the holder goes, unless handed on.
class OwnedFile {
 public:
  OwnedFile() = default;
  // Takes over `path`, which is also removed if the program ends first.
  explicit OwnedFile(QString path);
  OwnedFile(OwnedFile&& other) noexcept;
  OwnedFile& operator=(OwnedFile&& other) noexcept;
  OwnedFile(const OwnedFile&) = delete;
  OwnedFile& operator=(const OwnedFile&) = delete;
  ~OwnedFile();

  const QString& path() const { return path_; }
  bool isEmpty() const { return path_.isEmpty(); }
  // Hands the file on: from now on the caller removes it.
  QString take();

 private:
  void remove();
  QString path_;
};

struct RunResult {
  // The plan as saved; empty when the run made none.
  OwnedFile document;
  // One picture per page, page 1 first, when the run drew its pages.
  std::vector<QPicture> pages;
  // Every message the run showed, in order (each was shown as it happened).
  QStringList problems;

  bool madeDocument() const { return !document.isEmpty(); }
  // The one message a failed run stands for: its first problem, or that it made no plan.
  QString failure() const;
};

}  // namespace output
