#pragma once

#include "shell/calculation.h"

#include <QObject>
#include <QThreadPool>

#include <cstdint>
#include <memory>

// Works out the layer advice of the window's last calculation on a worker thread, so that
// "Расчет" shows its figures and picture at once and the advice follows when it is ready.
//
// Every Start begins a new generation and Drop ends one; an answer that arrives for a generation
// no longer current is thrown away, and its search is cancelled so that it ends within a few
// hundred units of work. One worker thread serves every generation in turn, so a new search
// never competes with a cancelled one for the processor.
class AdviceRunner : public QObject {
    Q_OBJECT
  public:
    explicit AdviceRunner(QObject* parent = nullptr);
    // Cancels the search still running and waits for it: a worker never outlives the runner, so
    // it never reaches a destroyed window.
    ~AdviceRunner() override;

    // The advice for a copy of `calculation`, which must not have failed; the generation before
    // is dropped.
    void Start(const Calculation& calculation);
    // The current generation's advice is no longer wanted.
    void Drop();
    // The current generation's advice is being worked out, or has arrived and was not taken.
    bool Pending() const { return current_ != nullptr; }
    // The current generation's advice; while it is still being worked out, waits for it without
    // returning to the event loop (the search is bounded by its budget). Afterwards nothing is
    // pending and Arrived is not emitted for it. Raises what the search raised. Only while
    // Pending().
    CalculationAdvice Take();

  signals:
    // The current generation's advice is ready to Take.
    void Arrived();

  private:
    struct Job;
    // On the event thread, when a worker has finished `job`.
    void Finished(const std::shared_ptr<Job>& job);

    std::shared_ptr<Job> current_;
    std::uint64_t generation_ = 0;
    QThreadPool worker_;
};
