// The halvenor program run as a command, as a user runs it: help, usage errors, one plan,
// and a batch of 100 clients whose plans python-docx opens, made one at a time and two at
// once.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <map>

#include "preview/TestEnvironment.h"
#include "support/ExternalProgram.h"
#include "support/TestFiles.h"

namespace {

using testing_support::contentsOf;
using testing_support::writeFile;

using preview_tests::ScopedEnv;
using testing_support::ProgramOutput;
using testing_support::runProgram;

const QString kHalvenor = QStringLiteral(HALVENOR_BINARY_DIR "/halvenor");
const QString kPython = QStringLiteral("/usr/bin/python3");
const QString kChecker = QStringLiteral(HALVENOR_SOURCE_DIR "/tests/engine/python/check_docx.py");

ProgramOutput halvenor(const QStringList& arguments) {
  return runProgram(kHalvenor, arguments, 1790000);
}

// Every file under `folder`, relative to it.
QStringList filesUnder(const QString& folder) {
  QStringList files;
  QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
  while (it.hasNext()) files << QDir(folder).relativeFilePath(it.next());
  files.sort();
  return files;
}

// What python-docx reads from each file: its paragraph texts, by file.
std::map<QString, QStringList> paragraphsByPython(const QStringList& files) {
  std::map<QString, QStringList> read;
  const ProgramOutput out = runProgram(kPython, QStringList{kChecker} + files, 1790000);
  EXPECT_EQ(out.exitCode, 0) << out.err.toStdString();
  for (const QByteArray& line : out.out.split('\n')) {
    if (line.isEmpty()) continue;
    const QJsonObject object = QJsonDocument::fromJson(line).object();
    QStringList texts;
    for (const QJsonValue& text : object.value(QStringLiteral("paragraphs")).toArray())
      texts << text.toString();
    read[object.value(QStringLiteral("file")).toString()] = texts;
  }
  return read;
}

bool pythonDocxPresent() {
  return runProgram(kPython, {QStringLiteral("-c"), QStringLiteral("import docx")}).exitCode == 0;
}

// The progress lines of a command's standard error, with `folder` named DIR.
QString progressIn(const QByteArray& err, const QString& folder) {
  QStringList lines;
  for (const QString& line : QString::fromUtf8(err).split('\n'))
    if (line.startsWith(QStringLiteral("halvenor: "))) lines << line;
  return lines.join('\n').replace(folder, QStringLiteral("DIR"));
}

// A CSV field, quoted when it must be.
QString csvField(const QString& text) {
  if (!text.contains(QRegularExpression(QStringLiteral("[\",\r\n]")))) return text;
  return QLatin1Char('"') + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) +
         QLatin1Char('"');
}

TEST(CommandLine, HelpListsTheOptionsAndExitStatuses) {
  const ProgramOutput help = halvenor({QStringLiteral("--help")});
  EXPECT_EQ(help.exitCode, 0);
  const QString text = QString::fromUtf8(help.out);
  for (const char* expected :
       {"--output", "--pdf", "--batch", "--output-dir", "--force", "--name", "--street1",
        "--street2", "--city-state", "--zip", "--phone", "--fax", "--email", "--jobs", "-h, --help",
        "Exit status:", "0  every plan was written", "1  some plans failed", "2  bad usage"})
    EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected;
}

TEST(CommandLine, BadUsageExitsWithTwoAndWritesNothing) {
  QTemporaryDir folder;
  const QString doc = folder.filePath(QStringLiteral("plan.doc"));
  const QString csv = folder.filePath(QStringLiteral("clients.csv"));
  writeFile(csv, "Business Name\nAcme\n");
  const QString twice = folder.filePath(QStringLiteral("twice.csv"));
  writeFile(twice, "Business Name,City,business name \nAcme,Town,Acme Two\n");
  const QStringList cases[] = {
      {QStringLiteral("--no-such-option")},
      {QStringLiteral("--output")},                                       // no value
      {QStringLiteral("--output"), doc, QStringLiteral("--batch"), csv},  // both
      {QStringLiteral("--output"), doc, QStringLiteral("--pdf")},         // no PDF name
      {QStringLiteral("--output"), doc, QStringLiteral("stray")},
      {QStringLiteral("--batch"), csv},  // no --output-dir
      {QStringLiteral("--batch"), csv, QStringLiteral("--output-dir"), folder.path(),
       QStringLiteral("--name"), QStringLiteral("X")},
      {QStringLiteral("--batch"), folder.filePath(QStringLiteral("missing.csv")),
       QStringLiteral("--output-dir"), folder.path()},
      // A column named twice: which one was meant cannot be guessed.
      {QStringLiteral("--batch"), twice, QStringLiteral("--output-dir"), folder.path()},
      // A detail one character past the longest taken.
      {QStringLiteral("--output"), doc, QStringLiteral("--zip"), QString(65536, QLatin1Char('9'))},
      {QStringLiteral("--batch"), csv, QStringLiteral("--output-dir"), folder.path(),
       QStringLiteral("--jobs"), QStringLiteral("0")},
      {QStringLiteral("--output"), doc, QStringLiteral("--jobs"), QStringLiteral("2")},
  };
  for (const QStringList& arguments : cases) {
    const ProgramOutput out = halvenor(arguments);
    EXPECT_EQ(out.exitCode, 2) << arguments.join(' ').left(200).toStdString();
    EXPECT_TRUE(out.err.contains("halvenor --help")) << out.err.toStdString();
  }
  EXPECT_TRUE(halvenor(cases[8]).err.contains("names the column \"business name\" twice"));
  EXPECT_TRUE(halvenor(cases[9]).err.contains("--zip is longer than 65535 characters"));
  EXPECT_EQ(filesUnder(folder.path()), QStringList({"clients.csv", "twice.csv"}));
}

