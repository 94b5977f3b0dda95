#pragma once

#include <cstdint>
#include <string>

// Every text the user reads, in one place for the window, the picture and the report.
namespace Texts {

inline constexpr const char* ApplicationTitle = "Укладон";
inline constexpr const char* WindowCaption = "Укладон "; // the window's caption ends in a space

// Field labels
inline constexpr const char* BundleLength = "Длина пачки, мм";
inline constexpr const char* BundleWidth = "Ширина пачки, мм";
inline constexpr const char* BundleHeight = "Высота пачки, мм";
inline constexpr const char* BundlesInOrder = "Количество пачек";
inline constexpr const char* PalletLength = "Длина поддона, мм";
inline constexpr const char* PalletWidth = "Ширина поддона, мм";
inline constexpr const char* MaxStackHeight = "Макс. высота укладки, мм";
inline constexpr const char* HeightIncludesPallet = "Включая высоту поддона";
inline constexpr const char* LengthOverhang = "Макс. свес по длине, мм";
inline constexpr const char* WidthOverhang = "Макс. свес по ширине, мм";
inline constexpr const char* Colour = "Цвет";
inline constexpr const char* BoxLength = "Длина ящика, мм";
inline constexpr const char* BoxWidth = "Ширина ящика, мм";
inline constexpr const char* BoxHeight = "Высота ящика, мм";
inline constexpr const char* BoxesInOrder = "Количество ящиков, шт.";
inline constexpr const char* BoxesPerBundle = "Количество в пачке, шт.";
inline constexpr const char* FluteProfile = "Высота гофра, мм";
inline constexpr const char* BundleButton = "Расчет пачки";
inline constexpr const char* CalculateButton = "Расчет";
inline constexpr const char* CustomColour = "Другой цвет…";

// The flute profiles offered, thickness last; the first is the one a calculation starts with.
inline constexpr const char* FluteProfiles[] = {"B - 3.1", "C - 3.7", "E - 1.7", "B+C - 7",
                                                "B+E - 5"};

// Menus
inline constexpr const char* MenuInput = "Ввод данных";
inline constexpr const char* PasteBundleCalculate = "Вставить пачку, вычислить, сохранить";
inline constexpr const char* PasteBoxCalculate = "Вставить ящик, вычислить, сохранить";
inline constexpr const char* PasteBundleSizes = "Вставить размеры пачки из буфера";
inline constexpr const char* PasteBoxSizes = "Вставить размеры ящика из буфера";
inline constexpr const char* MenuCalculate = "Расчет";
inline constexpr const char* MenuOutput = "Вывод результатов";
inline constexpr const char* CopyPicture = "Сохранить изображение в буфер";
inline constexpr const char* AddTextToPicture = "Добавить текст в схему укладки";
inline constexpr const char* MenuHelp = "Помощь";
inline constexpr const char* MenuExit = "Выход";

// Messages
inline constexpr const char* NoBundleSizesOnClipboard =
    "Для вставки размеров пачки в буфере должен быть текст формата: длина х ширина х высота";
inline constexpr const char* NoBoxSizesOnClipboard =
    "Для вставки размеров ящика в буфере должен быть текст формата: длина х ширина х высота";
inline constexpr const char* PlanTooLarge =
    "Размеры слишком велики для расчета: проверьте размеры поддона, пачки и свесы";

// Conversion errors, as the error report shows them (it adds the full stop).
std::string NotValidInteger(const std::string& text);
std::string NotValidFloat(const std::string& text);

// The error report: the message followed by a full stop.
std::string ErrorReport(const std::string& message);

} // namespace Texts

// The headless report's own messages.
namespace Texts::Report {

inline constexpr const char* Usage = R"(Usage: stowly-cli [OPTIONS] BUNDLE...
Counts the bundles a pallet holds in the two-block arrangement, as the window's "Расчет" does.

  BUNDLE                     the bundle size: one argument such as 600x400x300 (any run of
                             non-digits separates the three numbers) or three arguments 600 400 300
  --pallet LxW               pallet length and width, mm            (default 1200x800)
  --max-height MM            maximum stacking height, mm            (default 2000)
  --height-without-pallet    the maximum height does not include the pallet (default: it does)
  --overhang LxW             maximum overhang along the length and along the width, mm (default 0x0)
  --bundles N                bundles in the order
  --box LxWxH                derive the bundle from a box size, as "Расчет пачки" does
                             (BUNDLE is then not given)
  --profile TEXT             flute profile                          (default "B - 3.1")
  --per-bundle N             boxes per bundle
  --boxes N                  boxes in the order (with --per-bundle, gives the bundles in the order)
  --settings FILE            take the pallet, overhang, colour, profile, count and text-option
                             inputs from a settings file of the window's format; options given on
                             the command line win
  --color COLOUR             colour of pallet and bundles: a name such as clSilver or clRed, "$"
                             and eight hex digits (00BBGGRR), or a decimal number (default clSilver)
  --png FILE                 write the picture as PNG
  --svg FILE                 write the picture as SVG
  --size WxH                 picture size in pixels (default 417x564, the window's picture); the
                             scene is fitted to W x (H - 80)
  --no-text                  leave the text block off the picture
  --json                     print the results as one JSON object instead of text
  --advice                   add the layer advisor's lines after the result lines (with --json:
                             "bestLayer" with every placement [x, y, along x, along y], and
                             "overhangAdvice"; the JSON always has "twoBlockLayer" with its
                             placements in the same form)
  --best-png FILE            write the picture of the load with the advisor's best layer as PNG
  --best-svg FILE            the same as SVG
  --pdf FILE                 write the one-page A4 report: inputs, results, picture, layer plans
  --plan-svg FILE            write the plan of one layer (top view, millimetres) as SVG
  --plan-png FILE            the same as PNG (1200 x 1200 pixels at most, or --size)
  --best-plan-svg FILE       the plan of the advisor's best layer as SVG
  --best-plan-png FILE       the same as PNG
  --alternate                the plans show the mirrored layer for alternating layers beside it
  --help                     show this help

Exit status: 0 done, 1 no bundle size to calculate, 2 an input or usage error.
)";

