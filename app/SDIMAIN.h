#pragma once

#include "loaddraw/drawlayerplan.h"
#include "planning/pallets.h"
#include "render/canvas.h"
#include "shell/layerplans.h"
#include "shell/weightfields.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class AdviceRunner;
class ColourComboBox;
class Desktop;
class ImageCanvas;
class PictureBox;
class ResultPicture;
struct Calculation;
struct CalculationInputs;
struct LayerAdvice;

// The main window: every input lives as text in its fields, every command reads the texts when it
// runs and writes its results back into fields, labels and the picture.
class TSDIAppForm : public QMainWindow {
    Q_OBJECT
  public:
    // `desktop` stands for message boxes, the clipboard, the shell and the executable's
    // directory; `arguments` are the program's command-line arguments without the program name.
    TSDIAppForm(Desktop& desktop, QStringList arguments, QWidget* parent = nullptr);
    ~TSDIAppForm() override;

    // Commands. They raise their failures; the menus, buttons and events run them through
    // RunCommand, which shows the error report. Combined commands call them directly, so a
    // failure ends the whole chain.
    void Button1Click();   // "Расчет": the load calculation and its picture
    void Button2Click();   // "Расчет пачки": the bundle from a box
    void N1Click();        // paste bundle sizes
    void N13Click();       // paste box sizes
    void N3Click();        // paste bundle sizes, calculate, copy the picture
    void N14Click();       // paste box sizes, derive the bundle, calculate, copy the picture
    void N2Click();        // copy the picture
    void Image2DblClick(); // copy the picture
    void N12Click();       // text on the picture on or off
    void N8Click();        // open the user guide
    void N9Click();        // close the window
    void ChoosePallet(const PalletPreset& pallet); // a pallet of the "Поддон" menu
    void N20Click();                               // "Масса…": the weight inputs
    void N21Click();     // "Свои поддоны…": the user's own pallets
    void Button3Click(); // the advisor's best layer in the picture, or back to two blocks
    void N22Click();     // "Сохранить отчёт (PDF)…"
    void N23Click();     // "Печать…": the report page through the print dialog
    void N24Click();     // "Сохранить рисунок…": the picture shown, as PNG or SVG
    void N25Click();     // "План слоя": the layer plan in the picture area, or back to 3D
    void N26Click(); // "Слои чередуются": the plan with the mirrored layer, or without
    void FormShow(); // the start sequence
    void LoadSettings();
    void SaveSettings();
    void MaskEdit3Change();    // the enabling rule
    void FormKeyDown(int key); // F1 opens the user guide
    // The key filter of every edit field: whether a typed character may reach the field.
    static bool MaskEdit2KeyPress(QChar key);

    // Runs a command and shows its failure, if any, in the error report.
    void RunCommand(const std::function<void()>& command);

    // The ordinary edit menu of a pallet field or of the profile's text, with its items in
    // Russian; the caller shows it and owns it.
    QMenu* FieldEditMenu(QLineEdit* field);
    // Whether the results and the picture shown belong to inputs changed since.
    bool ResultsStale() const { return resultsStale; }
    // Whether the layer advice of the last calculation is still being worked out: the advice
    // block says so and AdviceShown follows.
    bool AdvicePending() const;

    // The bundle group.
    QLineEdit* MaskEdit1;  // bundle length, mm
    QLineEdit* MaskEdit2;  // bundle width, mm
    QLineEdit* MaskEdit3;  // bundle height, mm
    QLineEdit* MaskEdit13; // bundles in the order
    // The pallet group.
    QLineEdit* MaskEdit4;             // pallet length, mm
    QLineEdit* MaskEdit5;             // pallet width, mm
    QLineEdit* MaskEdit6;             // maximum stacking height, mm
    QCheckBox* cxCheckBox1;           // the maximum height includes the pallet
    QLineEdit* MaskEdit7;             // maximum overhang along the length, mm
    QLineEdit* MaskEdit8;             // maximum overhang along the width, mm
    ColourComboBox* cxColorComboBox1; // colour of the pallet and the bundles in the picture
    // The box group.
    QLineEdit* MaskEdit9;  // box length, mm
    QLineEdit* MaskEdit10; // box width, mm
    QLineEdit* MaskEdit11; // box height, mm
    QLineEdit* MaskEdit14; // boxes in the order
    QLineEdit* MaskEdit12; // boxes per bundle
    QComboBox* ComboBox1;  // flute profile, the board thickness at its end
    QPushButton* Button2;  // "Расчет пачки"
    QPushButton* Button1;  // "Расчет"
    // The results.
    QLabel* Label10;    // total bundles in the load
    QLabel* Label11;    // layers and bundles per layer
    QLabel* Label12;    // overhangs the load really uses
    QLabel* Label19;    // pallets the order fills, shown only with an order
    QLabel* Image1;     // the background picture of the left part
    PictureBox* Image2; // the picture of the loaded pallet
    // The layer advisor.
    QLabel* Label21;      // the advice block
    QLabel* Label23;      // the weights of the load, beside the advice
    QPushButton* Button3; // "Лучшая схема": the best layer in the picture, or back
    // Over the picture while the results are out of date: "Данные изменены: нажмите «Расчет»".
    QLabel* Label22;
    // The main menu.
    QMenu* N5;    // "Ввод данных"
    QAction* N4;  // paste the bundle, calculate, copy the picture
    QAction* N15; // paste the box, derive the bundle, calculate, copy the picture
    QAction* N10; // paste bundle sizes
    QAction* N16; // paste box sizes
    QAction* N17; // "Расчет пачки"
    QMenu* N19;   // "Поддон": the standard pallets, the user's own ones, and N21
    QAction* N20; // "Масса…"
    QAction* N21; // "Свои поддоны…"
    QAction* N6;  // "Расчет"
    QMenu* N7;    // "Вывод результатов"
    QAction* N11; // copy the picture
    QAction* N12; // the text option: the text block on the picture
    QAction* N18; // the best layer in the picture, twin of Button3
    QAction* N22; // "Сохранить отчёт (PDF)…"
    QAction* N23; // "Печать…"
    QAction* N24; // "Сохранить рисунок…"
    QAction* N25; // "План слоя": the picture area shows the layer plan
    QAction* N26; // "Слои чередуются": the plan shows the mirrored layer too
    QAction* N8;  // "Помощь": the user guide
    QAction* N9;  // "Выход"
    // The context menu of the window and the fields but the pallet's.
    QMenu* PopupMenu1;
    QAction* N3;  // paste the bundle, calculate, copy the picture
    QAction* N14; // paste the box, derive the bundle, calculate, copy the picture
    QAction* N1;  // paste bundle sizes
    QAction* N13; // paste box sizes
    QAction* N2;  // copy the picture

