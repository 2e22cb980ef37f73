// Worker processes for a batch: several plans are made at once, each worker being this
// program run again as a worker command, because a generation run uses process-wide state
// and cannot share a process with another run. A worker makes one plan after another, as
// the batch itself does with one job, so it starts once rather than once per plan.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "cli/PlanWriter.h"
#include "shell/BusinessRecord.h"

class QEventLoop;
class QIODevice;
class QProcess;

namespace cli {

// The option that makes the program a batch's worker.
inline constexpr char kWorkerOption[] = "batch-worker";

// One plan for a worker to make.
struct WorkerJob {
  PlanTargets targets;
  shell::BusinessDetails details;
};

// A job as the worker reads it on standard input: its texts (the two file names, "1" or ""
// for replacing, the eight details) each as its UTF-8 length in four bytes, most
// significant first, then its UTF-8 bytes. Safe for any text.
QByteArray encodeJob(const WorkerJob& job);
// The next job from `in`, or nothing at its end or when what comes is not a job.
std::optional<WorkerJob> readJob(QIODevice& in);

// The worker's side: makes the plan of each job read from `in` until its end or a
// termination signal, answering each on `out` with why it failed ("" when written), in the
// same form as a job's texts. Returns the exit status.
int runBatchWorker(QIODevice& in, QIODevice& out);

// Runs up to `count` workers of `program` at once; which plan a worker makes is known by
// its row.
class BatchWorkers {
 public:
  struct Finished {
    int row;
    QString error;  // "" when the plan's files were written, else why not
  };

  BatchWorkers(int count, QString program);
  ~BatchWorkers();  // lets the workers end, as stopAll does
  BatchWorkers(const BatchWorkers&) = delete;
  BatchWorkers& operator=(const BatchWorkers&) = delete;

  bool hasRoom() const;  // a plan can start now
  bool running() const;  // some plan is being made

  // Hands the plan of `job` to an idle worker, starting one when none is idle.
  void start(int row, const WorkerJob& job);
  // Waits until a plan is finished or a termination signal is recorded; returns the plans
  // finished meanwhile.
  std::vector<Finished> waitForAny();
  // Asks every worker to end (each removes its own files first) and waits for all; returns
  // the plans finished meanwhile, an unfinished one as "interrupted".
  std::vector<Finished> stopAll();

 private:
  struct Worker;
  void readAnswers(Worker& worker);
  void ended(Worker& worker, const QString& error);
  void removeEnded();

  const int count_;
  const QString program_;
  std::vector<std::unique_ptr<Worker>> workers_;
  std::vector<Finished> finished_;
  QEventLoop* waiting_ = nullptr;
};

}  // namespace cli
