#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <stdexcept>

#include "output/TempFiles.h"
#include "preview/StandInWord.h"
#include "support/ScopedEnv.h"
#include "support/TestFiles.h"

namespace output {
namespace {

using testing_support::contentsOf;
using testing_support::ScopedEnv;

mode_t modeOf(const QString& path) {
  struct stat info {};
  EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
  return info.st_mode & 07777;
}

class TempFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(root.isValid()); }
  QTemporaryDir root;
};

TEST_F(TempFilesTest, PrivateFolderInTheRuntimeFolderIsMode0700) {
  ScopedEnv runtime("XDG_RUNTIME_DIR", root.path());
  const QString folder = privateTempFolder();
  EXPECT_EQ(folder, root.path() + QStringLiteral("/halvenor"));
  EXPECT_EQ(modeOf(folder), 0700u);
  // A second call finds the same folder.
  EXPECT_EQ(privateTempFolder(), folder);
}

TEST_F(TempFilesTest, WithoutARuntimeFolderTheCacheIsUsed) {
  ScopedEnv runtime("XDG_RUNTIME_DIR", QString());
  ScopedEnv cache("XDG_CACHE_HOME", root.path() + QStringLiteral("/cache"));
  const QString folder = privateTempFolder();
  EXPECT_EQ(folder, root.path() + QStringLiteral("/cache/halvenor/tmp"));
  EXPECT_EQ(modeOf(folder), 0700u);
}

TEST_F(TempFilesTest, ASharedRuntimeFolderIsNotUsed) {
  // A runtime folder others can write in is no private place.
  const QString shared = root.path() + QStringLiteral("/shared");
  ASSERT_TRUE(QDir().mkpath(shared));
  ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 0777), 0);
  ScopedEnv runtime("XDG_RUNTIME_DIR", shared);
  ScopedEnv cache("XDG_CACHE_HOME", root.path() + QStringLiteral("/cache"));
  EXPECT_EQ(privateTempFolder(), root.path() + QStringLiteral("/cache/halvenor/tmp"));
}

TEST_F(TempFilesTest, AWidenedFolderIsNarrowedAndALinkIsRefused) {
  ScopedEnv runtime("XDG_RUNTIME_DIR", root.path());
  const QString folder = root.path() + QStringLiteral("/halvenor");
  ASSERT_TRUE(QDir().mkpath(folder));
  ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
  EXPECT_EQ(privateTempFolder(), folder);
  EXPECT_EQ(modeOf(folder), 0700u);

  // A link planted where the folder should be is never followed.
  ASSERT_TRUE(QDir(folder).removeRecursively());
  const QString elsewhere = root.path() + QStringLiteral("/elsewhere");
  ASSERT_TRUE(QDir().mkpath(elsewhere));
  ASSERT_TRUE(QFile::link(elsewhere, folder));
  EXPECT_THROW(privateTempFolder(), std::runtime_error);
}

TEST_F(TempFilesTest, FoldersFollowTheirEnvironmentVariables) {
  ScopedEnv runtime("XDG_RUNTIME_DIR", root.path());
  {
    ScopedEnv temp("temp", QStringLiteral("/some/where"));
    ScopedEnv bigTemp("TEMP", QStringLiteral("/else/where"));
    EXPECT_EQ(temporaryDocumentFolder(), QStringLiteral("/some/where"));
    EXPECT_EQ(pageImageFolder(), QStringLiteral("/else/where"));
    // An unpredictable name in that folder, new every time.
    const QRegularExpression imageName(QStringLiteral("^/else/where/temp[a-z0-9]{12}\\.bmp$"));
    EXPECT_TRUE(imageName.match(pageImagePath()).hasMatch()) << pageImagePath().toStdString();
    EXPECT_NE(pageImagePath(), pageImagePath());
  }
  ScopedEnv temp("temp", QString());
  ScopedEnv bigTemp("TEMP", QString());
  EXPECT_EQ(temporaryDocumentFolder(), root.path() + QStringLiteral("/halvenor"));
  EXPECT_EQ(QFileInfo(pageImagePath()).path(), root.path() + QStringLiteral("/halvenor"));
}