  signals:
    // The advice of the last calculation has arrived and stands in the advice block.
    void AdviceShown();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void CreateControls();
    void CreateMenus();
    void SetTabOrder();
    QLineEdit* AddField(int left, int top, int width, const char* label, const char* text = "");
    void PasteSizes(QLineEdit* first, QLineEdit* second, QLineEdit* third, const char* message);
    // A blank picture in `colour` for a new calculation, without the last one's advice.
    void StartPicture(Colour colour);
    void ShowAdvice(const Calculation& result);
    // Puts the advice worked out for the last calculation into it and shows it; waits for it
    // while it is still being worked out.
    void TakeAdvice();
    // The floor sheet's report and print read the advice: they wait for it, under a busy cursor.
    void AwaitAdvice();
    void ShowWeights(const Calculation& result);
    void FillPalletMenu();
    enum class LayerShown { TwoBlocks, Best };
    // The picture with the two-block layer, or the advisor's best one.
    void ShowLayer(LayerShown layer);
    // Any input changed: the results shown no longer answer the fields until "Расчет" runs.
    void MarkResultsStale();
    void MarkResultsCurrent();
    // The keys every field shares: Enter calculates, Ctrl+C copies the picture, Ctrl+V in a
    // bundle or box field pastes sizes into its group. True when the key was used.
    bool FieldCommandKey(QObject* field, const QKeyEvent& key);
    const ImageCanvas* ShownPicture() const;
    // The floor sheet's commands are there once a calculation has run.
    void EnableSheetCommands();
    void ShowPlanView(bool shown);
    // The plan the picture area shows: the best layer's while "Лучшая схема" is on and the best
    // layer beats two blocks, otherwise the two-block layer's.
    PlanPicture ShownPlan() const;
    // The picture shown, as an SVG document of the polygons that can be seen.
    std::string ShownSvg() const;
    Alternation CurrentAlternation() const;
    char DecimalSeparator() const { return decimalSeparator; }
    std::string SettingsPath() const;
    // Every input as the fields hold it.
    CalculationInputs CurrentInputs() const;
    // The inputs the settings file keeps, into their fields.
    void ApplyInputs(const CalculationInputs& inputs);

    Desktop& desktop;
    QStringList arguments;     // the program's arguments, for the start sequence
    char decimalSeparator;     // the user's, read once at the start
    bool shown = false;        // the start sequence ran at the first showing
    bool resultsStale = false; // the results shown belong to inputs changed since
    bool calculating = false;  // "Расчет" is turning the pallet fields: not an input change
    // The last calculation's picture and what draws on it (its scene, colour and text band).
    std::unique_ptr<ImageCanvas> picture;
    std::unique_ptr<ResultPicture> drawing;
    // The advice of the last calculation, and its best layer's picture while it is shown.
    std::unique_ptr<LayerAdvice> advice;
    std::vector<std::string> bestTextLines;
    std::unique_ptr<ImageCanvas> bestPicture;
    // The last calculation that ran to its end, which every output of the floor sheet reads
    // (its advice added when it arrives), and the layer plan's picture while it is shown.
    std::unique_ptr<Calculation> lastCalculation;
    std::unique_ptr<ImageCanvas> planPicture;
    // Works out the advice of the last calculation off the event thread.
    std::unique_ptr<AdviceRunner> adviceRunner;
    // Inputs that have no field in the window: the weight texts of the "Масса" dialog and the
    // user's own pallets.
    WeightFields weights;
    std::vector<PalletPreset> ownPallets;
};
