#pragma once

#include <cstdint>
#include <optional>
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

// The edit menu of the pallet fields and of the profile's text. "&" marks the letter that
// chooses the item with the keyboard.
namespace EditMenu {
inline constexpr const char* Undo = "&Отменить";
inline constexpr const char* Redo = "&Повторить";
inline constexpr const char* Cut = "&Вырезать";
inline constexpr const char* Copy = "&Копировать";
inline constexpr const char* Paste = "Вст&авить";
inline constexpr const char* Delete = "&Удалить";
inline constexpr const char* SelectAll = "Выделить в&сё";
} // namespace EditMenu

// Over the picture while the inputs have changed since the results were calculated.
inline constexpr const char* ResultsOutdated = "Данные изменены: нажмите «Расчет»";

// Messages
inline constexpr const char* NoBundleSizesOnClipboard =
    "Для вставки размеров пачки в буфере должен быть текст формата: длина х ширина х высота";
inline constexpr const char* NoBoxSizesOnClipboard =
    "Для вставки размеров ящика в буфере должен быть текст формата: длина х ширина х высота";
inline constexpr const char* PlanTooLarge =
    "Размеры слишком велики для расчета: проверьте размеры поддона, пачки и свесы";
inline constexpr const char* CountOutOfRange =
    "Количество пачек или слоев слишком велико для расчета: проверьте размеры поддона, пачки и "
    "высоту укладки";

// A text the user typed or a file held, in single quotes, with every control character written
// as \xNN: a NUL byte would otherwise end the message early and a line break would forge a line.
std::string Quoted(const std::string& text);
// The picture refused for holding more than `mostBundles` bundles.
std::string PictureTooLarge(std::int64_t mostBundles);

// The window program's own command-line options; any other argument is a bundle size.
inline constexpr const char* WindowUsage = R"(Использование: stowly [ПАЧКА]
Укладон: расчет укладки пачек гофрокартона на поддон.

  ПАЧКА      размер пачки в мм: один аргумент, например 600x400x300 (числа разделяет
             любой текст, кроме цифр), или три аргумента 600 400 300; укладка
             рассчитывается сразу, а ее рисунок кладется в буфер обмена
  --help     показать эту справку и выйти
  --version  показать версию и выйти

Руководство пользователя: guide.docx рядом с программой (F1 в окне), man stowly.
Расчет без окна: stowly-cli --help.
)";

// The line --version prints: the program's name and the version of the build ("stowly 1.0").
std::string VersionLine(const std::string& program);

// Conversion errors, as the error report shows them (it adds the full stop).
std::string NotValidInteger(const std::string& text);
std::string NotValidFloat(const std::string& text);

// A settings file that is there but cannot be read or replaced, and why.
std::string SettingsNotRead(const std::string& path, const std::string& reason);
std::string SettingsNotSaved(const std::string& path, const std::string& reason);
inline constexpr const char* SettingsFileTooLarge = "файл больше 1 МБ";

// The error report: the message followed by a full stop.
std::string ErrorReport(const std::string& message);

} // namespace Texts

// The headless report's own messages.
namespace Texts::Report {

// The help of the report; the defaults in braces are filled in by Usage.
inline constexpr const char* UsageTemplate = R"(Usage: stowly-cli [OPTIONS] BUNDLE...
Counts the bundles a pallet holds in the two-block arrangement, as the window's "Расчет" does.

