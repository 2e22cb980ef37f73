// File tests and deletes, program exit, the clipboard picture, dialog filters and cursor files.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QImageWriter>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <csignal>

#include "base/ClipboardPicture.h"
#include "base/CursorFile.h"
#include "base/Dialogs.h"
#include "base/ProgramExit.h"
#include "base/SharedRoutines.h"
#include "support/CursorFileBytes.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

namespace {

using testing_support::writeFile;

TEST(FileExists, TrueOnlyForAnExistingFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("a.doc"));
  EXPECT_FALSE(base::FileExists(path));
  EXPECT_FALSE(base::FileExists(QString()));
  EXPECT_FALSE(base::FileExists(dir.path()));  // a folder is not a file
  writeFile(path, "x");
  EXPECT_TRUE(base::FileExists(path));
}

TEST(RemoveFile, RemovesReadOnlyFilesAndIsSilentForMissingOnes) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("locked.doc"));
  writeFile(path, "keep me?");
  QFile::setPermissions(path, QFileDevice::ReadOwner);
  base::RemoveFile(path);
  EXPECT_FALSE(QFile::exists(path));
  base::RemoveFile(path);  // already gone: nothing happens
  base::RemoveFile(QString());
  EXPECT_TRUE(base::ForceDeleteFile(dir.filePath(QStringLiteral("never-there"))));
}

QPicture samplePicture() {
  QPicture picture;
  QPainter painter(&picture);
  painter.fillRect(QRect(0, 0, 120, 80), Qt::white);
  painter.setPen(Qt::black);
  painter.drawLine(10, 10, 110, 70);
  painter.end();
  return picture;
}

QImage paint(const QPicture& picture) {
  QImage image(120, 80, QImage::Format_RGB32);
  image.fill(Qt::red);
  QPainter painter(&image);
  painter.drawPicture(0, 0, picture);
  return image;
}

// SIGTERM, SIGINT and SIGHUP end the event loop the ordinary way, and the files a run
// registered (its temporary document, a page image) are gone by then.
TEST(ProgramExit, TerminationSignalsRemoveTheRunsFilesAndEndTheEventLoop) {
  QTemporaryDir folder;
  base::handleTerminationSignals();
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    const QString document = folder.filePath(QStringLiteral("tovlan12345678.doc"));
    writeFile(document, "the plan with the business details");
    base::removeAtExit(document);
    QTimer::singleShot(0, [signal] { ::kill(::getpid(), signal); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(3); });  // the signal was lost
    EXPECT_EQ(QCoreApplication::exec(), 0) << signal;
    EXPECT_FALSE(QFile::exists(document)) << signal;
  }
  // A file removed the ordinary way is no longer the exit's concern, and a later file
  // of the same name is left alone.
  const QString kept = folder.filePath(QStringLiteral("kept.doc"));
  writeFile(kept, "x");
  base::removeAtExit(kept);
  base::RemoveFile(kept);
  writeFile(kept, "the user's own");
  base::removeFilesAtExit();
  EXPECT_TRUE(QFile::exists(kept));
  struct sigaction byDefault {};
  byDefault.sa_handler = SIG_DFL;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &byDefault, nullptr);
}

TEST(ClipboardPicture, HoldsThePictureInsideTheProgramAndLeavesTheUsersClipboard) {
  QApplication::clipboard()->setText(QStringLiteral("the user's own text"));
  const QPicture picture = samplePicture();
  base::PutClipboardPicture(picture);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("the user's own text"));
  const auto back = base::GetClipboardPicture(0);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->boundingRect(), picture.boundingRect());
  EXPECT_EQ(paint(*back), paint(picture));
  base::ClearClipboardPicture();
  EXPECT_FALSE(base::GetClipboardPicture(0).has_value());
}

TEST(Dialogs, PipeFiltersBecomeQtFilters) {
  EXPECT_EQ(base::qtFilterFromPipes(QStringLiteral("Word Files (*.doc)|*.doc")),
            QStringLiteral("Word Files (*.doc)"));
  EXPECT_EQ(base::qtFilterFromPipes(QStringLiteral("A (*.a)|*.a|B (*.b)|*.b")),
            QStringLiteral("A (*.a);;B (*.b)"));
}

TEST(CursorFile, LoadsWithItsHotSpotAndRefusesOtherFiles) {
  QTemporaryDir dir;
  const QString good = dir.filePath(QStringLiteral("hand.cur"));
  const QByteArray bytes = testing_support::cursorFileBytes(5, 3);
  ASSERT_FALSE(bytes.isEmpty());
  writeFile(good, bytes);
  const QCursor cursor = base::loadCursorFile(good);
  EXPECT_EQ(cursor.hotSpot(), QPoint(5, 3));
  EXPECT_FALSE(cursor.pixmap().isNull());

  const QString bad = dir.filePath(QStringLiteral("bad.cur"));
  writeFile(bad, "MZ this is not a cursor at all");
  EXPECT_THROW(base::loadCursorFile(bad), std::runtime_error);
  EXPECT_THROW(base::loadCursorFile(dir.filePath(QStringLiteral("absent.cur"))),
               std::runtime_error);
}

}  // namespace