TEST(CommandLine, OnePlanFromOptionsNeverOverwritesWithoutForce) {
  if (!pythonDocxPresent()) GTEST_SKIP() << "python-docx for /usr/bin/python3 is not installed";
  QTemporaryDir folder;
  const QString doc = folder.filePath(QStringLiteral("plan.doc"));
  const QString pdf = folder.filePath(QStringLiteral("plan.pdf"));
  const QStringList arguments = {QStringLiteral("--output"),
                                 doc,
                                 QStringLiteral("--pdf=") + pdf,
                                 QStringLiteral("--name"),
                                 QStringLiteral("Quillby & Daughters, Ltd."),
                                 QStringLiteral("--city-state"),
                                 QStringLiteral("Ashford KS")};
  // A command keeps its temporary files in a private folder: an unusable inherited
  // temporary folder does not matter, and no two commands share a page image file.
  const QString notAFolder = folder.filePath(QStringLiteral("not-a-folder"));
  writeFile(notAFolder, "a file");
  ProgramOutput first;
  {
    ScopedEnv temp("temp", notAFolder), bigTemp("TEMP", notAFolder);
    first = halvenor(arguments);
  }
  ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
  EXPECT_TRUE(contentsOf(pdf).startsWith("%PDF-"));
  // Named twice: the checker reads several files line by line.
  const QStringList cover = paragraphsByPython({doc, doc}).at(doc);
  EXPECT_TRUE(cover.contains(QStringLiteral("Quillby & Daughters, Ltd.")));
  EXPECT_TRUE(cover.join('\n').contains(QStringLiteral("Ashford KS")));

  writeFile(doc, "kept");
  const ProgramOutput again = halvenor(arguments);
  EXPECT_EQ(again.exitCode, 1);
  EXPECT_TRUE(again.err.contains("already exists")) << again.err.toStdString();
  EXPECT_EQ(contentsOf(doc), QByteArray("kept"));
  // Both files or neither: a PDF that cannot be written leaves the old Word file.
  const ProgramOutput noPdf =
      halvenor({QStringLiteral("--output"), doc, QStringLiteral("--pdf"),
                folder.filePath(QStringLiteral("missing/plan.pdf")), QStringLiteral("--force")});
  EXPECT_EQ(noPdf.exitCode, 1);
  EXPECT_EQ(contentsOf(doc), QByteArray("kept"));
  EXPECT_EQ(filesUnder(folder.path()), QStringList({"not-a-folder", "plan.doc", "plan.pdf"}));
  const ProgramOutput forced = halvenor(arguments + QStringList{QStringLiteral("--force")});
  EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
  EXPECT_TRUE(contentsOf(doc).startsWith("PK"));  // a WordprocessingML package again
}

