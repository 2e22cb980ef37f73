// The details' form on a worker's standard input, and workers that cannot make a plan.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "cli/BatchWorkers.h"
#include "support/TestFiles.h"

namespace cli {
namespace {

TEST(BatchWorkers, DetailsComeBackExactlyAndAnythingElseIsRefused) {
  shell::BusinessDetails details;
  details[0] = QStringLiteral("Smith, Jones & \"Partners\"\n--force; rm -rf /");
  details[1] = QString(shell::kMaxDetailLength, QChar(0x20AC));  // three UTF-8 bytes each
  details[2] = QStringLiteral(u"Sunrise ☀ Bakery 🍞");
  details[3] = QString(3, QChar(0));  // NUL characters
  details[7] = QStringLiteral("last");
  const QByteArray bytes = encodeDetails(details);
  EXPECT_EQ(bytes.size(), 8 * 4 + 43 + 3 * shell::kMaxDetailLength + 23 + 3 + 4);
  EXPECT_LE(bytes.size(), kMaxEncodedDetailsBytes);
  const std::optional<shell::BusinessDetails> back = decodeDetails(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, details);
  EXPECT_EQ(decodeDetails(encodeDetails({})), shell::BusinessDetails{});

  EXPECT_FALSE(decodeDetails(bytes.left(bytes.size() - 1)));  // cut short
  EXPECT_FALSE(decodeDetails(bytes + 'x'));                   // something after
  EXPECT_FALSE(decodeDetails(QByteArray()));
  QByteArray badUtf8 = encodeDetails({});
  badUtf8.replace(0, 4, QByteArray("\0\0\0\1\xFF", 5));
  EXPECT_FALSE(decodeDetails(badUtf8));
  badUtf8.replace(0, 5, QByteArray("\0\0\0\2\xE2\x82", 6));  // a character cut short
  EXPECT_FALSE(decodeDetails(badUtf8));
  QByteArray tooLong = encodeDetails({});
  tooLong[0] = '\x7F';  // a length past the end
  EXPECT_FALSE(decodeDetails(tooLong));
}

// A worker that cannot start or that crashes fails its own row with a reason.
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
    PlanTargets targets;
    targets.wordFile = folder.filePath(QStringLiteral("plan.doc"));
    workers.start(7, shell::BusinessDetails{}, targets);
    std::vector<BatchWorkers::Finished> finished;
    while (workers.running())
      for (const BatchWorkers::Finished& done : workers.waitForAny()) finished.push_back(done);
    ASSERT_EQ(finished.size(), 1u) << program.toStdString();
    EXPECT_EQ(finished[0].row, 7);
    EXPECT_TRUE(finished[0].error.startsWith(reason)) << finished[0].error.toStdString();
  }
}

}  // namespace
}  // namespace cli
