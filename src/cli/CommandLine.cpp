// Option parsing and the two commands: a single plan and a batch from a client list.
#include "cli/CommandLine.h"

#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTextStream>
#include <QThread>
#include <cstdio>
#include <memory>
#include <optional>

#include "base/ProgramExit.h"
#include "base/ShippedFonts.h"
#include "cli/BatchWorkers.h"
#include "cli/CsvReader.h"
#include "cli/OutputNames.h"
#include "cli/PlanWriter.h"
#include "output/TempFiles.h"
#include "shell/BusinessRecordStore.h"

namespace cli {
namespace {

// A client list larger than this is refused rather than read into memory.
constexpr qint64 kMaxClientListBytes = 64 * 1024 * 1024;
// The most plans a batch makes at once.
constexpr int kMaxJobs = 256;

const char* const kExitStatusHelp =
    "\nExit status:\n"
    "  0  every plan was written\n"
    "  1  some plans failed (each is reported on standard error)\n"
    "  2  bad usage: unknown or conflicting options, a missing value, or an input file\n"
    "     or output folder that cannot be used\n";

const char* const kDescription =
    "Writes business-plan templates without opening a window.\n\n"
    "  halvenor --output plan.doc [--pdf plan.pdf] [--name NAME ...]\n"
    "      one plan from the stored business details, each replaced by the\n"
    "      detail options given\n"
    "  halvenor --batch clients.csv --output-dir DIR [--pdf] [--force] [--jobs N]\n"
    "      one plan per row of a CSV file whose header names the columns \"Business\n"
    "      Name\", \"Street Address 1\", \"Street Address 2\", \"City\", \"Zip Code\",\n"
    "      \"Telephone\", \"Fax\" and \"Email\" (any order; a missing one is empty);\n"
    "      each plan is named after its business; N plans are made at once (by\n"
    "      default one per processor core)\n\n"
    "Without arguments the window opens.";

struct DetailOption {
  const char* name;
  shell::BusinessField field;
  const char* help;
};

const DetailOption kDetailOptions[] = {
    {"name", shell::BusinessField::BusinessName, "Business name."},
    {"street1", shell::BusinessField::StreetAddress1, "First street address line."},
    {"street2", shell::BusinessField::StreetAddress2, "Second street address line."},
    {"city-state", shell::BusinessField::City, "City and state."},
    {"zip", shell::BusinessField::ZipCode, "Zip code."},
    {"phone", shell::BusinessField::Telephone, "Telephone number."},
    {"fax", shell::BusinessField::Fax, "Fax number."},
    {"email", shell::BusinessField::Email, "E-mail address."},
};

QString& detail(shell::BusinessDetails& details, shell::BusinessField field) {
  return details[static_cast<size_t>(field)];
}

// Why a detail cannot be taken ("" when it can): past the length a plan is made of.
QString tooLong(const QString& text, const QString& what) {
  if (text.size() <= shell::kMaxDetailLength) return QString();
  return what + QStringLiteral(" is longer than %1 characters (%2)")
                    .arg(shell::kMaxDetailLength)
                    .arg(text.size());
}

class Command {
 public:
  Command(QTextStream& out, QTextStream& err) : out_(out), err_(err) {}

  int run(QStringList arguments) {
    // "--pdf=FILE" reads as "--pdf FILE": --pdf takes its file as the next argument.
    for (int i = 1; i < arguments.size(); ++i)
      if (arguments[i].startsWith(QStringLiteral("--pdf="))) {
        const QString file = arguments[i].mid(6);
        arguments[i] = QStringLiteral("--pdf");
        arguments.insert(i + 1, file);
      }
    defineOptions();
    if (!parser_.parse(arguments)) return usageError(parser_.errorText());
    if (parser_.isSet(help_)) {
      out_ << parser_.helpText() << kExitStatusHelp;
      return kSuccess;
    }
    if (parser_.isSet(version_)) {
      out_ << QCoreApplication::applicationName() << ' ' << QStringLiteral(HALVENOR_VERSION)
           << '\n';
      return kSuccess;
    }
    if (parser_.isSet(worker_)) return runWorker();
    const bool single = parser_.isSet(output_), batch = parser_.isSet(batch_);
    if (single == batch) return usageError(QStringLiteral("give either --output or --batch"));
    if (single && parser_.isSet(jobs_)) return usageError(QStringLiteral("--jobs needs --batch"));
    return single ? runSingle() : runBatch();
  }

