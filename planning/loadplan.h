#pragma once

#include <cstdint>
#include <stdexcept>

// The euro pallet a calculation starts from and the stacking height allowed on it, in mm: the
// window's first inputs, the report's defaults and a request nobody changed.
inline constexpr std::int32_t StandardPalletLength = 1200;
inline constexpr std::int32_t StandardPalletWidth = 800;
inline constexpr std::int32_t StandardMaxHeight = 2000;

// What the planner is asked: the pallet as entered, the bundle, the height allowance and the
// largest overhang allowed along each pallet side.
struct LoadRequest {
    double PalletLength = StandardPalletLength;
    double PalletWidth = StandardPalletWidth;
    double MaxHeight = StandardMaxHeight;
    bool HeightIncludesPallet = true;
    std::int32_t LengthOverhang = 0;
    std::int32_t WidthOverhang = 0;
    double BundleLength = 0;
    double BundleWidth = 0;
    double BundleHeight = 0;
};

// The better pallet orientation with both overhangs trimmed to the least that keeps its total.
struct LoadPlan {
    // The pallet turned a quarter turn held strictly more: its sides, and the overhangs with
    // them, are exchanged. The fields below are all in the exchanged frame.
    bool Turned = false;
    double PalletLength = 0;
    double PalletWidth = 0;
    std::int32_t LengthOverhang = 0; // trimmed
    std::int32_t WidthOverhang = 0;  // trimmed
    double StackHeight = 0;          // height for bundles above the pallet
    double RowSide = 0;              // pallet length plus trimmed overhang
    double SplitSide = 0;            // pallet width plus trimmed overhang
    double Split = 0;
    std::int64_t LayerCount = 0; // bundles per layer, the full count
    std::int64_t Layers = 0;
    std::int64_t Total = 0;
};

// The height of the pallet itself, the same in the calculation and in the picture.
constexpr double PalletHeightMm = 150.0;

// Raised when the sizes would keep the planner counting for minutes (a pallet kilometres long,
// overhangs of millions of millimetres): the calculation refuses instead of freezing.
class PlanTooLargeError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Chooses the orientation, trims the overhangs one millimetre at a time and makes the final
// count. Pure: no state, no input or output.
LoadPlan PlanLoad(const LoadRequest& request);

// Pallets an order of `bundles` fills, and the bundles on the last one (a full pallet when the
// order divides evenly). Only meaningful for a positive total.
std::int64_t PalletsForOrder(std::int64_t bundles, std::int64_t total);
std::int64_t BundlesOnLastPallet(std::int64_t bundles, std::int64_t total);

// Height of the loaded pallet in millimetres, pallet included.
double LoadedPalletHeight(double bundleHeight, std::int64_t layers);
