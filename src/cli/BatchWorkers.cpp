// The worker pool of a batch, the worker's loop, and the jobs and answers between them.
#include "cli/BatchWorkers.h"

#include <QEventLoop>
#include <QProcess>
#include <QStringDecoder>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "base/ProgramExit.h"

namespace cli {
namespace {

// How often a wait looks for a recorded termination signal.
constexpr int kSignalPollMs = 50;
// How long a worker asked to end may take before it is killed.
constexpr int kStopGraceMs = 30000;
// The longest text of a job or answer: a detail of the longest length, three UTF-8 bytes
// a character.
constexpr quint32 kMaxTextBytes = 3 * shell::kMaxDetailLength;

void appendText(QByteArray& bytes, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  const auto length = static_cast<quint32>(utf8.size());
  for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>((length >> shift) & 0xff);
  bytes += utf8;
}

// The length a text's first four bytes give.
quint32 lengthAt(const QByteArray& bytes, qsizetype at) {
  quint32 length = 0;
  for (int i = 0; i < 4; ++i) length = (length << 8) | static_cast<quint8>(bytes[at + i]);
  return length;
}

std::optional<QString> decodeUtf8(QByteArrayView bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8(bytes);
  if (utf8.hasError()) return std::nullopt;
  return text;
}

// Reads `size` bytes, or fails at the input's end.
bool readExactly(QIODevice& in, qint64 size, QByteArray& bytes) {
  bytes.clear();
  while (bytes.size() < size) {
    const QByteArray chunk = in.read(size - bytes.size());
    if (chunk.isEmpty()) return false;
    bytes += chunk;
  }
  return true;
}

std::optional<QString> readText(QIODevice& in) {
  QByteArray bytes;
  if (!readExactly(in, 4, bytes)) return std::nullopt;
  const quint32 length = lengthAt(bytes, 0);
  if (length > kMaxTextBytes || !readExactly(in, length, bytes)) return std::nullopt;
  return decodeUtf8(bytes);
}

// Why a worker ended while making a plan.
QString whyEnded(const QProcess& process, bool stopping) {
  if (stopping) return QStringLiteral("interrupted");
  if (process.exitStatus() == QProcess::CrashExit)
    return QStringLiteral("the worker process crashed");
  return QStringLiteral("the worker process ended with status %1").arg(process.exitCode());
}

}  // namespace

QByteArray encodeJob(const WorkerJob& job) {
  QByteArray bytes;
  appendText(bytes, job.targets.wordFile);
  appendText(bytes, job.targets.pdfFile);
  appendText(bytes, job.targets.replace ? QStringLiteral("1") : QString());
  for (const QString& text : job.details) appendText(bytes, text);
  return bytes;
}

std::optional<WorkerJob> readJob(QIODevice& in) {
  WorkerJob job;
  std::optional<QString> texts[11];
  for (std::optional<QString>& text : texts)
    if (!(text = readText(in))) return std::nullopt;
  job.targets.wordFile = *texts[0];
  job.targets.pdfFile = *texts[1];
  job.targets.replace = !texts[2]->isEmpty();
  for (size_t i = 0; i < job.details.size(); ++i) job.details[i] = *texts[3 + i];
  return job;
}

int runBatchWorker(QIODevice& in, QIODevice& out) {
  UnattendedDialogs dialogs;
  while (!base::terminationRequested()) {
    const std::optional<WorkerJob> job = readJob(in);
    if (!job) break;
    QByteArray answer;
    appendText(answer, writePlan(job->details, job->targets));
    if (out.write(answer) != answer.size()) return 1;
  }
  return 0;
}

struct BatchWorkers::Worker {
  std::unique_ptr<QProcess> process;
  int row = -1;        // the plan being made; -1 when idle
  QByteArray answers;  // answer bytes not yet whole
  bool stopping = false;
  bool gone = false;  // ended, or never started
};

BatchWorkers::BatchWorkers(int count, QString program)
    : count_(count), program_(std::move(program)) {}

BatchWorkers::~BatchWorkers() { stopAll(); }

bool BatchWorkers::hasRoom() const {
  int busy = 0;
  for (const auto& worker : workers_) busy += worker->row >= 0;
  return busy < count_;
}

bool BatchWorkers::running() const {
  for (const auto& worker : workers_)
    if (worker->row >= 0) return true;
  return false;
}

void BatchWorkers::start(int row, const WorkerJob& job) {
  removeEnded();
  Worker* idle = nullptr;
  for (const auto& worker : workers_)
    if (worker->row < 0) idle = worker.get();
  if (!idle) {
    workers_.push_back(std::make_unique<Worker>());
    Worker& worker = *workers_.back();
    worker.row = row;
    worker.process = std::make_unique<QProcess>();
    QProcess& process = *worker.process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QObject::connect(&process, &QProcess::readyReadStandardOutput,
                     [this, &worker] { readAnswers(worker); });
    QObject::connect(&process, &QProcess::finished, [this, &worker] {
      readAnswers(worker);
      ended(worker, whyEnded(*worker.process, worker.stopping));
    });
    QObject::connect(&process, &QProcess::errorOccurred, [this, &worker](QProcess::ProcessError e) {
      if (e == QProcess::FailedToStart)
        ended(worker,
              QStringLiteral("cannot start a worker process: ") + worker.process->errorString());
    });
    process.start(program_, {QStringLiteral("--") + QLatin1String(kWorkerOption)});
    if (worker.gone) return;
    idle = &worker;
  }
  idle->row = row;
  idle->process->write(encodeJob(job));
}

void BatchWorkers::readAnswers(Worker& worker) {
  worker.answers += worker.process->readAllStandardOutput();
  while (worker.answers.size() >= 4) {
    const quint32 length = lengthAt(worker.answers, 0);
    if (static_cast<quint32>(worker.answers.size() - 4) < length) break;
    const std::optional<QString> error =
        decodeUtf8(QByteArrayView(worker.answers).sliced(4, length));
    worker.answers.remove(0, 4 + length);
    if (worker.row < 0) continue;  // an answer nobody asked for
    finished_.push_back({worker.row, error ? *error : QStringLiteral("unreadable answer")});
    worker.row = -1;
    if (waiting_) waiting_->quit();
  }
}

// Workers that ended go here, outside their own signals.
void BatchWorkers::removeEnded() {
  workers_.erase(std::remove_if(workers_.begin(), workers_.end(),
                                [](const auto& worker) { return worker->gone; }),
                 workers_.end());
}

void BatchWorkers::ended(Worker& worker, const QString& error) {
  if (worker.gone) return;
  worker.gone = true;
  if (worker.row >= 0) finished_.push_back({worker.row, error});
  worker.row = -1;
  if (waiting_) waiting_->quit();
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
  return std::exchange(finished_, {});
}

std::vector<BatchWorkers::Finished> BatchWorkers::stopAll() {
  // A busy worker is sent SIGTERM: its plan stops before it takes its names. Every worker
  // then reads the end of its input and ends the ordinary way.
  for (const auto& worker : workers_) {
    if (worker->gone) continue;
    worker->stopping = worker->row >= 0;
    if (worker->stopping) worker->process->terminate();
    worker->process->closeWriteChannel();
  }
  for (const auto& worker : workers_) {
    if (worker->gone) continue;
    if (!worker->process->waitForFinished(kStopGraceMs)) {
      worker->process->kill();
      worker->process->waitForFinished();
    }
    ended(*worker, QStringLiteral("interrupted"));  // when no signal said it ended
  }
  removeEnded();
  return std::exchange(finished_, {});
}

}  // namespace cli