 private:
  void defineOptions() {
    parser_.setApplicationDescription(QString::fromLatin1(kDescription));
    parser_.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser_.addOption(help_);
    parser_.addOption(version_);
    parser_.addOption(output_);
    parser_.addOption(pdf_);
    parser_.addOption(batch_);
    parser_.addOption(outputDir_);
    parser_.addOption(force_);
    parser_.addOption(jobs_);
    worker_.setFlags(QCommandLineOption::HiddenFromHelp);
    parser_.addOption(worker_);
    for (const DetailOption& option : kDetailOptions)
      parser_.addOption(QCommandLineOption(QString::fromLatin1(option.name),
                                           QString::fromLatin1(option.help),
                                           QStringLiteral("text")));
    parser_.addPositionalArgument(QStringLiteral("[PDF]"),
                                  QStringLiteral("The PDF file that --pdf names."));
  }

  int usageError(const QString& text) {
    err_ << "halvenor: " << text << "\nTry 'halvenor --help' for more information.\n";
    err_.flush();
    return kBadUsage;
  }

  void progress(const QString& text) {
    err_ << "halvenor: " << text << '\n';
    err_.flush();
  }

  int runSingle() {
    if (parser_.isSet(outputDir_)) return usageError(QStringLiteral("--output-dir needs --batch"));
    const QStringList rest = parser_.positionalArguments();
    PlanTargets targets;
    targets.wordFile = parser_.value(output_);
    targets.replace = parser_.isSet(force_);
    if (parser_.isSet(pdf_)) {
      if (rest.size() != 1) return usageError(QStringLiteral("--pdf needs the PDF file's name"));
      targets.pdfFile = rest.first();
    } else if (!rest.isEmpty()) {
      return usageError(QStringLiteral("unexpected argument \"") + rest.first() +
                        QStringLiteral("\""));
    }
    if (targets.wordFile.isEmpty()) return usageError(QStringLiteral("--output needs a name"));

    shell::BusinessDetails details;
    const shell::BusinessRecordStore store;
    for (const shell::BusinessFieldInfo& info : shell::kBusinessFields)
      detail(details, info.field) = store.read(QString::fromLatin1(info.storeKey));
    for (const DetailOption& option : kDetailOptions) {
      const QString name = QString::fromLatin1(option.name);
      if (!parser_.isSet(name)) continue;
      const QString value = parser_.value(name);
      const QString problem = tooLong(value, QStringLiteral("--") + name);
      if (!problem.isEmpty()) return usageError(problem);
      detail(details, option.field) = value;
    }
    for (const shell::BusinessFieldInfo& info : shell::kBusinessFields) {
      const QString problem =
          tooLong(detail(details, info.field),
                  QStringLiteral("the stored \"") + QLatin1String(info.storeKey) + '"');
      if (!problem.isEmpty()) {
        progress(QStringLiteral("failed: ") + problem);
        return kSomePlansFailed;
      }
    }

    UnattendedDialogs dialogs;
    const QString error = writePlan(details, targets);
    if (!error.isEmpty()) {
      progress(QStringLiteral("failed: ") + error);
      return kSomePlansFailed;
    }
    progress(QStringLiteral("wrote ") + targets.wordFile +
             (targets.pdfFile.isEmpty() ? QString() : QStringLiteral(" and ") + targets.pdfFile));
    return kSuccess;
  }

  int runWorker() {
    QFile in, out;
    if (!in.open(STDIN_FILENO, QIODevice::ReadOnly | QIODevice::Unbuffered) ||
        !out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered))
      return usageError(QStringLiteral("a worker needs its standard input and output"));
    return runBatchWorker(in, out);
  }

