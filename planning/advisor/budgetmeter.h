#pragma once

#include "planning/advisor/layertypes.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>

// Spends an AdvisorBudget: counts units of work, and reads the safety net's clock and the cancel
// flag once every few hundred units (reading the clock on every candidate would cost more than
// the candidate).
class BudgetMeter {
  public:
    using TimePoint = std::chrono::steady_clock::time_point;

    // A unit of work is worth about this many plain steps (one turn of a loop over a table): a
    // stage whose work grows with a bundle side or a table charges its steps at this rate, so
    // that no input lets it run several times past the budget.
    static constexpr std::int64_t StepsPerUnit = 256;

    explicit BudgetMeter(const AdvisorBudget& budget)
        : workLimit_(budget.Work), clock_(budget.Clock), cancel_(budget.Cancel) {
        if (budget.SafetyTime)
            deadline_ = Now() + *budget.SafetyTime;
        exhausted_ = workLimit_ <= 0;
    }

    // Counts `units` of work; false once the budget is spent, and from then on.
    bool Spend(std::int64_t units = 1) {
        if (exhausted_)
            return false;
        work_ += units;
        if (work_ >= workLimit_)
            exhausted_ = true;
        sinceClock_ += units;
        if (sinceClock_ >= ClockEvery) {
            sinceClock_ = 0;
            if (cancel_ && cancel_->load(std::memory_order_relaxed))
                exhausted_ = true;
            else if (deadline_ && Now() >= *deadline_)
                exhausted_ = clockStopped_ = true;
        }
        return !exhausted_;
    }

    bool Exhausted() const { return exhausted_; }
    bool ClockStopped() const { return clockStopped_; }
    std::int64_t Spent() const { return work_; }

    // A meter for one of `parts` searches still to come: an equal part of the work left, and
    // the same safety net.
    BudgetMeter ShareOf(std::int64_t parts) const {
        BudgetMeter share(*this);
        share.workLimit_ = exhausted_ ? 0 : (workLimit_ - work_) / std::max<std::int64_t>(1, parts);
        share.work_ = 0;
        share.exhausted_ = exhausted_ || share.workLimit_ <= 0;
        return share;
    }

    // Takes in what a search run on a share spent.
    void Absorb(const BudgetMeter& part) {
        work_ += part.work_;
        if (work_ >= workLimit_)
            exhausted_ = true;
        if (part.clockStopped_)
            exhausted_ = clockStopped_ = true;
    }

  private:
    TimePoint Now() const { return clock_ ? clock_() : std::chrono::steady_clock::now(); }

    static constexpr std::int64_t ClockEvery = 256;
    std::int64_t workLimit_;
    std::function<TimePoint()> clock_;
    const std::atomic<bool>* cancel_;
    std::optional<TimePoint> deadline_;
    std::int64_t work_ = 0;
    std::int64_t sinceClock_ = 0;
    bool exhausted_ = false;
    bool clockStopped_ = false;
};
