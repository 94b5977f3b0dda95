#include "app/advicerunner.h"

#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <utility>

struct AdviceRunner::Job {
    Job(const Calculation& calculation, std::uint64_t generation)
        : calculation(calculation), generation(generation) {}

    const Calculation calculation;
    const std::uint64_t generation;
    std::atomic<bool> cancel = false;
    // The worker's answer, handed over under the lock.
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    CalculationAdvice answer;
    std::exception_ptr failure;
};

AdviceRunner::AdviceRunner(QObject* parent) : QObject(parent) {
    worker_.setMaxThreadCount(1);
}

AdviceRunner::~AdviceRunner() {
    Drop();
    worker_.clear();
    worker_.waitForDone();
}

void AdviceRunner::Start(const Calculation& calculation) {
    Drop();
    auto job = std::make_shared<Job>(calculation, ++generation_);
    current_ = job;
    worker_.start([this, job] {
        CalculationAdvice answer;
        std::exception_ptr failure;
        // A generation dropped before its turn came needs no search at all.
        if (!job->cancel.load()) {
            try {
                AdvisorBudget budget;
                budget.Cancel = &job->cancel;
                answer = AdviseOn(job->calculation, budget);
            } catch (...) {
                failure = std::current_exception();
            }
        }
        {
            const std::lock_guard lock(job->mutex);
            job->answer = std::move(answer);
            job->failure = failure;
            job->finished = true;
        }
        job->done.notify_all();
        // The runner outlives its worker (its destructor waits), so it is there to receive this.
        QMetaObject::invokeMethod(
            this, [this, job] { Finished(job); }, Qt::QueuedConnection);
    });
}

void AdviceRunner::Drop() {
    if (current_)
        current_->cancel = true;
    current_.reset();
}

CalculationAdvice AdviceRunner::Take() {
    const std::shared_ptr<Job> job = std::exchange(current_, nullptr);
    if (!job)
        throw std::logic_error("no layer advice is pending");
    std::unique_lock lock(job->mutex);
    job->done.wait(lock, [&job] { return job->finished; });
    if (job->failure)
        std::rethrow_exception(job->failure);
    return std::move(job->answer);
}

void AdviceRunner::Finished(const std::shared_ptr<Job>& job) {
    // An older generation's answer, or one already taken, is thrown away.
    if (!current_ || current_->generation != job->generation)
        return;
    emit Arrived();
}
