// The worker pool of a batch and the details' form on a worker's standard input.
#include "cli/BatchWorkers.h"

#include <QEventLoop>
#include <QProcess>
#include <QStringDecoder>
#include <QStringList>
#include <QTimer>
#include <utility>

#include "base/ProgramExit.h"

namespace cli {
namespace {

// How often a wait looks for a recorded termination signal.
constexpr int kSignalPollMs = 50;
// How long a worker asked to end may take before it is killed.
constexpr int kStopGraceMs = 30000;

// Why a worker's plan failed ("" when written), from how it ended and its report on
// standard error: the one-plan command ends with "halvenor: wrote ..." or "halvenor:
// failed: ...", and one ended by a signal just after writing has written.
QString outcomeOf(QProcess& process, bool stopping) {
  const QString report = QString::fromUtf8(process.readAllStandardError());
  if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) return QString();
  const QString wrote = QStringLiteral("halvenor: wrote ");
  const QString failed = QStringLiteral("halvenor: failed: ");
  QString reason, lastLine;
  bool written = false;
  for (const QString& line : report.split('\n')) {
    if (line.startsWith(wrote)) written = true;
    if (line.startsWith(failed)) reason = line.mid(failed.size());
    if (!line.trimmed().isEmpty()) lastLine = line.trimmed();
  }
  if (!reason.isEmpty()) return reason;
  if (written) return QString();
  if (process.exitStatus() == QProcess::CrashExit)
    return stopping ? QStringLiteral("interrupted") : QStringLiteral("the worker process crashed");
  QString text = QStringLiteral("the worker process ended with status %1").arg(process.exitCode());
  if (!lastLine.isEmpty()) text += QStringLiteral(": ") + lastLine;
  return text;
}

void appendLength(QByteArray& bytes, quint32 length) {
  for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>((length >> shift) & 0xff);
}

}  // namespace

QByteArray encodeDetails(const shell::BusinessDetails& details) {
  QByteArray bytes;
  for (const QString& text : details) {
    const QByteArray utf8 = text.toUtf8();
    appendLength(bytes, static_cast<quint32>(utf8.size()));
    bytes += utf8;
  }
  return bytes;
}

std::optional<shell::BusinessDetails> decodeDetails(const QByteArray& bytes) {
  shell::BusinessDetails details;
  qsizetype at = 0;
  for (QString& text : details) {
    if (bytes.size() - at < 4) return std::nullopt;
    quint32 length = 0;
    for (int i = 0; i < 4; ++i) length = (length << 8) | static_cast<quint8>(bytes[at + i]);
    at += 4;
    if (length > static_cast<quint32>(bytes.size() - at)) return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    text = utf8(QByteArrayView(bytes).mid(at, length));
    if (utf8.hasError()) return std::nullopt;
    at += length;
  }
  if (at != bytes.size()) return std::nullopt;
  return details;
}

BatchWorkers::BatchWorkers(int count, QString program)
    : count_(count), program_(std::move(program)) {}

BatchWorkers::~BatchWorkers() { stopAll(); }

void BatchWorkers::start(int row, const shell::BusinessDetails& details,
                         const PlanTargets& targets) {
  workers_.push_back(std::make_unique<Worker>());
  Worker& worker = *workers_.back();
  worker.row = row;
  worker.process = std::make_unique<QProcess>();
  QProcess& process = *worker.process;
  process.setStandardOutputFile(QProcess::nullDevice());
  QObject::connect(&process, &QProcess::finished, [this, &worker] {
    finish(worker, outcomeOf(*worker.process, worker.stopping));
  });
  QObject::connect(&process, &QProcess::errorOccurred, [this, &worker](QProcess::ProcessError e) {
    if (e == QProcess::FailedToStart)
      finish(worker,
             QStringLiteral("cannot start a worker process: ") + worker.process->errorString());
  });
  QStringList arguments{QStringLiteral("--output"), targets.wordFile,
                        QStringLiteral("--") + QLatin1String(kDetailsFromInputOption)};
  if (!targets.pdfFile.isEmpty()) arguments << QStringLiteral("--pdf=") + targets.pdfFile;
  if (targets.replace) arguments << QStringLiteral("--force");
  process.start(program_, arguments);
  if (worker.done) return;
  process.write(encodeDetails(details));
  process.closeWriteChannel();
}

void BatchWorkers::finish(Worker& worker, const QString& error) {
  if (worker.done) return;
  worker.done = true;
  finished_.push_back({worker.row, error});
  if (waiting_) waiting_->quit();
}

std::vector<BatchWorkers::Finished> BatchWorkers::collect() {
  // The processes are deleted here, outside their own signals.
  for (auto it = workers_.begin(); it != workers_.end();)
    it = (*it)->done ? workers_.erase(it) : it + 1;
  return std::exchange(finished_, {});
}

std::vector<BatchWorkers::Finished> BatchWorkers::waitForAny() {
  if (finished_.empty() && running() && !base::terminationRequested()) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&loop] {
      if (base::terminationRequested()) loop.quit();
    });
    poll.start(kSignalPollMs);
    waiting_ = &loop;
    loop.exec();
    waiting_ = nullptr;
  }
  return collect();
}

std::vector<BatchWorkers::Finished> BatchWorkers::stopAll() {
  for (const auto& worker : workers_)
    if (!worker->done) {
      worker->stopping = true;
      worker->process->terminate();  // SIGTERM: the worker winds down and ends by it
    }
  for (const auto& worker : workers_) {
    if (worker->done) continue;
    if (!worker->process->waitForFinished(kStopGraceMs)) {
      worker->process->kill();
      worker->process->waitForFinished();
    }
    finish(*worker, outcomeOf(*worker->process, true));  // when no signal said it ended
  }
  return collect();
}

}  // namespace cli