// Only the private folder is swept, only of this program's own file names, and only of
// files a day old: a running program's files and the user's own folders are left alone.
TEST_F(TempFilesTest, StaleFilesAreRemovedFromThePrivateFolderOnly) {
  ScopedEnv runtime("XDG_RUNTIME_DIR", root.path());
  QTemporaryDir named;
  ScopedEnv temp("temp", named.path());
  const QString privateFolder = privateTempFolder();
  const QDateTime old = QDateTime::currentDateTime().addDays(-2);
  auto make = [&](const QString& path, const QDateTime& when) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("plan");
    file.flush();  // a later flush would set the time anew
    EXPECT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
  };
  const QStringList stale = {
      privateFolder + "/tovlan12345678.doc", privateFolder + "/tempabcdefghij12.bmp",
      privateFolder + "/tovlan12345678.doc.Ab12Cd", privateFolder + "/.halvenor-save-1a2b3c"};
  const QStringList kept = {privateFolder + "/tovlan87654321.doc", privateFolder + "/notes.doc",
                            named.path() + "/tovlan11111111.doc"};
  for (const QString& path : stale) make(path, old);
  make(kept[0], QDateTime::currentDateTime());
  make(kept[1], old);
  make(kept[2], old);
  // A command's folder goes once its command is gone (its lock is not held), however
  // young its files; a running command's folder stays, however old.
  const QString deadCommand = privateFolder + "/command-AbC123";
  ASSERT_TRUE(QDir().mkpath(deadCommand));
  make(deadCommand + "/tovlan22222222.doc", QDateTime::currentDateTime());
  const CommandFolder running;
  const struct timeval oldTimes[2] = {{old.toSecsSinceEpoch(), 0}, {old.toSecsSinceEpoch(), 0}};
  for (const QString& folder : {deadCommand, running.path()})
    ASSERT_EQ(::utimes(QFile::encodeName(folder).constData(), oldTimes), 0);
  removeStaleTemporaryFiles();
  for (const QString& path : stale) EXPECT_FALSE(QFile::exists(path)) << path.toStdString();
  for (const QString& path : kept) EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
  EXPECT_FALSE(QFileInfo::exists(deadCommand));
  EXPECT_TRUE(QFileInfo(running.path()).isDir());
  EXPECT_EQ(QFileInfo(running.path()).dir().path(), privateFolder);
}

TEST_F(TempFilesTest, ReservationCreatesA0600FileOnceOnly) {
  ScopedEnv runtime("XDG_RUNTIME_DIR", root.path());
  const QString path = privateTempFolder() + QStringLiteral("/tovlan12345678.doc");
  EXPECT_TRUE(reserveExclusive(path));
  EXPECT_EQ(modeOf(path), 0600u);
  EXPECT_FALSE(reserveExclusive(path));

  // A dangling link at the name counts as taken and is not followed.
  const QString link = privateTempFolder() + QStringLiteral("/tovlan87654321.doc");
  const QString target = root.path() + QStringLiteral("/planted");
  ASSERT_TRUE(QFile::link(target, link));
  EXPECT_FALSE(reserveExclusive(link));
  EXPECT_FALSE(QFile::exists(target));

  // A folder that does not exist is an error, not a taken name.
  EXPECT_THROW(reserveExclusive(root.path() + QStringLiteral("/missing/x.doc")),
               std::runtime_error);
}

TEST_F(TempFilesTest, PictureFileRoundTripsWithMode0600) {
  const QString path = root.path() + QStringLiteral("/temp.bmp");
  const QPicture page = preview_tests::pagePicture(3);
  writePictureFile(path, page);
  EXPECT_EQ(modeOf(path), 0600u);
  const QPicture back = readPictureFile(path);
  EXPECT_EQ(back.boundingRect(), page.boundingRect());
  EXPECT_EQ(QByteArray(back.data(), back.size()), QByteArray(page.data(), page.size()));

  // A stale file is replaced.
  writePictureFile(path, preview_tests::pagePicture(7));
  EXPECT_EQ(readPictureFile(path).boundingRect(), preview_tests::pagePicture(7).boundingRect());
}

TEST_F(TempFilesTest, ALinkAtThePageImagePathIsNotFollowed) {
  const QString victim = root.path() + QStringLiteral("/victim.txt");
  {
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep me");
  }
  const QString path = root.path() + QStringLiteral("/temp.bmp");
  ASSERT_TRUE(QFile::link(victim, path));
  EXPECT_THROW(readPictureFile(path), std::runtime_error);

  writePictureFile(path, preview_tests::pagePicture(1));
  EXPECT_EQ(contentsOf(victim), QByteArray("keep me"));
  EXPECT_FALSE(QFileInfo(path).isSymLink());
  EXPECT_EQ(modeOf(path), 0600u);
  EXPECT_EQ(readPictureFile(path).boundingRect(), preview_tests::pagePicture(1).boundingRect());
}

TEST_F(TempFilesTest, BadPictureFilesAreRefused) {
  const QString path = root.path() + QStringLiteral("/temp.bmp");
  EXPECT_THROW(readPictureFile(path), std::runtime_error);  // missing
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture at all");
  }
  EXPECT_THROW(readPictureFile(path), std::runtime_error);
  EXPECT_THROW(writePictureFile(root.path() + QStringLiteral("/missing/temp.bmp"),
                                preview_tests::pagePicture(1)),
               std::runtime_error);
}

}  // namespace
}  // namespace output