  int runBatch() {
    if (!parser_.isSet(outputDir_)) return usageError(QStringLiteral("--batch needs --output-dir"));
    int jobs = QThread::idealThreadCount();
    if (parser_.isSet(jobs_)) {
      bool number = false;
      jobs = parser_.value(jobs_).toInt(&number);
      if (!number || jobs < 1 || jobs > kMaxJobs)
        return usageError(QStringLiteral("--jobs takes a number from 1 to %1").arg(kMaxJobs));
    }
    jobs = qBound(1, jobs, kMaxJobs);
    for (const DetailOption& option : kDetailOptions)
      if (parser_.isSet(QString::fromLatin1(option.name)))
        return usageError(QStringLiteral("--") + QString::fromLatin1(option.name) +
                          QStringLiteral(" cannot be used with --batch"));
    if (!parser_.positionalArguments().isEmpty())
      return usageError(QStringLiteral("unexpected argument \"") +
                        parser_.positionalArguments().first() +
                        QStringLiteral("\" (in a batch --pdf takes no file)"));

    QFile list(parser_.value(batch_));
    if (!list.open(QIODevice::ReadOnly))
      return usageError(QStringLiteral("cannot read \"") + list.fileName() +
                        QStringLiteral("\": ") + list.errorString());
    if (list.size() > kMaxClientListBytes)
      return usageError(QStringLiteral("\"") + list.fileName() +
                        QStringLiteral("\" is larger than 64 MiB"));
    const std::vector<CsvRecord> records = readCsvRecords(list.read(kMaxClientListBytes + 1));
    if (list.error() != QFileDevice::NoError)
      return usageError(QStringLiteral("cannot read \"") + list.fileName() +
                        QStringLiteral("\": ") + list.errorString());
    if (records.empty() || !records.front().error.isEmpty())
      return usageError(QStringLiteral("\"") + list.fileName() +
                        QStringLiteral("\" has no readable header row"));

    // Columns by the store's keys, in any order; unknown columns are ignored.
    QHash<QString, shell::BusinessField> byKey;
    for (const shell::BusinessFieldInfo& info : shell::kBusinessFields)
      byKey.insert(QString::fromLatin1(info.storeKey).toCaseFolded(), info.field);
    const QStringList header = records.front().fields;
    std::vector<int> column(8, -1);
    for (int i = 0; i < header.size(); ++i) {
      const auto found = byKey.constFind(header[i].trimmed().toCaseFolded());
      if (found == byKey.constEnd()) continue;
      // Two columns for one detail: which one was meant cannot be guessed.
      if (column[static_cast<size_t>(*found)] >= 0)
        return usageError(QStringLiteral("the header of \"") + list.fileName() +
                          QStringLiteral("\" names the column \"") + header[i].trimmed() +
                          QStringLiteral("\" twice"));
      column[static_cast<size_t>(*found)] = i;
    }
    if (column[static_cast<size_t>(shell::BusinessField::BusinessName)] < 0)
      return usageError(QStringLiteral("the header of \"") + list.fileName() +
                        QStringLiteral("\" names no \"Business Name\" column"));

    const QDir folder(parser_.value(outputDir_));
    if (!folder.mkpath(QStringLiteral(".")))
      return usageError(QStringLiteral("cannot make the folder \"") + folder.path() +
                        QStringLiteral("\""));
    const bool withPdf = parser_.isSet(pdf_), replace = parser_.isSet(force_);

    // Every row's outcome is decided in row order first: its problem, or its details and
    // file names, so the names are the same however many plans are made at once.
    OutputNames names;
    const int total = static_cast<int>(records.size()) - 1;
    std::vector<BatchRow> rows(static_cast<size_t>(total));
    for (int n = 1; n <= total; ++n) {
      const CsvRecord& record = records[static_cast<size_t>(n)];
      BatchRow& row = rows[static_cast<size_t>(n - 1)];
      row.where = QStringLiteral("[%1/%2] line %3: ").arg(n).arg(total).arg(record.line);
      QString& error = row.problem;
      error = record.error;
      if (error.isEmpty() && record.fields.size() != header.size())
        error = QStringLiteral("%1 fields where the header has %2")
                    .arg(record.fields.size())
                    .arg(header.size());
      shell::BusinessDetails& details = row.details;
      for (size_t f = 0; f < column.size(); ++f)
        if (column[f] >= 0 && column[f] < record.fields.size()) {
          details[f] = record.fields[column[f]];
          if (error.isEmpty())
            error = tooLong(details[f], QStringLiteral("the \"") + header[column[f]].trimmed() +
                                            QStringLiteral("\" field"));
        }
      const QString business = detail(details, shell::BusinessField::BusinessName);
      if (error.isEmpty() && business.trimmed().isEmpty())
        error = QStringLiteral("no Business Name");
      if (!error.isEmpty()) continue;
      const QString base = names.claim(safeBaseName(business));
      row.targets.wordFile = folder.absoluteFilePath(base + QStringLiteral(".doc"));
      if (withPdf) row.targets.pdfFile = folder.absoluteFilePath(base + QStringLiteral(".pdf"));
      row.targets.replace = replace;
    }
    return makePlans(rows, jobs, withPdf);
  }

  // A row of a batch, ready: why it is skipped, or the plan it makes.
  struct BatchRow {
    QString where;    // "[n/total] line L: "
    QString problem;  // why the row is skipped; "" when it makes a plan
    shell::BusinessDetails details;
    PlanTargets targets;
  };