  BUNDLE                     the bundle size: one argument such as 600x400x300 (any run of
                             non-digits separates the three numbers) or three arguments 600 400 300;
                             mm unless a unit follows a number (60cmx40cmx30cm, "24 in", 0.6m:
                             mm, cm, dm, m, in or ", rounded to whole mm)
  --pallet LxW               pallet length and width, mm            (default {pallet})
  --max-height MM            maximum stacking height, mm            (default {max-height})
  --height-without-pallet    the maximum height does not include the pallet (default: it does)
  --overhang LxW             maximum overhang along the length and along the width, mm (default 0x0)
  --bundles N                bundles in the order
  --box LxWxH                derive the bundle from a box size, as "Расчет пачки" does
                             (BUNDLE is then not given)
  --profile TEXT             flute profile                          (default "{profile}")
  --per-bundle N             boxes per bundle
  --boxes N                  boxes in the order (with --per-bundle, gives the bundles in the order)
  --settings FILE            take the pallet, overhang, colour, profile, count and text-option
                             inputs from a settings file of the window's format; options given on
                             the command line win
  --color COLOUR             colour of pallet and bundles: a name such as silver, red or clRed,
                             #RRGGBB, "$" and eight hex digits (00BBGGRR), or a decimal number
                             (default {colour})
  --png FILE                 write the picture as PNG
  --svg FILE                 write the picture as SVG
  --size WxH                 picture size in pixels (default {size}, the window's picture); the
                             scene is fitted to W x (H - {band})
  --no-text                  leave the text block off the picture
  --json                     print the results as one JSON object instead of text, as described
                             by docs/report.schema.json
  --advice                   add the layer advisor's lines after the result lines (with --json:
                             "bestLayer" with its placements [x, y, along x, along y], listed
                             when there are at most 262144 ("placementsListed"), "timedOut" and
                             "searchSkipped" when the search stopped short or was left out, and
                             "overhangAdvice", "incomplete" when a search behind it stopped short;
                             the JSON always has "twoBlockLayer", its placements in the same form
                             from the footprint's corner, listed up to 100000)
  --best-png FILE            write the picture of the load with the advisor's best layer as PNG
  --best-svg FILE            the same as SVG
  --svg-visible-only         the SVG gets only the polygons that can be seen (the same picture,
                             fewer polygons) instead of every polygon of every bundle
  --pdf FILE                 write the one-page A4 report: inputs, results, picture, layer plans
  --plan-svg FILE            write the plan of one layer (top view, millimetres) as SVG
  --plan-png FILE            the same as PNG (1200 x 1200 pixels at most, or --size)
  --best-plan-svg FILE       the plan of the advisor's best layer as SVG
  --best-plan-png FILE       the same as PNG
  --alternate                the plans show the mirrored layer for alternating layers beside it
  --pallet NAME              a standard or own pallet by name instead of LxW, without spaces and in
                             any case (EUR, EUR2, ind1200); its tare counts unless
                             --pallet-weight is given
  --list-pallets             list the pallets --pallet knows (with --settings, the own ones too)
  --box-weight G             weight of one box, g (with --per-bundle, gives the bundle's)
  --bundle-weight KG         weight of one bundle, kg
  --pallet-weight KG         tare of the empty pallet, kg              (default 25)
  --max-gross KG             maximum weight of a loaded pallet, kg: fewer layers when a full
                             stack would weigh more
  -h, --help                 show this help
  --version                  show the version

Exit status: 0 done, 1 no bundle size to calculate, 2 an input or usage error.
)";

// The defaults the help names, as the calculation and the picture have them.
struct UsageDefaults {
    std::string PalletLength, PalletWidth, MaxHeight, FluteProfile, Colour;
    int PictureWidth = 0, PictureHeight = 0, TextBand = 0;
};

// The help of the report with its defaults.
std::string Usage(const UsageDefaults& defaults);

inline constexpr const char* NoBundleSize = "no bundle size: give a length, width and height "
                                            "other than 0 (see --help)";

// An option's mistake: the option and its value (an empty one as ''), then what is wrong with
// it. Every option error reads "stowly-cli: --option value: problem".
std::string OptionError(const std::string& option, const std::string& value,
                        const std::string& problem);
// A mistake of the option itself: "--option: problem".
std::string OptionError(const std::string& option, const std::string& problem);
inline constexpr const char* Negative = "must not be negative";
inline constexpr const char* NotAtLeastOne = "must be at least 1";
inline constexpr const char* BothSizes = "give both sizes, length x width, such as 1200x800";
inline constexpr const char* BoxesAndBundles = "give either --boxes or --bundles, not both";
inline constexpr const char* OnlyWithBox = "counts boxes, so it needs --box instead of a bundle "
                                           "size";
inline constexpr const char* UnknownColour =
    "unknown colour: give a name such as silver or clRed, #RRGGBB, $00BBGGRR or a number";
inline constexpr const char* NoThickness =
    "the profile has no thickness: end it with the board thickness in mm, such as \"C - 3.7\"";
inline constexpr const char* NegativeThickness =
    "the profile's thickness is negative: put a space after the sign, such as \"B - 3.1\"";
inline constexpr const char* NoBundleHeight =
    "the bundle height is not set: give --per-bundle with --box";
inline constexpr const char* BundleAndBox = "give either a bundle size or --box, not both";
inline constexpr const char* MissingValue = "needs a value";
inline constexpr const char* UnknownOption = "unknown option (see --help)";
inline constexpr const char* TooManySizes = "too many bundle size arguments";
inline constexpr const char* BadPictureSize = "the picture size must be W x H, at least 1 x 1 "
                                              "and at most 20000 x 20000";
inline constexpr const char* NoSettingsFile = "no such file";
inline constexpr const char* CannotWrite = "cannot write ";
inline constexpr const char* NotAWeight = "must be a weight, a number of at least 0";
inline constexpr const char* NotAWeightLimit = "must be a weight limit, a number above 0";
inline constexpr const char* BoxAndBundleWeight =
    "give either --box-weight or --bundle-weight, not both";
inline constexpr const char* UnknownPallet = "no such pallet (see --list-pallets)";
inline constexpr const char* StandardOutput = "standard output";

} // namespace Texts::Report

// The result lines beside the picture and in its text block. Sizes arrive as the fields or the
// number format give them.
namespace Texts::Result {

std::string Total(std::int64_t bundles);
std::string Layers(std::int64_t layers, std::int64_t perLayer);
inline constexpr const char* BundleOffPallet = "Пачка не помещается на поддон.";
std::string Overhangs(std::int64_t alongLength, std::int64_t alongWidth);
std::string Pallets(std::int64_t pallets);
inline constexpr const char* PalletsUndetermined = "Количество поддонов: не определено";
std::string PalletSize(const std::string& length, const std::string& width);
std::string LoadedHeight(const std::string& height);
std::string BundleSize(const std::string& length, const std::string& width);
std::string LastPallet(std::int64_t bundles);

} // namespace Texts::Result

// The layer advisor's block, menu item and button.
namespace Texts::Advice {

inline constexpr const char* ShowBestLayer = "Показать лучшую схему слоя";
inline constexpr const char* ShowBestButton = "Лучшая схема";

// The advice block while the advisor works, which takes up to a few tenths of a second.
inline constexpr const char* Searching = "Ищу лучшую схему слоя…";
inline constexpr const char* NotWholeMillimetres =
    "Совет по схеме слоя: размеры пачки должны быть целыми миллиметрами.";
inline constexpr const char* NoLayerFits = "Пачка не помещается на поддон ни в одной схеме слоя.";
std::string BetterLayer(std::int64_t count, std::int64_t twoBlockCount);
inline constexpr const char* BetterLayerOptimal =
    "Больше пачек в слое не уложить: схема оптимальна.";
std::string BetterLayerNotProven(std::int64_t upperBound);
// The load with the better layer; the pallets an order fills when there is an order.
std::string BetterLayerTotal(std::int64_t total, std::optional<std::int64_t> pallets);
std::string TwoBlocksOptimal(std::int64_t count);
std::string NoBetterLayer(std::int64_t count, std::int64_t upperBound);
// The search spent its work budget; the clock's variant: the safety net stopped it first, on a
// machine too slow or too busy for the budget.
inline constexpr const char* SearchStopped = "Поиск схемы остановлен: исчерпан лимит перебора.";
inline constexpr const char* SearchStoppedByClock = "Поиск схемы остановлен по времени.";
std::string MoreOverhangAlongLength(std::int64_t extraMm, std::int64_t count);
std::string MoreOverhangAlongWidth(std::int64_t extraMm, std::int64_t count);
inline constexpr const char* OverhangAdviceIncomplete =
    "Совет по свесам неполный: поиск остановлен.";
inline constexpr const char* OverhangAdviceStoppedByClock =
    "Совет по свесам неполный: поиск остановлен по времени.";

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
inline constexpr const char* InsetPrefix = "отступ ";
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

// Pallet presets and weights: the menu items, the two dialogs and the weight lines.
namespace Texts::Weights {

inline constexpr const char* MenuPallet = "Поддон";
inline constexpr const char* MenuOwnPallets = "Свои поддоны…";
inline constexpr const char* MenuWeights = "Масса…";

// The "Масса" dialog.
inline constexpr const char* WeightsTitle = "Масса";
inline constexpr const char* BoxGrams = "Масса ящика, г";
inline constexpr const char* BundleKg = "Масса пачки, кг";
inline constexpr const char* TareKg = "Масса поддона, кг";
inline constexpr const char* MaxGrossKg = "Макс. масса поддона с грузом, кг";
inline constexpr const char* WeightsHint =
    "Укажите массу ящика или массу пачки. Без максимальной массы число слоев не ограничено.";

// The "Свои поддоны" dialog.
inline constexpr const char* OwnPalletsTitle = "Свои поддоны";
inline constexpr const char* PalletName = "Название";
inline constexpr const char* PalletLength = "Длина, мм";
inline constexpr const char* PalletWidth = "Ширина, мм";
inline constexpr const char* AddPallet = "Добавить";
inline constexpr const char* RemovePallet = "Удалить";
inline constexpr const char* OwnPalletsHint =
    "Поддоны хранятся в stowly.ini рядом с программой, если этот файл есть.";
inline constexpr const char* EmptyPalletName = "Введите название поддона.";
inline constexpr const char* BadPalletSize = "Длина и ширина поддона должны быть числами больше 0.";
std::string PalletNameTaken(const std::string& name);

// A menu item: the name, then the size.
std::string PalletItem(const std::string& name, const std::string& length,
                       const std::string& width);

// A line of the own pallets' list: the menu item and the tare.
std::string OwnPalletItem(const std::string& item, const std::string& tareKg);

// Input errors, naming the field.
std::string NotAWeight(const std::string& field, const std::string& text);
std::string NotAWeightLimit(const std::string& field, const std::string& text);
std::string BundleTooHeavy(const std::string& grossKg, const std::string& maxGrossKg);

// The weight lines after the result lines.
inline constexpr const char* BundleWeightUnknown =
    "Масса пачки не определена: укажите количество в пачке";
std::string BundleLine(const std::string& kg);
std::string LayersCutLine(const std::string& maxGrossKg);
inline constexpr const char* FullPallet = "Полный поддон";
inline constexpr const char* LastPallet = "Последний поддон";
inline constexpr const char* WholeOrder = "Весь заказ";
inline constexpr const char* Net = "нетто";
inline constexpr const char* Gross = "брутто";
inline constexpr const char* Kg = "кг";
// "Полный поддон: нетто 360 кг, брутто 385 кг"
std::string RowLine(const std::string& label, const std::string& netKg, const std::string& grossKg);

} // namespace Texts::Weights
