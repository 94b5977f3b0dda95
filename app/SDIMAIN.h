#pragma once

#include "loaddraw/drawlayerplan.h"
#include "render/PodNew.h"
#include "shell/layerplans.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class ColourComboBox;
class Desktop;
class ImageCanvas;
class PictureBox;
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
    void Button3Click();   // the advisor's best layer in the picture, or back to two blocks
    void N19Click();       // save the report as PDF
    void N20Click();       // print the report
    void N21Click();       // save the picture shown as PNG or SVG
    void N22Click();       // the layer plan in the picture area, or back to the 3D picture
    void N23Click();       // the plan with the mirrored layer for alternating layers, or without
    void FormShow();       // the start sequence
    void LoadSettings();
    void SaveSettings();
    void MaskEdit3Change();    // the enabling rule
    void FormKeyDown(int key); // F1 opens the user guide
    // The key filter of every edit field: whether a typed character may reach the field.
    static bool MaskEdit2KeyPress(QChar key);

    // Runs a command and shows its failure, if any, in the error report.
    void RunCommand(const std::function<void()>& command);

    // Inputs: bundle group
    QLineEdit* MaskEdit1;
    QLineEdit* MaskEdit2;
    QLineEdit* MaskEdit3;
    QLineEdit* MaskEdit13;
    // pallet group
    QLineEdit* MaskEdit4;
    QLineEdit* MaskEdit5;
    QLineEdit* MaskEdit6;
    QCheckBox* cxCheckBox1;
    QLineEdit* MaskEdit7;
    QLineEdit* MaskEdit8;
    ColourComboBox* cxColorComboBox1;
    // box group
    QLineEdit* MaskEdit9;
    QLineEdit* MaskEdit10;
    QLineEdit* MaskEdit11;
    QLineEdit* MaskEdit14;
    QLineEdit* MaskEdit12;
    QComboBox* ComboBox1;
    QPushButton* Button2;
    QPushButton* Button1;
    // results
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label12;
    QLabel* Label19;
    QLabel* Image1;
    PictureBox* Image2;
    // the layer advisor
    QLabel* Label21;
    QPushButton* Button3;
    // menus
    QMenu* N5;
    QAction* N4;
    QAction* N15;
    QAction* N10;
    QAction* N16;
    QAction* N17;
    QAction* N6;
    QMenu* N7;
    QAction* N11;
    QAction* N12;
    QAction* N8;
    QAction* N9;
    QAction* N18; // the best layer in the picture, under N7
    QAction* N19; // "Сохранить отчёт (PDF)…", under N7
    QAction* N20; // "Печать…", under N7
    QAction* N21; // "Сохранить рисунок…", under N7
    QAction* N22; // "План слоя": the picture area shows the layer plan, under N7
    QAction* N23; // "Слои чередуются": the plan shows the mirrored layer too, under N7
    QMenu* PopupMenu1;
    QAction* N3;
    QAction* N14;
    QAction* N1;
    QAction* N13;
    QAction* N2;

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
    void StartPicture(Colour colour);
    void ShowAdvice(const Calculation& result);
    void ShowBestLayer(bool shown);
    const ImageCanvas* ShownPicture() const;
    // The floor sheet's commands are there once a calculation has run.
    void EnableSheetCommands();
    void ShowPlanView(bool shown);
    // The plan the picture area shows: the best layer's while "Лучшая схема" is on and the best
    // layer beats two blocks, otherwise the two-block layer's.
    PlanPicture ShownPlan() const;
    // The picture shown, as an SVG document.
    std::string ShownSvg() const;
    Alternation CurrentAlternation() const;
    char DecimalSeparator() const { return decimalSeparator; }
    std::string SettingsPath() const;
    // Every input as the fields hold it.
    CalculationInputs CurrentInputs() const;
    // The inputs the settings file keeps, into their fields.
    void ApplyInputs(const CalculationInputs& inputs);

    Desktop& desktop;
    QStringList arguments;
    char decimalSeparator;
    bool shown = false;
    SceneState scene;
    std::unique_ptr<ImageCanvas> picture;
    Colour pictureColour{}; // the picture's colour, for the best layer drawn later
    // The advice of the last calculation, and its best layer's picture while it is shown.
    std::unique_ptr<LayerAdvice> advice;
    std::vector<std::string> bestTextLines;
    std::unique_ptr<ImageCanvas> bestPicture;
    // The last calculation that ran to its end, which every output of the floor sheet reads,
    // and the layer plan's picture while it is shown.
    std::unique_ptr<Calculation> lastCalculation;
    std::unique_ptr<ImageCanvas> planPicture;
};