  // Makes the rows' plans, here one after another or by `jobs` workers at once, and
  // reports them in row order: an outcome that comes early waits for the rows before it.
  int makePlans(const std::vector<BatchRow>& rows, int jobs, bool withPdf) {
    const int total = static_cast<int>(rows.size());
    UnattendedDialogs dialogs;
    std::unique_ptr<BatchWorkers> workers;
    if (jobs > 1)
      workers = std::make_unique<BatchWorkers>(jobs, QCoreApplication::applicationFilePath());
    std::vector<std::optional<QString>> outcomes(rows.size());  // after "[n/total] line L: "
    int started = 0, reported = 0, written = 0;
    const auto planMade = [&](int index, const QString& error) {
      const BatchRow& row = rows[static_cast<size_t>(index)];
      outcomes[static_cast<size_t>(index)] =
          error.isEmpty() ? QStringLiteral("wrote ") + row.targets.wordFile +
                                (withPdf ? QStringLiteral(" and .pdf") : QString())
                          : QStringLiteral("failed: ") + error;
      if (error.isEmpty()) ++written;
    };
    for (;;) {
      while (started < total && !base::terminationRequested() && (!workers || workers->hasRoom())) {
        const BatchRow& row = rows[static_cast<size_t>(started)];
        if (!row.problem.isEmpty())
          outcomes[static_cast<size_t>(started)] = QStringLiteral("skipped: ") + row.problem;
        else if (!workers)
          planMade(started, writePlan(row.details, row.targets));
        else
          workers->start(started, {row.targets, row.details});
        ++started;
        if (!workers) break;  // reported before the next one starts
      }
      if (workers) {
        // Stopped by a signal: the workers running end too, each removing its own files.
        for (const BatchWorkers::Finished& done :
             base::terminationRequested() ? workers->stopAll() : workers->waitForAny())
          planMade(done.row, done.error);
      }
      for (; reported < started && outcomes[static_cast<size_t>(reported)]; ++reported)
        progress(rows[static_cast<size_t>(reported)].where +
                 *outcomes[static_cast<size_t>(reported)]);
      if (reported == total ||
          (base::terminationRequested() && reported == started && !(workers && workers->running())))
        break;
    }
    if (started < total) {
      // Stopped by a signal: what is written stays, nothing half-made is left.
      progress(QStringLiteral("interrupted: %1 of %2 plans written").arg(written).arg(total));
      return kSomePlansFailed;
    }
    progress(QStringLiteral("%1 of %2 plans written").arg(written).arg(total));
    return written < total ? kSomePlansFailed : kSuccess;
  }

  QTextStream& out_;
  QTextStream& err_;
  QCommandLineParser parser_;
  QCommandLineOption help_{{QStringLiteral("h"), QStringLiteral("help")},
                           QStringLiteral("Show this help and exit.")};
  QCommandLineOption version_{{QStringLiteral("v"), QStringLiteral("version")},
                              QStringLiteral("Show the version and exit.")};
  QCommandLineOption output_{{QStringLiteral("o"), QStringLiteral("output")},
                             QStringLiteral("Write one plan as a Word file to <file>."),
                             QStringLiteral("file")};
  QCommandLineOption pdf_{QStringLiteral("pdf"),
                          QStringLiteral("Also write a PDF: for one plan to the file named next "
                                         "(--pdf plan.pdf); in a batch beside each Word file.")};
  QCommandLineOption batch_{{QStringLiteral("b"), QStringLiteral("batch")},
                            QStringLiteral("Write one plan per row of the CSV file <csv>."),
                            QStringLiteral("csv")};
  QCommandLineOption outputDir_{{QStringLiteral("d"), QStringLiteral("output-dir")},
                                QStringLiteral("Folder for the plans of a batch (made if "
                                               "missing); nothing is written outside it."),
                                QStringLiteral("dir")};
  QCommandLineOption force_{{QStringLiteral("f"), QStringLiteral("force")},
                            QStringLiteral("Replace files that already exist (never otherwise).")};
  QCommandLineOption jobs_{{QStringLiteral("j"), QStringLiteral("jobs")},
                           QStringLiteral("Make <n> plans of a batch at once, each in a process "
                                          "of its own (default: one per processor core)."),
                           QStringLiteral("n")};
  // A batch's worker: makes the plans it is handed on standard input, never reading the
  // stored details.
  QCommandLineOption worker_{QString::fromLatin1(kWorkerOption),
                             QStringLiteral("Make the plans of a batch handed over.")};
};

}  // namespace

bool wantsCommandLine(int argc, char** /*argv*/) { return argc > 1; }

void prepareHeadless() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  base::pointOffscreenFontsAtSystemFolder();
}

int runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
  // Each command keeps its temporary document and page image file in a private folder of
  // its own, so commands running side by side, or beside the window, never share one;
  // the folders that commands ended by force left behind go first (a batch's worker leaves
  // that to the batch, which swept before starting it).
  if (!arguments.contains(QStringLiteral("--") + QLatin1String(kWorkerOption)))
    output::removeStaleTemporaryFiles();
  std::optional<output::CommandFolder> scratch;
  try {
    scratch.emplace();
  } catch (const std::exception& error) {
    err << "halvenor: " << error.what() << '\n';
    return kSomePlansFailed;
  }
  const QByteArray folder = QFile::encodeName(scratch->path());
  qputenv("temp", folder);
  qputenv("TEMP", folder);
  Command command(out, err);
  return command.run(arguments);
}

int runCommandLine(const QStringList& arguments) {
  QTextStream out(stdout), err(stderr);
  return runCommandLine(arguments, out, err);
}

}  // namespace cli
