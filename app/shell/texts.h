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

// The flute profiles offered, thickness last.
inline constexpr const char* FluteProfiles[] = {"B - 3.1", "C - 3.7", "E - 1.7", "B+C - 7",
                                                "B+E - 5"};
inline constexpr const char* DefaultFluteProfile = "B - 3.1";

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
