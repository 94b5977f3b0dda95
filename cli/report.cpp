#include "cli/report.h"

#include "app/canvas/imagecanvas.h"
#include "app/canvas/svgcanvas.h"
#include "app/settings/colourtext.h"
#include "app/settings/settingsfile.h"
#include "app/shell/advice.h"
#include "app/shell/errorreport.h"
#include "app/shell/fieldnumbers.h"
#include "app/shell/loadfields.h"
#include "app/shell/resultpicture.h"
#include "app/shell/resulttexts.h"
#include "app/shell/sizeguard.h"
#include "app/shell/sizetext.h"
#include "app/shell/texts.h"
#include "cli/jsonoutput.h"
#include "cli/optioncheck.h"
#include "cli/options.h"
#include "planning/bundlecalc.h"
#include "planning/loadplan.h"

#include <QImage>
#include <QString>

#include <filesystem>
#include <fstream>
#include <optional>

namespace {

std::array<std::string, 3> FieldTexts(const std::array<double, 3>& sizes, char separator) {
    return {FormatGeneral(sizes[0], separator), FormatGeneral(sizes[1], separator),
            FormatGeneral(sizes[2], separator)};
}

// The box fields turned into bundle fields, as "Расчет пачки" does.
void DeriveBundleFromBox(const Options& o, char separator, LoadFields& fields,
                         StoredInputs& inputs) {
    const std::array<std::string, 3> box = FieldTexts(SizesFromArguments({*o.box}), separator);
    const std::int32_t length = ToWhole(box[0]), width = ToWhole(box[1]), height = ToWhole(box[2]);
    if (!SizeGiven(length, width, height))
        return;
    const double flute = FluteThickness(inputs.FluteProfile, separator);
    fields.BundleLength = std::to_string(BundleLengthFromBox(length, width, flute));
    fields.BundleWidth = std::to_string(BundleWidthFromBox(width, height, flute));
    if (inputs.BoxesPerBundle.empty())
        return;
    const std::int32_t perBundle = ToWhole(inputs.BoxesPerBundle);
    if (perBundle <= 0)
        return;
    fields.BundleHeight = std::to_string(BundleHeightFromBoxes(perBundle, flute));
    if (!inputs.BoxesInOrder.empty())
        inputs.BundlesInOrder =
            std::to_string(BundlesForBoxes(ToWhole(inputs.BoxesInOrder), perBundle));
}

// Writes a picture drawn by `draw` into each file asked for.
template <typename Draw>
void WritePicture(const std::optional<std::string>& png, const std::optional<std::string>& svg,
                  std::pair<int, int> size, Draw draw) {
    const auto [width, height] = size;
    if (png) {
        ImageCanvas canvas(width, height);
        draw(canvas, width, height);
        if (!canvas.Image().save(QString::fromStdString(*png), "PNG"))
            throw UsageError(Texts::Report::CannotWrite + *png);
    }
    if (svg) {
        SvgCanvas canvas(width, height);
        draw(canvas, width, height);
        std::ofstream file(*svg, std::ios::binary | std::ios::trunc);
        file << canvas.Document();
        file.close();
        if (!file)
            throw UsageError(Texts::Report::CannotWrite + *svg);
    }
}

void WritePictures(const Options& o, const Result& r, std::pair<int, int> size, Colour colour,
                   bool withText) {
    if (!o.png && !o.svg && !o.bestPng && !o.bestSvg)
        return;
    const std::vector<std::string> noLines;
    WritePicture(o.png, o.svg, size, [&](Canvas& canvas, int width, int height) {
        SceneState scene;
        DrawResultPicture(canvas, scene, colour, r.plan, r.request.BundleLength,
                          r.request.BundleWidth, r.request.BundleHeight, width, height,
                          withText ? r.lines : noLines);
    });
    if (!r.advice)
        return;
    const std::vector<std::string> bestLines =
        withText ? TextBlockLines(r.advice->BestPlan, r.fields) : noLines;
    WritePicture(o.bestPng, o.bestSvg, size, [&](Canvas& canvas, int width, int height) {
        SceneState scene;
        DrawBestLayerPicture(canvas, scene, colour, *r.advice, width, height, bestLines);
    });
}

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const Options o = ParseArguments(arguments);
    if (o.help) {
        out << Texts::Report::Usage;
        return 0;
    }
    const char separator = LocaleDecimalSeparator();
    CheckOptions(o, separator);
    const std::pair<int, int> pictureSize = PictureSize(o);

