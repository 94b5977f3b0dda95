#include "cli/jsonoutput.h"

#include "planning/bundlecalc.h"
#include "planning/utf8.h"
#include "shell/fieldnumbers.h"
#include "shell/layerplans.h"

#include <cstdio>

static_assert(MaxListedPlacements == 262144, "the --help text names this limit");
static_assert(MaxPlanBundles == 100000, "the --help text names this limit");

namespace {

// A JSON string of the text. Text from a settings file or the command line may be malformed
// UTF-8, which a JSON reader refuses: each byte that starts no well-formed sequence becomes
// U+FFFD, as it does on the picture.
std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t next = NextCharacter(text, at);
        const char c = text[at];
        if (next - at > 1 || static_cast<unsigned char>(c) >= 0x80) {
            const bool malformed = CharacterAt(text, at) == U'\uFFFD' && next - at != 3;
            out += malformed ? std::string("\xEF\xBF\xBD") : text.substr(at, next - at);
        } else if (c == '"') {
            out += "\\\"";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
        at = next;
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

// The items as a JSON array, each written by `toText`.
template <typename Items, typename ToText>
std::string JsonArray(const Items& items, ToText toText) {
    std::string out = "[";
    bool first = true;
    for (const auto& item : items) {
        out += (first ? "" : ", ") + toText(item);
        first = false;
    }
    return out + "]";
}

std::string JsonStrings(const std::vector<std::string>& texts) {
    return JsonArray(texts, JsonString);
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

// A count as the inputs hold it; null when empty or not a whole number, since a count the
// calculation did not need was never converted.
std::string JsonCount(const std::string& text) {
    try {
        return text.empty() ? JsonNull : JsonInteger(ToWhole(text));
    } catch (const ConversionError&) {
        return JsonNull;
    }
}

// The box group, when the bundle was derived from a box.
std::string Box(const CalculationInputs& in) {
    if (in.BoxLength.empty() || in.BoxWidth.empty() || in.BoxHeight.empty())
        return JsonNull;
    return JsonObject()
        .Add("lengthMm", JsonCount(in.BoxLength))
        .Add("widthMm", JsonCount(in.BoxWidth))
        .Add("heightMm", JsonCount(in.BoxHeight))
        .Add("boxesPerBundle", JsonCount(in.BoxesPerBundle))
        .Add("boxesInOrder", JsonCount(in.BoxesInOrder))
        .Add("fluteProfile", JsonString(in.FluteProfile))
        .Add("boardThicknessMm",
             JsonNumber(FluteThickness(in.FluteProfile, LocaleDecimalSeparator())))
        .Text();
}

std::string HexColour(Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(colour), GreenOf(colour),
                  BlueOf(colour));
    return JsonString(text);
}

std::string Inputs(const Calculation& result) {
    const LoadRequest& q = result.Request;
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
        .Add("bundlesInOrder",
             result.BundlesInOrder ? JsonInteger(*result.BundlesInOrder) : JsonNull)
        .Add("box", Box(result.Inputs))
        .Add("colour", HexColour(result.Inputs.DrawingColour))
        .Add("textOnPicture", JsonBool(result.Inputs.AddText))
        .Text();
}

std::string Order(const Calculation& result) {
    if (!result.BundlesInOrder)
        return JsonNull;
    const std::int64_t bundles = *result.BundlesInOrder;
    const std::int64_t total = result.Plan.Total;
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

// One bundle as [x, y, along x, along y], millimetres from the layer's own corner.
std::string JsonPlacement(std::int64_t x, std::int64_t y, std::int64_t alongX,
                          std::int64_t alongY) {
    return JsonArray(std::initializer_list<std::int64_t>{x, y, alongX, alongY}, JsonInteger);
}

// The layer the figures count, in the best layer's form and in placing order.
std::string TwoBlockLayerJson(const Calculation& result) {
    const LayerPlan layer = TwoBlockLayerPlanOf(result);
    const PlanRect& corner = layer.Footprint;
    return JsonObject()
        .Add("lengthwiseRows", JsonNumber(result.Plan.Split))
        .Add("count", JsonInteger(layer.Count))
        .Add("placementsListed", JsonBool(layer.Count <= MaxPlanBundles))
        .Add("placements", JsonArray(layer.Bundles,
                                     [&](const PlanBundle& b) {
                                         return JsonPlacement(b.Rect.X - corner.X,
                                                              b.Rect.Y - corner.Y, b.Rect.Length,
                                                              b.Rect.Width);
                                     }))
        .Text();
}

std::string BestLayerJson(const LayerAdvice& advice) {
    const BestLayer& best = advice.Best;
    const std::string placements = JsonArray(best.Placements, [](const Placement& p) {
        return JsonPlacement(p.X, p.Y, p.LengthAlongX, p.WidthAlongY);
    });
    return JsonObject()
        .Add("count", JsonInteger(best.Count))
        .Add("upperBound", JsonInteger(best.UpperBound))
        .Add("optimal", JsonBool(best.Optimal))
        .Add("timedOut", JsonBool(best.TimedOut))
        .Add("clockStopped", JsonBool(best.ClockStopped))
        .Add("searchSkipped", JsonBool(best.SearchSkipped))
        .Add("total", JsonInteger(advice.BestPlan.Total))
        .Add("placementsListed", JsonBool(best.Count <= MaxListedPlacements))
        .Add("placements", placements)
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

std::string JsonOptional(const std::optional<double>& value) {
    return value ? JsonNumber(*value) : JsonNull;
}

std::string PalletWeightJson(const PalletWeight& pallet) {
    return JsonObject()
        .Add("bundles", JsonInteger(pallet.Bundles))
        .Add("netKg", JsonNumber(pallet.NetKg))
        .Add("grossKg", JsonNumber(pallet.GrossKg))
        .Text();
}

// The weights as named figures, kilograms in every name that holds some; null where the
// bundle's weight is not known, and "weights" itself null when none was given.
std::string WeightsJson(const WeightResult& w) {
    if (!w.Given)
        return JsonNull;
    const std::optional<LoadWeights>& loaded = w.Loaded;
    std::string order = JsonNull;
    if (loaded && loaded->Order)
        order = JsonObject()
                    .Add("bundles", JsonInteger(loaded->Order->Bundles))
                    .Add("pallets", JsonInteger(loaded->Order->Pallets))
                    .Add("netKg", JsonNumber(loaded->Order->NetKg))
                    .Add("grossKg", JsonNumber(loaded->Order->GrossKg))
                    .Text();
    return JsonObject()
        .Add("bundleKg", JsonOptional(w.BundleKg))
        .Add("tareKg", JsonNumber(w.TareKg))
        .Add("maxGrossKg", JsonOptional(w.MaxGrossKg))
        .Add("layersCutByWeight", JsonBool(w.LayersCut))
        .Add("layersBeforeCut", JsonInteger(w.LayersBeforeCut))
        .Add("fullPallet", loaded ? PalletWeightJson(loaded->Full) : JsonNull)
        .Add("lastPallet", loaded && loaded->Last ? PalletWeightJson(*loaded->Last) : JsonNull)
        .Add("order", order)
        .Text();
}

} // namespace

void PrintJson(const Calculation& result, bool advice, std::ostream& out) {
    const LoadPlan& plan = result.Plan;
    const LayerAdvice* shownAdvice = advice && result.Advice ? &*result.Advice : nullptr;
    const std::string json =
        JsonObject()
            .Add("inputs", Inputs(result))
            .Add("palletTurned", JsonBool(plan.Turned))
            .Add("pallet", Sides(plan.PalletLength, plan.PalletWidth))
            .Add("overhang", AlongSides(plan.LengthOverhang, plan.WidthOverhang))
            .Add("footprint", Sides(plan.RowSide, plan.SplitSide))
            .Add("bundlesPerLayer", JsonInteger(plan.LayerCount))
            .Add("layers", JsonInteger(plan.Layers))
            .Add("bundlesPerPallet", JsonInteger(plan.Total))
            .Add("twoBlockLayer", TwoBlockLayerJson(result))
            .Add("stackHeightMm", JsonNumber(plan.StackHeight))
            .Add("loadHeightMm",
                 JsonNumber(LoadedPalletHeight(result.Request.BundleHeight, plan.Layers)))
            .Add("order", Order(result))
            .Add("textLines", JsonStrings(result.TextBlock))
            .Add("bestLayer", shownAdvice ? BestLayerJson(*shownAdvice) : JsonNull)
            .Add("overhangAdvice", shownAdvice ? OverhangAdviceJson(*shownAdvice) : JsonNull)
            .Add("adviceLines", shownAdvice ? JsonStrings(result.AdviceLines) : JsonNull)
            .Add("weights", WeightsJson(result.Weights))
            .Add("weightLines", JsonStrings(result.WeightLines))
            .Text();
    out << json << "\n";
}
