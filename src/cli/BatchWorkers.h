// Worker processes for a batch: each plan is made by this program run again as a one-plan
// command, several at a time, because a generation run uses process-wide state and cannot
// share a process with another run.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "cli/PlanWriter.h"
#include "shell/BusinessRecord.h"

class QEventLoop;
class QProcess;

namespace cli {

// The option that makes a one-plan command read its details from standard input, as
// written by encodeDetails, instead of the stored ones.
inline constexpr char kDetailsFromInputOption[] = "details-from-stdin";

// The details as a worker reads them: for each detail in turn, its UTF-8 length as four
// bytes (most significant first), then its UTF-8 bytes. Safe for any text.
QByteArray encodeDetails(const shell::BusinessDetails& details);
// The details back, or nothing when `bytes` are not exactly what encodeDetails writes.
std::optional<shell::BusinessDetails> decodeDetails(const QByteArray& bytes);
// The most bytes encodeDetails writes for details no longer than shell::kMaxDetailLength.
inline constexpr qint64 kMaxEncodedDetailsBytes =
    8 * (4 + 3 * static_cast<qint64>(shell::kMaxDetailLength));

// Runs up to `count` workers at once. Which plan a worker makes is known by its row.
class BatchWorkers {
 public:
  struct Finished {
    int row;
    QString error;  // "" when the plan's files were written, else why not
  };

  explicit BatchWorkers(int count, QString program);
  ~BatchWorkers();  // ends the workers still running, as stopAll does
  BatchWorkers(const BatchWorkers&) = delete;
  BatchWorkers& operator=(const BatchWorkers&) = delete;

  bool hasRoom() const { return static_cast<int>(workers_.size()) < count_; }
  bool running() const { return !workers_.empty(); }

  // Starts a worker writing the plan of `details` to `targets`.
  void start(int row, const shell::BusinessDetails& details, const PlanTargets& targets);
  // Waits until a worker ends or a termination signal is recorded; returns the plans
  // finished meanwhile.
  std::vector<Finished> waitForAny();
  // Asks every running worker to end (each removes its own files first) and waits for all.
  std::vector<Finished> stopAll();

 private:
  struct Worker {
    int row;
    std::unique_ptr<QProcess> process;
    bool stopping = false;
    bool done = false;
  };
  void finish(Worker& worker, const QString& error);
  std::vector<Finished> collect();

  const int count_;
  const QString program_;
  std::vector<std::unique_ptr<Worker>> workers_;
  std::vector<Finished> finished_;
  QEventLoop* waiting_ = nullptr;
};

}  // namespace cli