    StoredInputs inputs;
    if (o.settings) {
        if (!std::filesystem::is_regular_file(*o.settings))
            throw UsageError(Texts::Report::OptionError("--settings", *o.settings,
                                                        Texts::Report::NoSettingsFile));
        LoadSettingsFile(*o.settings, inputs);
    }
    if (o.pallet)
        std::tie(inputs.PalletLength, inputs.PalletWidth) = SplitPair(*o.pallet);
    if (o.overhang)
        std::tie(inputs.LengthOverhang, inputs.WidthOverhang) = SplitPair(*o.overhang);
    if (o.maxHeight)
        inputs.MaxHeight = *o.maxHeight;
    if (o.heightWithoutPallet)
        inputs.HeightIncludesPallet = false;
    if (o.bundles)
        inputs.BundlesInOrder = *o.bundles;
    if (o.colour)
        inputs.DrawingColour = ColourFromOption(*o.colour);
    if (o.profile)
        inputs.FluteProfile = *o.profile;
    if (o.perBundle)
        inputs.BoxesPerBundle = *o.perBundle;
    if (o.boxes)
        inputs.BoxesInOrder = *o.boxes;
    if (o.noText)
        inputs.AddText = false;

    LoadFields fields;
    fields.PalletLength = inputs.PalletLength;
    fields.PalletWidth = inputs.PalletWidth;
    fields.MaxHeight = inputs.MaxHeight;
    fields.HeightIncludesPallet = inputs.HeightIncludesPallet;
    fields.LengthOverhang = inputs.LengthOverhang;
    fields.WidthOverhang = inputs.WidthOverhang;
    if (o.box) {
        DeriveBundleFromBox(o, separator, fields, inputs);
        if (!fields.BundleLength.empty() && fields.BundleHeight.empty()) {
            err << "stowly-cli: " << Texts::Report::NoBundleHeight << "\n";
            return 1;
        }
    } else if (!o.bundle.empty()) {
        const std::array<std::string, 3> sizes =
            FieldTexts(SizesFromArguments(o.bundle), separator);
        fields.BundleLength = sizes[0];
        fields.BundleWidth = sizes[1];
        fields.BundleHeight = sizes[2];
    }
    if (!BundleSizeReady(fields)) {
        err << "stowly-cli: " << Texts::Report::NoBundleSize << "\n";
        return 1;
    }

    Result r;
    r.request = ReadLoadRequest(fields, separator);
    r.plan = PlanLoad(r.request);
    if (r.plan.Turned) {
        std::swap(fields.PalletLength, fields.PalletWidth);
        std::swap(fields.LengthOverhang, fields.WidthOverhang);
    }
    r.fields.PalletLength = fields.PalletLength;
    r.fields.PalletWidth = fields.PalletWidth;
    r.fields.BundleLength = fields.BundleLength;
    r.fields.BundleWidth = fields.BundleWidth;
    r.fields.BundleHeight = r.request.BundleHeight;
    r.fields.DecimalSeparator = separator;
    if (!inputs.BundlesInOrder.empty())
        r.fields.BundlesInOrder = ToWhole(inputs.BundlesInOrder);
    r.lines = TextBlockLines(r.plan, r.fields);
    if (o.advice || o.bestPng || o.bestSvg)
        r.advice = AdviseLayer(r.plan, r.request);

    // The figures first: a load too large to draw still gets them, then the refusal.
    if (o.json) {
        PrintJson(r, o.advice, out);
    } else {
        for (const std::string& line : r.lines)
            out << line << "\n";
        if (o.advice)
            for (const std::string& line : AdviceLines(*r.advice, r.fields.BundlesInOrder))
                out << line << "\n";
    }
    out.flush();
    WritePictures(o, r, pictureSize, inputs.DrawingColour, inputs.AddText);
    return 0;
}

} // namespace

int RunReport(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    try {
        return Run(arguments, out, err);
    } catch (const UsageError& error) {
        err << "stowly-cli: " << error.what() << "\n";
    } catch (const std::exception& failure) {
        err << "stowly-cli: " << ErrorReportFor(failure) << "\n";
    }
    return 2;
}