inline constexpr const char* NoBundleSize = "no bundle size: give a length, width and height "
                                            "other than 0 (see --help)";
inline constexpr const char* NoBundleHeight =
    "the bundle height is not set: give --per-bundle with --box";
inline constexpr const char* BundleAndBox = "give either a bundle size or --box, not both";
inline constexpr const char* MissingValue = "option needs a value: ";
inline constexpr const char* UnknownOption = "unknown option: ";
inline constexpr const char* TooManySizes = "too many bundle size arguments";
inline constexpr const char* BadPictureSize = "picture size must be W x H, at least 1 x 1 and "
                                              "at most 20000 x 20000: ";
inline constexpr const char* NoSettingsFile = "settings file not found: ";
inline constexpr const char* CannotWrite = "cannot write ";

} // namespace Texts::Report

// The layer advisor's block, menu item and button.
namespace Texts::Advice {

inline constexpr const char* ShowBestLayer = "Показать лучшую схему слоя";
inline constexpr const char* ShowBestButton = "Лучшая схема";

} // namespace Texts::Advice

// The floor sheet: the layer plan, the PDF report, printing and saving the picture.
namespace Texts::Sheet {

// Window
inline constexpr const char* SaveReport = "Сохранить отчёт (PDF)…";
inline constexpr const char* Print = "Печать…";
inline constexpr const char* SavePicture = "Сохранить рисунок…";
inline constexpr const char* ShowPlan = "План слоя";
inline constexpr const char* Alternate = "Слои чередуются";
inline constexpr const char* PdfFilter = "Отчёт PDF (*.pdf)";
inline constexpr const char* PictureFilter = "Рисунок PNG (*.png);;Рисунок SVG (*.svg)";
inline constexpr const char* ReportFileName = "укладка.pdf";
inline constexpr const char* PictureFileName = "укладка.png";
inline constexpr const char* CannotWriteFile = "Не удалось записать файл ";
inline constexpr const char* PrintFailed = "Печать не удалась";
inline constexpr const char* NoPlan = "Плана слоя нет: пачка не помещается на поддон";

// The layer plan
inline constexpr const char* TwoBlockTitle = "План слоя: схема двух блоков";
inline constexpr const char* BestTitle = "План слоя: лучшая схема";
inline constexpr const char* OddLayers = "Слои 1, 3, 5…";
inline constexpr const char* EvenLayers = "Слои 2, 4, 6… (зеркально)";
inline constexpr const char* MirrorSame =
    "Зеркальный слой совпадает с исходным: чередование слоев укладку не меняет.";
inline constexpr const char* Lengthwise = "вдоль поддона";
inline constexpr const char* Turned = "поперек (повернута)";
inline constexpr const char* OverhangPrefix = "свес ";
inline constexpr const char* TooManyBundles = "Слишком много пачек в слое, чтобы показать каждую";
std::string BundleLegend(const std::string& length, const std::string& width);
std::string PlanCaption(std::int64_t perLayer, std::int64_t layers, std::int64_t total);
std::string BestBeatsTwoBlocks(std::int64_t best, std::int64_t twoBlocks);

// The report page
inline constexpr const char* ReportTitle = "Укладон: расчет укладки";
inline constexpr const char* InputsHeading = "Исходные данные";
inline constexpr const char* ResultHeading = "Результат";
inline constexpr const char* AdviceHeading = "Совет по схеме слоя";
std::string BoxLine(const std::string& length, const std::string& width, const std::string& height,
                    const std::string& profile, const std::string& perBundle);
std::string BundleLine(const std::string& length, const std::string& width,
                       const std::string& height);
std::string PalletLine(const std::string& length, const std::string& width);
std::string MaxHeightLine(const std::string& height, bool includesPallet);
std::string MaxOverhangLine(const std::string& alongLength, const std::string& alongWidth);
std::string OrderLine(const std::string& bundles);

} // namespace Texts::Sheet
