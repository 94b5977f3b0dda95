#include "cli/report.h"

#include "canvas/imagecanvas.h"
#include "canvas/svgcanvas.h"
#include "cli/jsonoutput.h"
#include "cli/options.h"
#include "settings/colourtext.h"
#include "settings/settingsfile.h"
#include "shell/calculation.h"
#include "shell/errorreport.h"
#include "shell/fieldnumbers.h"
#include "shell/resultpicture.h"
#include "shell/sizetext.h"
#include "shell/texts.h"

#include "report/planpicture.h"
#include "report/reportcontent.h"
#include "report/reportpage.h"
#include "shell/layerplans.h"

#include <QImage>
#include <QString>

#include <filesystem>
#include <optional>

namespace {

// The three sizes of a size argument as the fields would hold them.
void FillSizes(const std::vector<std::string>& arguments, char separator, std::string& length,
               std::string& width, std::string& height) {
    const std::array<double, 3> sizes = SizesFromArguments(arguments);
    length = FormatGeneral(sizes[0], separator);
    width = FormatGeneral(sizes[1], separator);
    height = FormatGeneral(sizes[2], separator);
}

// The options over the inputs they start from (the defaults, or the settings file's).
void ApplyOptions(const Options& options, CalculationInputs& inputs) {
    if (options.pallet)
        std::tie(inputs.PalletLength, inputs.PalletWidth) = SplitPair(*options.pallet);
    if (options.overhang)
        std::tie(inputs.LengthOverhang, inputs.WidthOverhang) = SplitPair(*options.overhang);
    if (options.maxHeight)
        inputs.MaxHeight = *options.maxHeight;
    if (options.heightWithoutPallet)
        inputs.HeightIncludesPallet = false;
    if (options.bundles)
        inputs.BundlesInOrder = *options.bundles;
    if (options.colour)
        inputs.DrawingColour = ColourFromText(*options.colour);
    if (options.profile)
        inputs.FluteProfile = *options.profile;
    if (options.perBundle)
        inputs.BoxesPerBundle = *options.perBundle;
    if (options.boxes)
        inputs.BoxesInOrder = *options.boxes;
    if (options.noText)
        inputs.AddText = false;
}

// Writes a file through a temporary one, or stops the report naming it.
void WriteOrFail(const std::string& path, const std::string& content) {
    if (!WriteFileReplacing(path, content))
        throw UsageError(Texts::Report::CannotWrite + path);
}

// Writes a picture drawn by `draw` into each file asked for.
template <typename Draw>
void WritePicture(const std::optional<std::string>& png, const std::optional<std::string>& svg,
                  std::pair<int, int> size, Draw draw) {
    const auto [width, height] = size;
    if (png) {
        ImageCanvas canvas(width, height);
        draw(canvas, width, height);
        WriteOrFail(*png, PngFileContent(canvas.Image()));
    }
    if (svg) {
        SvgCanvas canvas(width, height);
        draw(canvas, width, height);
        WriteOrFail(*svg, canvas.Document());
    }
}

// The plans of the layer and the report page, each file asked for.
void WriteSheets(const Options& options, const Calculation& result) {
    const Alternation alternation = options.alternate ? Alternation::On : Alternation::Off;
    // A plan picture's pixels: the size asked for, or room for a plan at about a pixel a
    // millimetre.
    const auto [width, height] =
        options.size ? PictureSize(options) : std::pair<int, int>{1200, 1200};
    const auto writePlan = [&](const std::optional<std::string>& svg,
                               const std::optional<std::string>& png, const PlanPicture& plan) {
        if (svg)
            WriteOrFail(*svg, PlanSvgDocument(plan));
        if (png)
            WriteOrFail(*png, PngFileContent(PlanImage(plan, width, height)));
    };
    if (options.planSvg || options.planPng || options.bestPlanSvg || options.bestPlanPng) {
        const PlanPicture twoBlocks = TwoBlockPlanPicture(result, alternation);
        writePlan(options.planSvg, options.planPng, twoBlocks);
        // Where nothing beats the two blocks, they are the best layer.
        const std::optional<PlanPicture> best = BestPlanPicture(result, alternation);
        writePlan(options.bestPlanSvg, options.bestPlanPng, best ? *best : twoBlocks);
    }
    if (options.pdf &&
        !WriteReportPdf(*options.pdf, ReportPageFor(result, alternation, ReportTime())))
        throw UsageError(Texts::Report::CannotWrite + *options.pdf);
}

void WritePictures(const Options& options, const Calculation& result, std::pair<int, int> size) {
    const Colour colour = result.Inputs.DrawingColour;
    const LoadRequest& request = result.Request;
    WritePicture(options.png, options.svg, size, [&](Canvas& canvas, int width, int height) {
        SceneState scene;
        DrawResultPicture(canvas, scene, colour, result.Plan, request.BundleLength,
                          request.BundleWidth, request.BundleHeight, width, height,
                          result.PictureText);
    });
    if (!result.Advice)
        return;
    WritePicture(options.bestPng, options.bestSvg, size,
                 [&](Canvas& canvas, int width, int height) {
                     SceneState scene;
                     DrawBestLayerPicture(canvas, scene, colour, *result.Advice, width, height,
                                          result.BestPictureText);
                 });
}

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const Options options = ParseArguments(arguments);
    if (options.help) {
        out << Texts::Report::Usage;
        return 0;
    }
    const char separator = LocaleDecimalSeparator();
    const std::pair<int, int> pictureSize = PictureSize(options);

    CalculationInputs inputs;
    if (options.settings) {
        if (!std::filesystem::is_regular_file(*options.settings))
            throw UsageError(Texts::Report::NoSettingsFile + *options.settings);
        LoadSettingsFile(*options.settings, inputs);
    }
    ApplyOptions(options, inputs);
    if (options.box) {
        FillSizes({*options.box}, separator, inputs.BoxLength, inputs.BoxWidth, inputs.BoxHeight);
        DeriveBundleFromBox(inputs, separator);
        if (!inputs.BundleLength.empty() && inputs.BundleHeight.empty()) {
            err << "stowly-cli: " << Texts::Report::NoBundleHeight << "\n";
            return 1;
        }
    } else if (!options.bundle.empty()) {
        FillSizes(options.bundle, separator, inputs.BundleLength, inputs.BundleWidth,
                  inputs.BundleHeight);
    }
    if (!BundleSizeReady(inputs)) {
        err << "stowly-cli: " << Texts::Report::NoBundleSize << "\n";
        return 1;
    }

    const bool adviceWanted = options.advice || options.bestPng || options.bestSvg || options.pdf ||
                              options.bestPlanSvg || options.bestPlanPng;
    const Calculation result =
        Calculate(inputs, separator, adviceWanted ? AdviceWanted::Yes : AdviceWanted::No);
    if (result.Failure)
        std::rethrow_exception(result.Failure);

    // The figures first: a load too large to draw still gets them, then the refusal.
    if (options.json) {
        PrintJson(result, options.advice, out);
    } else {
        for (const std::string& line : result.TextBlock)
            out << line << "\n";
        if (options.advice)
            for (const std::string& line : result.AdviceLines)
                out << line << "\n";
    }
    out.flush();
    // The sheets before the load pictures: a load too large to draw still gets its plan and
    // its report page.
    WriteSheets(options, result);
    if (options.png || options.svg || options.bestPng || options.bestSvg)
        WritePictures(options, result, pictureSize);
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