TEST(CommandLine, BatchOfAHundredClientsWritesAHundredPlansInsideTheFolder) {
  if (!pythonDocxPresent()) GTEST_SKIP() << "python-docx for /usr/bin/python3 is not installed";
  QTemporaryDir top;
  const QString outDir = top.filePath(QStringLiteral("plans"));

  // Columns in their own order, an unknown one, and no "Fax" column at all.
  QStringList names;
  QString csv = QString(QChar(0xFEFF)) +  // a byte-order mark
                QStringLiteral(
                    "Email,Notes,Business Name,City,Street Address 1,"
                    "Street Address 2,Zip Code,Telephone\r\n");
  for (int n = 1; n <= 100; ++n) {
    QString name = QStringLiteral("Client %1 Trading").arg(n);
    QString street2 = QStringLiteral("Suite %1").arg(n);
    if (n == 1) name = QStringLiteral("Smith, Jones & \"Partners\"");
    if (n == 2) street2 = QStringLiteral("Building 4\nRear entrance");
    if (n == 3) name = QStringLiteral("../../escape/attempt");
    if (n == 4) name = QStringLiteral("Acme/Widgets");
    if (n == 5 || n == 6) name = QStringLiteral("Twin Oaks Bakery");
    if (n == 7) name = QStringLiteral(u"Sunrise ☀ Bakery 🍞");
    if (n == 8) street2.clear();  // a missing field
    names << name;
    csv += QStringList{csvField(QStringLiteral("owner%1@example.com").arg(n)),
                       csvField(QStringLiteral("note, %1").arg(n)),
                       csvField(name),
                       csvField(QStringLiteral("Marbleton MA")),
                       csvField(QStringLiteral("%1 Larkspur Avenue").arg(n)),
                       csvField(street2),
                       QStringLiteral("01754"),
                       QStringLiteral("508-555-0142")}
               .join(',') +
           QStringLiteral("\r\n");
  }
  const QString list = top.filePath(QStringLiteral("clients.csv"));
  writeFile(list, csv.toUtf8());

  // One job makes the plans in the command itself, two in worker processes: the same
  // plans under the same names, reported alike in row order.
  QStringList written, expected{QStringLiteral("clients.csv")};
  QString reports[2];
  for (const int jobs : {1, 2}) {
    SCOPED_TRACE(jobs);
    const QString outDir = top.filePath(QStringLiteral("plans%1").arg(jobs));
    const ProgramOutput out =
        halvenor({QStringLiteral("--batch"), list, QStringLiteral("--output-dir"), outDir,
                  QStringLiteral("--jobs"), QString::number(jobs)});
    ASSERT_EQ(out.exitCode, 0) << out.err.toStdString();
    reports[jobs - 1] = progressIn(out.err, outDir);

    // One progress line per plan, naming the file it wrote.
    written.clear();
    const QRegularExpression progress(
        QStringLiteral("^halvenor: \\[(\\d+)/100\\] line \\d+: wrote (.+)$"));
    for (const QString& line : QString::fromUtf8(out.err).split('\n')) {
      const QRegularExpressionMatch m = progress.match(line);
      if (!m.hasMatch()) continue;
      EXPECT_EQ(m.captured(1).toInt(), written.size() + 1);
      written << m.captured(2);
    }
    ASSERT_EQ(written.size(), 100) << out.err.toStdString();
    for (const QString& file : written) {
      EXPECT_EQ(QFileInfo(file).absolutePath(), QDir(outDir).absolutePath()) << file.toStdString();
      expected << QStringLiteral("plans%1/").arg(jobs) + QFileInfo(file).fileName();
    }
  }
  EXPECT_EQ(reports[0], reports[1]);
  EXPECT_TRUE(reports[1].endsWith(QStringLiteral("halvenor: 100 of 100 plans written")));

  // Nothing but the list and the plans, all inside the output folders.
  expected.sort();
  EXPECT_EQ(filesUnder(top.path()), expected);
  EXPECT_NE(written[4], written[5]);  // the same business twice
  EXPECT_TRUE(QFileInfo(written[4]).fileName().startsWith(QStringLiteral("Twin Oaks Bakery")));

  // python-docx opens every plan, and each cover names its business.
  const std::map<QString, QStringList> read = paragraphsByPython(written);
  for (int n = 0; n < 100; ++n) {
    ASSERT_EQ(read.count(written[n]), 1u) << written[n].toStdString();
    EXPECT_TRUE(read.at(written[n]).contains(names[n]))
        << names[n].toStdString() << " not in " << written[n].toStdString();
  }
  EXPECT_TRUE(read.at(written[1]).join('\n').contains(QStringLiteral("Building 4")));
}

// The longest details give a plan that python-docx and the word processor's own reader
// open (the command reads it back to draw the PDF's pages).
TEST(CommandLine, TheLongestDetailsGiveAPlan) {
  if (!pythonDocxPresent()) GTEST_SKIP() << "python-docx for /usr/bin/python3 is not installed";
  QTemporaryDir folder;
  const QString doc = folder.filePath(QStringLiteral("long.doc"));
  const QString longest(65535, QLatin1Char('W'));
  const ProgramOutput out =
      halvenor({QStringLiteral("--output"), doc, QStringLiteral("--pdf"),
                folder.filePath(QStringLiteral("long.pdf")), QStringLiteral("--name"), longest,
                QStringLiteral("--city-state"), longest, QStringLiteral("--zip"), longest});
  ASSERT_EQ(out.exitCode, 0) << out.err.toStdString();
  const QStringList cover = paragraphsByPython({doc, doc}).at(doc);
  EXPECT_TRUE(cover.contains(longest));
  EXPECT_TRUE(cover.contains(longest + QLatin1Char(' ') + longest));
}

