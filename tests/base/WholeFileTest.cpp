#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <stdexcept>

#include "base/WholeFile.h"
#include "support/TestFiles.h"

namespace {

using testing_support::contentsOf;
using testing_support::writeFile;

// Two staged files placed as one: when the second cannot take its name (here a folder
// appears there after both were written), the first name holds what it held before.
TEST(WholeFile, TwoFilesTakeTheirNamesTogetherOrNotAtAll) {
  QTemporaryDir folder;
  const QString plan = folder.filePath(QStringLiteral("plan.doc"));
  const QString pdf = folder.filePath(QStringLiteral("plan.pdf"));
  const QString fresh = folder.filePath(QStringLiteral("fresh.doc"));
  writeFile(plan, "the old plan");
  for (const base::Placing placing : {base::Placing::ReplaceExisting, base::Placing::KeepExisting})
    for (const QString& first : {plan, fresh}) {
      base::StagedFile word(first), paper(pdf);
      word.write("a new plan");
      paper.write("a new PDF");
      ASSERT_TRUE(QDir().mkpath(pdf + QStringLiteral("/in the way")));
      EXPECT_THROW(base::placeBoth(word, paper, placing), std::runtime_error);
      ASSERT_TRUE(QDir(pdf).removeRecursively());
    }
  EXPECT_EQ(contentsOf(plan), QByteArray("the old plan"));
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"plan.doc"}));

  base::StagedFile word(plan), paper(pdf);
  word.write("a new plan");
  paper.write("a new PDF");
  base::placeBoth(word, paper, base::Placing::ReplaceExisting);
  EXPECT_EQ(contentsOf(plan), QByteArray("a new plan"));
  EXPECT_EQ(contentsOf(pdf), QByteArray("a new PDF"));
}

}  // namespace
