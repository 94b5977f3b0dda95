#include "cli/jsonoutput.h"

#include "shell/fieldnumbers.h"

#include <cstdio>

static_assert(MaxListedPlacements == 262144, "the --help text names this limit");

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

std::string JsonInteger(std::int64_t value) {
    return std::to_string(value);
}

std::string JsonBool(bool value) {
    return value ? "true" : "false";
}

constexpr const char* JsonNull = "null";

std::string JsonStrings(const std::vector<std::string>& texts) {
    std::string out = "[";
    for (std::size_t i = 0; i < texts.size(); ++i)
        out += (i ? ", " : "") + JsonString(texts[i]);
    return out + "]";
}

// An object built member by member, in the order the schema lists them.
class JsonObject {
  public:
    JsonObject& Add(const char* key, const std::string& value) {
        text += (text.empty() ? "{" : ", ") + JsonString(key) + ": " + value;
        return *this;
    }
    std::string Text() const { return text.empty() ? "{}" : text + "}"; }

  private:
    std::string text;
};

std::string Sides(double length, double width) {
    return JsonObject()
        .Add("lengthMm", JsonNumber(length))
        .Add("widthMm", JsonNumber(width))
        .Text();
}

std::string AlongSides(std::int64_t alongLength, std::int64_t alongWidth) {
    return JsonObject()
        .Add("alongLengthMm", JsonInteger(alongLength))
        .Add("alongWidthMm", JsonInteger(alongWidth))
        .Text();
}

std::string Inputs(const Calculation& r) {
    const LoadRequest& q = r.Request;
    return JsonObject()
        .Add("bundle", JsonObject()
                           .Add("lengthMm", JsonNumber(q.BundleLength))
                           .Add("widthMm", JsonNumber(q.BundleWidth))
                           .Add("heightMm", JsonNumber(q.BundleHeight))
                           .Text())
        .Add("pallet", Sides(q.PalletLength, q.PalletWidth))
        .Add("maxHeightMm", JsonNumber(q.MaxHeight))
        .Add("heightIncludesPallet", JsonBool(q.HeightIncludesPallet))
        .Add("maxOverhang", AlongSides(q.LengthOverhang, q.WidthOverhang))
        .Add("bundlesInOrder", r.BundlesInOrder ? JsonInteger(*r.BundlesInOrder) : JsonNull)
        .Text();
}

std::string Order(const Calculation& r) {
    if (!r.BundlesInOrder)
        return JsonNull;
    const std::int64_t bundles = *r.BundlesInOrder;
    const std::int64_t total = r.Plan.Total;
    // An order spread over pallets that hold nothing has no pallet count.
    return JsonObject()
        .Add("bundles", JsonInteger(bundles))
        .Add("pallets", total > 0 ? JsonInteger(PalletsForOrder(bundles, total)) : JsonNull)
        .Add("bundlesOnLastPallet",
             total > 0 ? JsonInteger(BundlesOnLastPallet(bundles, total)) : JsonNull)
        .Text();
}

std::string OverhangStepJson(const std::optional<OverhangStep>& step) {
    if (!step)
        return JsonNull;
    return JsonObject()
        .Add("extraMm", JsonInteger(step->ExtraMm))
        .Add("count", JsonInteger(step->Count))
        .Text();
}

std::string BestLayerJson(const LayerAdvice& advice) {
    const BestLayer& best = advice.Best;
    std::string placements = "[";
    for (std::size_t i = 0; i < best.Placements.size(); ++i) {
        const Placement& p = best.Placements[i];
        placements += (i ? ", [" : "[") + JsonInteger(p.X) + ", " + JsonInteger(p.Y) + ", " +
                      JsonInteger(p.LengthAlongX) + ", " + JsonInteger(p.WidthAlongY) + "]";
    }
    return JsonObject()
        .Add("count", JsonInteger(best.Count))
        .Add("upperBound", JsonInteger(best.UpperBound))
        .Add("optimal", JsonBool(best.Optimal))
        .Add("timedOut", JsonBool(best.TimedOut))
        .Add("clockStopped", JsonBool(best.ClockStopped))
        .Add("searchSkipped", JsonBool(best.SearchSkipped))
        .Add("total", JsonInteger(advice.BestPlan.Total))
        .Add("placementsListed", JsonBool(best.Count <= MaxListedPlacements))
        .Add("placements", placements + "]")
        .Text();
}

std::string OverhangAdviceJson(const LayerAdvice& advice) {
    return JsonObject()
        .Add("alongLength", OverhangStepJson(advice.Overhang.AlongLength))
        .Add("alongWidth", OverhangStepJson(advice.Overhang.AlongWidth))
        .Add("incomplete", JsonBool(advice.Overhang.Incomplete))
        .Add("clockStopped", JsonBool(advice.Overhang.ClockStopped))
        .Text();
}

} // namespace

void PrintJson(const Calculation& r, bool advice, std::ostream& out) {
    const LoadPlan& p = r.Plan;
    const LayerAdvice* shownAdvice = advice && r.Advice ? &*r.Advice : nullptr;
    const std::string json =
        JsonObject()
            .Add("inputs", Inputs(r))
            .Add("palletTurned", JsonBool(p.Turned))
            .Add("pallet", Sides(p.PalletLength, p.PalletWidth))
            .Add("overhang", AlongSides(p.LengthOverhang, p.WidthOverhang))
            .Add("footprint", Sides(p.RowSide, p.SplitSide))
            .Add("bundlesPerLayer", JsonInteger(p.LayerCount))
            .Add("layers", JsonInteger(p.Layers))
            .Add("bundlesPerPallet", JsonInteger(p.Total))
            .Add("twoBlockLayer", JsonObject().Add("lengthwiseRows", JsonNumber(p.Split)).Text())
            .Add("stackHeightMm", JsonNumber(p.StackHeight))
            .Add("loadHeightMm", JsonNumber(LoadedPalletHeight(r.Request.BundleHeight, p.Layers)))
            .Add("order", Order(r))
            .Add("textLines", JsonStrings(r.TextBlock))
            .Add("bestLayer", shownAdvice ? BestLayerJson(*shownAdvice) : JsonNull)
            .Add("overhangAdvice", shownAdvice ? OverhangAdviceJson(*shownAdvice) : JsonNull)
            .Add("adviceLines", shownAdvice ? JsonStrings(r.AdviceLines) : JsonNull)
            .Text();
    out << json << "\n";
}