TEST(CommandLine, BadRowsAreReportedByLineAndSkippedAndExistingFilesKept) {
  QTemporaryDir top;
  const QString list = top.filePath(QStringLiteral("clients.csv"));
  writeFile(list, QByteArray("Business Name,City\n"
                             "Good One,Town\n"
                             "Bad \"quote,Town\n"
                             "Too,Many,Fields\n"
                             ",No name\n"
                             "Kept,Town\n"
                             "Long,") +
                      QByteArray(10 * 1000 * 1000, 'x') + "\n");
  QString reports[2];
  for (const int jobs : {1, 2}) {
    SCOPED_TRACE(jobs);
    const QString outDir = top.filePath(QStringLiteral("plans%1").arg(jobs));
    ASSERT_TRUE(QDir().mkpath(outDir));
    writeFile(outDir + QStringLiteral("/Kept.doc"), "an earlier plan");
    const ProgramOutput out =
        halvenor({QStringLiteral("--batch"), list, QStringLiteral("--output-dir"), outDir,
                  QStringLiteral("--jobs"), QString::number(jobs)});
    EXPECT_EQ(out.exitCode, 1);
    const QString err = QString::fromUtf8(out.err);
    EXPECT_TRUE(err.contains(QStringLiteral("line 3: skipped: a quote inside an unquoted field")))
        << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("line 4: skipped: 3 fields where the header has 2")));
    EXPECT_TRUE(err.contains(QStringLiteral("line 5: skipped: no Business Name")));
    EXPECT_TRUE(err.contains(QStringLiteral("line 6: failed: \"") + outDir +
                             QStringLiteral("/Kept.doc\" already exists")));
    EXPECT_TRUE(err.contains(
        QStringLiteral("line 7: skipped: the \"City\" field is longer than 65535 characters")));
    EXPECT_TRUE(err.contains(QStringLiteral("1 of 6 plans written")));
    EXPECT_EQ(contentsOf(outDir + QStringLiteral("/Kept.doc")), QByteArray("an earlier plan"));
    EXPECT_EQ(filesUnder(outDir), QStringList({"Good One.doc", "Kept.doc"}));
    reports[jobs - 1] = progressIn(out.err, outDir);
  }
  EXPECT_EQ(reports[0], reports[1]);  // the same lines in the same order
}

// Ctrl+C or SIGTERM in the middle of a batch made two plans at once: the command and its
// workers end by that signal and leave no temporary folder, temporary document or
// half-made plan behind.
TEST(CommandLine, InterruptedBatchesLeaveNothingBehind) {
  QTemporaryDir top;
  const QString list = top.filePath(QStringLiteral("clients.csv"));
  QByteArray rows = "Business Name\n";
  for (int i = 1; i <= 40; ++i) rows += "Client " + QByteArray::number(i) + "\n";
  writeFile(list, rows);
  for (const int signal : {SIGINT, SIGTERM}) {
    SCOPED_TRACE(signal);
    const QString tmp = top.filePath(QStringLiteral("tmp%1").arg(signal));
    const QString runtime = top.filePath(QStringLiteral("run%1").arg(signal));
    const QString outDir = top.filePath(QStringLiteral("plans%1").arg(signal));
    ASSERT_TRUE(QDir().mkpath(tmp) && QDir().mkpath(runtime));
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcess command;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), tmp);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    command.setProcessEnvironment(environment);
    command.start(kHalvenor,
                  {QStringLiteral("--batch"), list, QStringLiteral("--output-dir"), outDir,
                   QStringLiteral("--pdf"), QStringLiteral("--jobs"), QStringLiteral("2")});
    command.setReadChannel(QProcess::StandardError);
    ASSERT_TRUE(command.waitForStarted());
    QByteArray err;
    while (!err.contains("[2/40]") && command.waitForReadyRead(60000))
      err += command.readAllStandardError();
    ASSERT_TRUE(err.contains("[2/40]")) << err.toStdString();
    ::kill(static_cast<pid_t>(command.processId()), signal);
    ASSERT_TRUE(command.waitForFinished(60000));
    EXPECT_EQ(command.exitStatus(), QProcess::CrashExit);  // ended by the signal
    for (const QString& folder : {tmp, runtime + QStringLiteral("/halvenor")})
      EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                QStringList());
    for (const QString& file : filesUnder(outDir))
      EXPECT_TRUE(file.endsWith(QStringLiteral(".doc")) || file.endsWith(QStringLiteral(".pdf")))
          << file.toStdString();
    EXPECT_EQ(filesUnder(outDir).size() % 2, 0);  // a plan is both its files or neither
  }
}

}  // namespace
