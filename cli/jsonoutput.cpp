#include "cli/jsonoutput.h"

#include "shell/fieldnumbers.h"

#include "shell/layerplans.h"

#include <array>
#include <cstdio>
#include <sstream>

namespace {

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string JsonNumber(double value) {
    return FormatGeneral(value, '.');
}

std::string JsonOverhangStep(const std::optional<OverhangStep>& step) {
    if (!step)
        return "null";
    return "{\"extraMm\": " + std::to_string(step->ExtraMm) +
           ", \"count\": " + std::to_string(step->Count) + "}";
}

// Bundles as [x, y, along x, along y] in millimetres from the layer's own corner.
template <typename Bundles, typename Corner>
void PrintPlacements(const Bundles& bundles, Corner corner, std::ostream& json) {
    json << "[";
    bool first = true;
    for (const auto& bundle : bundles) {
        const auto [x, y, alongX, alongY] = corner(bundle);
        json << (first ? "" : ", ") << "[" << x << ", " << y << ", " << alongX << ", " << alongY
             << "]";
        first = false;
    }
    json << "]";
}

void PrintAdviceJson(const LayerAdvice& advice, std::ostream& json) {
    const BestLayer& best = advice.Best;
    json << ", \"bestLayer\": {\"count\": " << best.Count << ", \"upperBound\": " << best.UpperBound
         << ", \"optimal\": " << (best.Optimal ? "true" : "false")
         << ", \"timedOut\": " << (best.TimedOut ? "true" : "false")
         << ", \"total\": " << advice.BestPlan.Total << ", \"placements\": ";
    PrintPlacements(
        best.Placements,
        [](const Placement& p) {
            return std::array<std::int64_t, 4>{p.X, p.Y, p.LengthAlongX, p.WidthAlongY};
        },
        json);
    json << "}, \"overhangAdvice\": {\"alongLength\": "
         << JsonOverhangStep(advice.Overhang.AlongLength)
         << ", \"alongWidth\": " << JsonOverhangStep(advice.Overhang.AlongWidth) << "}";
}

} // namespace

void PrintJson(const Calculation& r, bool advice, std::ostream& out) {
    const LoadPlan& p = r.Plan;
    std::ostringstream json;
    json << "{\"total\": " << p.Total << ", \"perLayer\": " << p.LayerCount
         << ", \"layers\": " << p.Layers << ", \"split\": " << JsonNumber(p.Split)
         << ", \"lengthOverhang\": " << p.LengthOverhang
         << ", \"widthOverhang\": " << p.WidthOverhang
         << ", \"turned\": " << (p.Turned ? "true" : "false")
         << ", \"palletLength\": " << JsonNumber(p.PalletLength)
         << ", \"palletWidth\": " << JsonNumber(p.PalletWidth)
         << ", \"rowSide\": " << JsonNumber(p.RowSide)
         << ", \"splitSide\": " << JsonNumber(p.SplitSide)
         << ", \"stackHeight\": " << JsonNumber(p.StackHeight)
         << ", \"loadHeight\": " << JsonNumber(LoadedPalletHeight(r.Request.BundleHeight, p.Layers))
         << ", \"bundle\": {\"length\": " << JsonNumber(r.Request.BundleLength)
         << ", \"width\": " << JsonNumber(r.Request.BundleWidth)
         << ", \"height\": " << JsonNumber(r.Request.BundleHeight) << "}";
    if (r.BundlesInOrder && p.Total > 0) {
        json << ", \"bundlesInOrder\": " << *r.BundlesInOrder
             << ", \"pallets\": " << PalletsForOrder(*r.BundlesInOrder, p.Total)
             << ", \"lastPallet\": " << BundlesOnLastPallet(*r.BundlesInOrder, p.Total);
    }
    // The two-block layer in the best layer's form, from the layer's corner in placing order.
    const LayerPlan layer = TwoBlockLayerPlanOf(r);
    json << ", \"twoBlockLayer\": {\"count\": " << layer.Count << ", \"placements\": ";
    PrintPlacements(
        layer.Bundles,
        [&](const PlanBundle& b) {
            return std::array<std::int64_t, 4>{b.Rect.X - layer.Footprint.X,
                                               b.Rect.Y - layer.Footprint.Y, b.Rect.Length,
                                               b.Rect.Width};
        },
        json);
    json << "}";
    if (r.Advice && advice)
        PrintAdviceJson(*r.Advice, json);
    json << ", \"lines\": [";
    for (std::size_t i = 0; i < r.TextBlock.size(); ++i)
        json << (i ? ", " : "") << JsonString(r.TextBlock[i]);
    json << "]}";
    out << json.str() << "\n";
}
