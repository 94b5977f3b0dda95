#include "cli/report.h"

#include "canvas/imagecanvas.h"
#include "canvas/svgcanvas.h"
#include "cli/jsonoutput.h"
#include "cli/optioncheck.h"
#include "cli/options.h"
#include "cli/palletoptions.h"
#include "report/planpicture.h"
#include "report/reportcontent.h"
#include "report/reportpage.h"
#include "settings/colourtext.h"
#include "settings/replacefile.h"
#include "settings/settingsfile.h"
#include "shell/calculation.h"
#include "shell/errorreport.h"
#include "shell/fieldnumbers.h"
#include "shell/layerplans.h"
#include "shell/resultpicture.h"
#include "shell/sizetext.h"
#include "shell/texts.h"

#include <QImage>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sstream>

namespace {

// The three sizes of a size argument as the fields would hold them.
void FillSizes(const std::vector<std::string>& arguments, char separator, std::string& length,
               std::string& width, std::string& height) {
    const std::array<double, 3> sizes = SizesFromArguments(arguments, separator);
    length = FormatGeneral(sizes[0], separator);
    width = FormatGeneral(sizes[1], separator);
    height = FormatGeneral(sizes[2], separator);
}

// The options over the inputs they start from (the defaults, or the settings file's).
void ApplyOptions(const Options& options, CalculationInputs& inputs) {
    ApplyPalletAndWeightOptions(options, inputs);
    if (options.overhang)
        std::tie(inputs.LengthOverhang, inputs.WidthOverhang) = SplitPair(*options.overhang);
    if (options.maxHeight)
        inputs.MaxHeight = *options.maxHeight;
    if (options.heightWithoutPallet)
        inputs.HeightIncludesPallet = false;
    if (options.bundles)
        inputs.BundlesInOrder = *options.bundles;
    if (options.colour)
        inputs.DrawingColour = ColourFromOption(*options.colour);
    if (options.profile)
        inputs.FluteProfile = *options.profile;
    if (options.perBundle)
        inputs.BoxesPerBundle = *options.perBundle;
    if (options.boxes)
        inputs.BoxesInOrder = *options.boxes;
    if (options.noText)
        inputs.AddText = false;
}

// The whole output file or nothing under its name: a full disk, a failed close or a device that
// refuses the bytes (/dev/full) is an error naming the file.
void WriteOutput(const std::string& path, const std::string& content) {
    if (!WriteFileContent(path, content))
        throw UsageError(Texts::Report::CannotWrite + path + ": " + std::strerror(errno));
}

// A picture as a PNG file, under the same rule.
void WritePng(const std::string& path, const QImage& image) {
    const std::string bytes = PngFileContent(image);
    if (bytes.empty())
        throw UsageError(Texts::Report::CannotWrite + path);
    WriteOutput(path, bytes);
}

// Writes a picture drawn by `draw` into each file asked for.
template <typename Draw>
void WritePicture(const std::optional<std::string>& png, const std::optional<std::string>& svg,
                  std::pair<int, int> size, bool svgVisibleOnly, Draw draw) {
    const auto [width, height] = size;
    if (png) {
        ImageCanvas canvas(width, height);
        draw(canvas, width, height);
        WritePng(*png, canvas.Image());
    }
    if (svg) {
        SvgCanvas canvas(width, height, svgVisibleOnly);
        draw(canvas, width, height);
        WriteOutput(*svg, canvas.Document());
    }
}

// The plans of the layer and the report page, each file asked for.
void WriteSheets(const Options& options, const Calculation& result) {
    const Alternation alternation = options.alternate ? Alternation::On : Alternation::Off;
    // A plan picture's pixels: the size asked for, or room for a plan at about a pixel a
    // millimetre.
    const auto [width, height] =
        options.size ? PictureSize(options) : std::pair<int, int>{1200, 1200};
    // The sizes by copy: clang 14 cannot capture a structured binding.
    const auto writePlan = [&, width = width, height = height](
                               const std::optional<std::string>& svg,
                               const std::optional<std::string>& png, const PlanPicture& plan) {
        if (svg)
            WriteOutput(*svg, PlanSvgDocument(plan));
        if (png)
            WritePng(*png, PlanImage(plan, width, height));
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
    WritePicture(options.png, options.svg, size, options.svgVisibleOnly,
                 [&](Canvas& canvas, int width, int height) {
                     DrawResultPicture(canvas, colour, result.Plan, result.Request, width, height,
                                       result.PictureText);
                 });
    if (!result.Advice)
        return;
    WritePicture(options.bestPng, options.bestSvg, size, options.svgVisibleOnly,
                 [&](Canvas& canvas, int width, int height) {
                     DrawBestLayerPicture(canvas, colour, *result.Advice, width, height,
                                          result.BestPictureText);
                 });
}

int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const Options options = ParseArguments(arguments);
    if (options.help) {
        const CalculationInputs defaults;
        out << Texts::Report::Usage({defaults.PalletLength, defaults.PalletWidth,
                                     defaults.MaxHeight, defaults.FluteProfile,
                                     ColourToText(defaults.DrawingColour), ResultPictureWidth,
                                     ResultPictureHeight, SceneTopBand});
        return 0;
    }
    if (options.version) {
        out << Texts::VersionLine("stowly-cli");
        return 0;
    }
    const char separator = LocaleDecimalSeparator();
    CheckOptions(options, separator);
    const std::pair<int, int> pictureSize = PictureSize(options);

    CalculationInputs inputs;
    // A file that is there but cannot be read raises its own error, naming it.
    if (options.settings && !LoadSettingsFile(*options.settings, inputs))
        throw UsageError(Texts::Report::OptionError("--settings", *options.settings,
                                                    Texts::Report::NoSettingsFile));
    if (options.listPallets) {
        PrintPalletTable(inputs, out);
        return 0;
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

    // The figures first: a load too large to draw still gets them, then the refusal. They are
    // written in one piece and checked, so a full disk behind standard output is an error.
    std::ostringstream figures;
    if (options.json) {
        PrintJson(result, options.advice, figures);
    } else {
        for (const std::string& line : result.TextBlock)
            figures << line << "\n";
        for (const std::string& line : result.WeightLines)
            figures << line << "\n";
        if (options.advice)
            for (const std::string& line : result.AdviceLines)
                figures << line << "\n";
    }
    if (!out.write(figures.view().data(), static_cast<std::streamsize>(figures.view().size())) ||
        !out.flush())
        throw UsageError(Texts::Report::CannotWrite + std::string(Texts::Report::StandardOutput));
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
