#pragma once

#include "planning/advisor/layertypes.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <optional>

// Spends an AdvisorBudget. The clock is read once every hundred or so evaluations: reading it on
// every candidate would cost more than the candidate. The search stops a twentieth early, which
// leaves time to lay out the layer found and to absorb a step that overruns its share (setting
// up the L-shape tables, a busy machine).
class BudgetMeter {
  public:
    explicit BudgetMeter(const AdvisorBudget& budget) : evaluationLimit_(budget.Evaluations) {
        if (budget.Time)
            deadline_ = std::chrono::steady_clock::now() + *budget.Time - *budget.Time / 20;
        if (evaluationLimit_ && *evaluationLimit_ <= 0)
            exhausted_ = true;
    }

    // Counts one evaluation; false once the budget is spent, and from then on.
    bool Spend() {
        if (exhausted_)
            return false;
        ++evaluations_;
        if (evaluationLimit_ && evaluations_ >= *evaluationLimit_)
            exhausted_ = true;
        if (deadline_ && ++sinceClock_ >= ClockEvery) {
            sinceClock_ = 0;
            if (std::chrono::steady_clock::now() >= *deadline_)
                exhausted_ = true;
        }
        return !exhausted_;
    }

    bool Exhausted() const { return exhausted_; }

    // An equal part of what is left, for one of `parts` searches still to come.
    AdvisorBudget ShareOf(std::int64_t parts) const {
        AdvisorBudget share{std::nullopt, std::nullopt};
        if (deadline_) {
            const auto left = std::max(std::chrono::steady_clock::duration::zero(),
                                       *deadline_ - std::chrono::steady_clock::now());
            share.Time = std::chrono::duration_cast<std::chrono::milliseconds>(left / parts);
        }
        if (evaluationLimit_)
            share.Evaluations = (*evaluationLimit_ - evaluations_) / parts;
        return share;
    }

    // Takes in what a search run on a share spent.
    void Absorb(const BudgetMeter& part) {
        evaluations_ += part.evaluations_;
        if (evaluationLimit_ && evaluations_ >= *evaluationLimit_)
            exhausted_ = true;
        if (deadline_ && std::chrono::steady_clock::now() >= *deadline_)
            exhausted_ = true;
    }

  private:
    static constexpr int ClockEvery = 128;
    std::optional<std::int64_t> evaluationLimit_;
    std::optional<std::chrono::steady_clock::time_point> deadline_;
    std::int64_t evaluations_ = 0;
    int sinceClock_ = 0;
    bool exhausted_ = false;
};
