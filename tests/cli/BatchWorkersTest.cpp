// The jobs and answers between a batch and its workers, and workers that cannot make a plan.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "cli/BatchWorkers.h"
#include "support/TestFiles.h"

namespace cli {
namespace {

std::optional<WorkerJob> readJobFrom(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  return readJob(buffer);
}

TEST(BatchWorkers, JobsComeBackExactlyAndAnythingElseIsRefused) {
  WorkerJob job;
  job.targets = {QStringLiteral("/plans/Smith, Jones.doc"), QStringLiteral("/plans/S.pdf"), true};
  job.details[0] = QStringLiteral("Smith, Jones & \"Partners\"\n--force; rm -rf /");
  job.details[1] = QString(shell::kMaxDetailLength, QChar(0x20AC));  // three UTF-8 bytes each
  job.details[2] = QStringLiteral(u"Sunrise \u2600 Bakery \U0001F35E");
  job.details[3] = QString(3, QChar(0));  // NUL characters
  job.details[7] = QStringLiteral("last");
  WorkerJob empty;
  empty.targets.wordFile = QStringLiteral("plan.doc");

  // Two jobs one after the other, then the end of the input.
  QBuffer buffer;
  buffer.setData(encodeJob(job) + encodeJob(empty));
  buffer.open(QIODevice::ReadOnly);
  const std::optional<WorkerJob> first = readJob(buffer), second = readJob(buffer);
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->targets.wordFile, job.targets.wordFile);
  EXPECT_EQ(first->targets.pdfFile, job.targets.pdfFile);
  EXPECT_TRUE(first->targets.replace);
  EXPECT_EQ(first->details, job.details);
  EXPECT_EQ(second->targets.wordFile, QStringLiteral("plan.doc"));
  EXPECT_TRUE(second->targets.pdfFile.isEmpty());
  EXPECT_FALSE(second->targets.replace);
  EXPECT_EQ(second->details, shell::BusinessDetails{});
  EXPECT_FALSE(readJob(buffer));

  const QByteArray bytes = encodeJob(job);
  EXPECT_FALSE(readJobFrom(bytes.left(bytes.size() - 1)));  // cut short
  EXPECT_FALSE(readJobFrom(QByteArray()));
  QByteArray bad = encodeJob(empty);  // "plan.doc" is the first text
  bad[4] = '\xFF';                    // not UTF-8
  EXPECT_FALSE(readJobFrom(bad));
  bad = encodeJob(empty);
  bad[10] = '\xE2';  // the last character cut short
  bad[11] = '\x82';
  EXPECT_FALSE(readJobFrom(bad));
  bad = encodeJob(empty);
  bad[0] = '\x7F';  // a length past any detail's
  EXPECT_FALSE(readJobFrom(bad));
}

// A worker that cannot start or that crashes fails the row it was making with a reason.
TEST(BatchWorkers, AWorkerThatCannotStartOrCrashesFailsItsRow) {
  QTemporaryDir folder;
  const QString crasher = folder.filePath(QStringLiteral("crasher"));
  testing_support::writeFile(crasher, "#!/bin/sh\nkill -SEGV $$\n");
  QFile::setPermissions(crasher, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  const std::pair<QString, QString> cases[] = {
      {folder.filePath(QStringLiteral("missing")), QStringLiteral("cannot start a worker")},
      {crasher, QStringLiteral("the worker process crashed")},
  };
  for (const auto& [program, reason] : cases) {
    BatchWorkers workers(2, program);
    WorkerJob job;
    job.targets.wordFile = folder.filePath(QStringLiteral("plan.doc"));
    workers.start(7, job);
    // On Windows a program that cannot start fails within start() itself.
    std::vector<BatchWorkers::Finished> finished;
    do
      for (const BatchWorkers::Finished& done : workers.waitForAny()) finished.push_back(done);
    while (workers.running());
    ASSERT_EQ(finished.size(), 1u) << program.toStdString();
    EXPECT_EQ(finished[0].row, 7);
    EXPECT_TRUE(finished[0].error.startsWith(reason)) << finished[0].error.toStdString();
  }
}

}  // namespace
}  // namespace cli
