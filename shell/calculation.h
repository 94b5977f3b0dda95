#pragma once

#include "planning/loadplan.h"
#include "shell/advice.h"
#include "shell/calculationinputs.h"
#include "shell/weightresult.h"

#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <vector>

// The calculation every front end runs: the window reads its fields into CalculationInputs,
// calls these, and writes the answer back; the report fills the inputs from its options and
// prints the answer. An output added later reads Calculation and nothing else.

// The guard of the calculation: false when a bundle size is missing or zero, so that the command
// does nothing. The sizes convert in reading order: ConversionError names the first field that
// is not a whole number.
bool BundleSizeReady(const CalculationInputs& inputs);

// What "Расчет пачки" does: the bundle from the box group. Nothing changes while a box size is
// missing or zero; the length and width follow from the box and the flute, the height needs the
// boxes per bundle, the bundles in the order need the boxes in the order as well. The inputs are
// changed step by step, so when a later count does not convert (ConversionError) the sizes
// derived before it stay changed, as the window shows them.
void DeriveBundleFromBox(CalculationInputs& inputs, char decimalSeparator);

// Reads the request in the calculation's order: the overhangs as whole numbers, then the pallet,
// the height and the bundle as reals. Raises ConversionError at the first text that does not
// convert.
LoadRequest ReadLoadRequest(const CalculationInputs& inputs, char decimalSeparator);

// The result lines beside the picture: the total, the layers, the overhangs, and the pallets
// an order fills when the order is given.
struct ResultLines {
    std::string Total, Layers, Overhangs;
    std::optional<std::string> Pallets;
};

enum class AdviceWanted { No, Yes };

// The layer advisor's answer for one calculation: the advice, its lines, and the text block of
// the best layer's picture (empty with the text option off).
struct CalculationAdvice {
    LayerAdvice Advice;
    std::vector<std::string> Lines;
    std::vector<std::string> BestPictureText;
};

// Everything one calculation gives its outputs.
struct Calculation {
    // The inputs as they stand after the plan: when it turned the pallet, the pallet sides and
    // the overhangs are exchanged, as the window's fields show them.
    CalculationInputs Inputs;
    LoadRequest Request;
    LoadPlan Plan;
    std::optional<std::int64_t> BundlesInOrder;
    ResultLines Lines;
    // The text block, top line first: the report prints it, the picture shows it when the text
    // option is on (PictureText is then the same lines, otherwise empty).
    std::vector<std::string> TextBlock;
    std::vector<std::string> PictureText;
    // The decimal separator the figures were written with; the advice writes its own with it.
    char DecimalSeparator = '.';
    // The layer advisor's answer (see CalculationAdvice), once AddAdvice has put it here.
    std::optional<LayerAdvice> Advice;
    std::vector<std::string> AdviceLines;
    std::vector<std::string> BestPictureText;
    // The weights: the limit's cut, already applied to Plan and every line above, and the
    // pallet, last pallet and order weights with their lines, printed after the result lines.
    // Empty when no box or bundle weight was given.
    WeightResult Weights;
    std::vector<std::string> WeightLines;
    // A failure met after the plan and the first three lines were made: the bundles in the order
    // do not convert. Everything after it is left empty; an output shows what stands and then
    // raises it, so the user sees the figures and the error, as the window always did.
    std::exception_ptr Failure;
};

// The load calculation for inputs that passed BundleSizeReady. Raises ConversionError for a
// pallet, height, overhang or bundle text that does not convert (and for the boxes per bundle
// when a box weight needs them), WeightInputError for a weight that is not one,
// BundleTooHeavyError when the maximum gross weight leaves no room for a single bundle, and
// PlanTooLargeError for sizes the planner refuses.
// With AdviceWanted::Yes the advice step follows at once, as AddAdvice(c, AdviseOn(c)), unless
// the calculation failed.
Calculation Calculate(const CalculationInputs& inputs, char decimalSeparator, AdviceWanted advice);

// The advice step, apart from the calculation because it takes up to a few tenths of a second.
// It reads nothing but `calculation`, which must not have failed, so a front end that should not
// keep its user waiting runs it on a copy in another thread, with a cancel flag in `budget`.
CalculationAdvice AdviseOn(const Calculation& calculation, const AdvisorBudget& budget = {});

// Puts the advice into the calculation, where every output reads it.
void AddAdvice(Calculation& calculation, CalculationAdvice advice);

// The user's decimal separator, from the process locale.
char LocaleDecimalSeparator();
