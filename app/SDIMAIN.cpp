#include "app/SDIMAIN.h"

#include "app/background.h"
#include "app/colourcombo.h"
#include "app/desktop.h"
#include "app/picturebox.h"
#include "canvas/imagecanvas.h"
#include "canvas/svgcanvas.h"
#include "loaddraw/drawload.h"
#include "report/planpicture.h"
#include "report/reportcontent.h"
#include "report/reportpage.h"
#include "settings/settingsfile.h"
#include "shell/calculation.h"
#include "shell/errorreport.h"
#include "shell/fieldnumbers.h"
#include "shell/resultpicture.h"
#include "shell/sizeguard.h"
#include "shell/sizetext.h"
#include "shell/texts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <exception>

namespace {

QString Q(const char* text) {
    return QString::fromUtf8(text);
}
QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
std::string S(const QLineEdit* field) {
    return field->text().toStdString();
}

constexpr int ClientWidth = 983;
constexpr int ClientHeight = 564;
constexpr int LeftPartWidth = 569;
constexpr int LabelAboveField = 17;

} // namespace

TSDIAppForm::TSDIAppForm(Desktop& desktop, QStringList arguments, QWidget* parent)
    : QMainWindow(parent), desktop(desktop), arguments(std::move(arguments)),
      decimalSeparator(LocaleDecimalSeparator()) {
    setWindowTitle(Q(Texts::WindowCaption));
    // The fields stand where a narrow 13-pixel system font left room for their labels; at 12
    // pixels the wider desktop fonts keep every label clear of its neighbour.
    QFont systemFont = font();
    systemFont.setPixelSize(12);
    setFont(systemFont);
    CreateControls();
    CreateMenus();
    SetTabOrder();
    ApplyInputs(CalculationInputs{});
    centralWidget()->setMinimumSize(ClientWidth, ClientHeight);
    resize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TSDIAppForm::~TSDIAppForm() = default;

QLineEdit* TSDIAppForm::AddField(int left, int top, int width, const char* label,
                                 const char* text) {
    auto* caption = new QLabel(Q(label), centralWidget());
    caption->move(left, top - LabelAboveField);
    caption->adjustSize();
    auto* field = new QLineEdit(Q(text), centralWidget());
    field->setGeometry(left, top, width, 24);
    field->setAcceptDrops(false);
    field->installEventFilter(this);
    return field;
}

void TSDIAppForm::CreateControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    Image1 = new QLabel(client);
    Image1->setGeometry(0, 0, LeftPartWidth, ClientHeight);
    Image1->setPixmap(QPixmap::fromImage(BackgroundPicture(QSize(LeftPartWidth, ClientHeight))));

    auto frame = [client](int left, int top, int width, int height) {
        auto* bevel = new QFrame(client);
        bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bevel->setGeometry(left, top, width, height);
        return bevel;
    };
    frame(8, 90, 552, 59);   // Bevel2: the bundle
    frame(8, 160, 552, 97);  // Bevel3: the pallet
    frame(8, 259, 553, 126); // Bevel1: the box

    MaskEdit1 = AddField(18, 112, 79, Texts::BundleLength);
    MaskEdit2 = AddField(137, 112, 79, Texts::BundleWidth);
    MaskEdit3 = AddField(264, 112, 79, Texts::BundleHeight);
    MaskEdit13 = AddField(388, 112, 79, Texts::BundlesInOrder);

    MaskEdit4 = AddField(18, 177, 87, Texts::PalletLength);
    MaskEdit5 = AddField(158, 177, 87, Texts::PalletWidth);
    MaskEdit6 = AddField(306, 177, 87, Texts::MaxStackHeight);
    QString includesPallet = Q(Texts::HeightIncludesPallet);
    includesPallet[includesPallet.lastIndexOf(' ')] = '\n'; // the caption takes two lines
    cxCheckBox1 = new QCheckBox(includesPallet, client);
    cxCheckBox1->setGeometry(426, 169, 134, 40);
    MaskEdit7 = AddField(18, 229, 87, Texts::LengthOverhang);
    MaskEdit8 = AddField(204, 229, 87, Texts::WidthOverhang);
    auto* colourLabel = new QLabel(Q(Texts::Colour), client);
    colourLabel->move(426, 229 - LabelAboveField);
    cxColorComboBox1 = new ColourComboBox(
        [this](const QColor& initial) { return desktop.PickColour(this, initial); }, client);
    cxColorComboBox1->setGeometry(426, 229, 121, 24);

    MaskEdit9 = AddField(18, 291, 87, Texts::BoxLength);
    MaskEdit10 = AddField(137, 291, 87, Texts::BoxWidth);
    MaskEdit11 = AddField(268, 291, 87, Texts::BoxHeight);
    MaskEdit14 = AddField(396, 291, 87, Texts::BoxesInOrder);
    MaskEdit12 = AddField(18, 351, 87, Texts::BoxesPerBundle);
    auto* profileLabel = new QLabel(Q(Texts::FluteProfile), client);
    profileLabel->move(204, 351 - LabelAboveField);
    ComboBox1 = new QComboBox(client);
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    for (const char* profile : Texts::FluteProfiles)
        ComboBox1->addItem(Q(profile));
    ComboBox1->setGeometry(204, 351, 121, 24);

    Button2 = new QPushButton(Q(Texts::BundleButton), client);
    Button2->setGeometry(396, 341, 149, 34);
    Button1 = new QPushButton(Q(Texts::CalculateButton), client);
    Button1->setGeometry(18, 501, 174, 46);

    auto resultLabel = [client](int top) {
        auto* label = new QLabel(client);
        label->move(16, top);
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, Qt::white);
        label->setPalette(palette);
        label->hide();
        return label;
    };
    Label10 = resultLabel(2);
    Label11 = resultLabel(24);
    Label12 = resultLabel(46);
    Label19 = resultLabel(68);

    // The advisor's block fills the free band between the box group and "Расчет".
    Label21 = new QLabel(client);
    Label21->setGeometry(18, 392, 370, 100);
    Label21->setWordWrap(true);
    Label21->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label21->hide();
    Button3 = new QPushButton(Q(Texts::Advice::ShowBestButton), client);
    Button3->setGeometry(210, 513, 149, 34);
    Button3->setCheckable(true);
    Button3->setEnabled(false);

    Image2 = new PictureBox(client);
    Image2->setGeometry(ClientWidth - ResultPictureWidth, 0, ResultPictureWidth, ClientHeight);

    for (QLineEdit* field : {MaskEdit1, MaskEdit2, MaskEdit3})
        connect(field, &QLineEdit::textChanged, this, [this] { MaskEdit3Change(); });
    connect(Button1, &QPushButton::clicked, this,
            [this] { RunCommand([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this,
            [this] { RunCommand([this] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this,
            [this] { RunCommand([this] { Button3Click(); }); });
    connect(Image2, &PictureBox::DoubleClicked, this,
            [this] { RunCommand([this] { Image2DblClick(); }); });
}

void TSDIAppForm::CreateMenus() {
    auto action = [this](QWidget* menu, const char* caption, void (TSDIAppForm::*handler)()) {
        auto* item = new QAction(Q(caption), menu);
        connect(item, &QAction::triggered, this,
                [this, handler] { RunCommand([this, handler] { (this->*handler)(); }); });
        menu->addAction(item);
        return item;
    };
    QMenuBar* bar = menuBar();
    N5 = bar->addMenu(Q(Texts::MenuInput));
    N4 = action(N5, Texts::PasteBundleCalculate, &TSDIAppForm::N3Click);
    N15 = action(N5, Texts::PasteBoxCalculate, &TSDIAppForm::N14Click);
    N10 = action(N5, Texts::PasteBundleSizes, &TSDIAppForm::N1Click);
    N16 = action(N5, Texts::PasteBoxSizes, &TSDIAppForm::N13Click);
    N17 = action(N5, Texts::BundleButton, &TSDIAppForm::Button2Click);
    N6 = action(bar, Texts::MenuCalculate, &TSDIAppForm::Button1Click);
    N7 = bar->addMenu(Q(Texts::MenuOutput));
    // The main menu's copy item does what its twin in the context menu does.
    N11 = action(N7, Texts::CopyPicture, &TSDIAppForm::N2Click);
    // A checkable item turns its own check mark when chosen, which is all N12Click does.
    N12 = new QAction(Q(Texts::AddTextToPicture), N7);
    N12->setCheckable(true);
    N7->addAction(N12);
    N18 = new QAction(Q(Texts::Advice::ShowBestLayer), N7);
    N18->setCheckable(true);
    N18->setEnabled(false);
    N7->addAction(N18);
    connect(N18, &QAction::triggered, this, [this] {
        // The item turned its mark already; the button follows it and does the work.
        Button3->setChecked(N18->isChecked());
        RunCommand([this] { Button3Click(); });
    });
    N19 = action(N7, Texts::Sheet::SaveReport, &TSDIAppForm::N19Click);
    N20 = action(N7, Texts::Sheet::Print, &TSDIAppForm::N20Click);
    N20->setShortcut(QKeySequence::Print);
    N21 = action(N7, Texts::Sheet::SavePicture, &TSDIAppForm::N21Click);
    // Checkable items turn their own mark, then redraw the picture area.
    N22 = action(N7, Texts::Sheet::ShowPlan, &TSDIAppForm::N22Click);
    N22->setCheckable(true);
    N23 = action(N7, Texts::Sheet::Alternate, &TSDIAppForm::N23Click);
    N23->setCheckable(true);
    EnableSheetCommands();
    N8 = action(bar, Texts::MenuHelp, &TSDIAppForm::N8Click);
    N9 = action(bar, Texts::MenuExit, &TSDIAppForm::N9Click);
    N9->setShortcut(QKeySequence::Quit);

    PopupMenu1 = new QMenu(this);
    N3 = action(PopupMenu1, Texts::PasteBundleCalculate, &TSDIAppForm::N3Click);
    N14 = action(PopupMenu1, Texts::PasteBoxCalculate, &TSDIAppForm::N14Click);
    N1 = action(PopupMenu1, Texts::PasteBundleSizes, &TSDIAppForm::N1Click);
    N13 = action(PopupMenu1, Texts::PasteBoxSizes, &TSDIAppForm::N13Click);
    N2 = action(PopupMenu1, Texts::CopyPicture, &TSDIAppForm::N2Click);

    // The window and every field but the three pallet fields share the context menu; those
    // three keep the ordinary menu of an edit field.
    auto usePopup = [this](QWidget* widget) {
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(widget, &QWidget::customContextMenuRequested, this,
                [this, widget](const QPoint& at) { PopupMenu1->popup(widget->mapToGlobal(at)); });
    };
    usePopup(centralWidget());
    for (QLineEdit* field : {MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit7, MaskEdit8, MaskEdit9,
                             MaskEdit10, MaskEdit11, MaskEdit12, MaskEdit13, MaskEdit14})
        usePopup(field);
}

void TSDIAppForm::SetTabOrder() {
    // The advisor's button follows "Расчет", whose result it shows.
    QWidget* order[] = {MaskEdit1, MaskEdit2,  MaskEdit3,  MaskEdit4,        MaskEdit5,
                        MaskEdit6, MaskEdit7,  MaskEdit8,  cxColorComboBox1, Button1,
                        Button3,   MaskEdit9,  MaskEdit10, MaskEdit11,       Button2,
                        ComboBox1, MaskEdit12, MaskEdit13, cxCheckBox1,      MaskEdit14};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TSDIAppForm::RunCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& failure) {
        desktop.ShowError(this, Q(ErrorReportFor(failure)));
    }
}

bool TSDIAppForm::MaskEdit2KeyPress(QChar key) {
    return (key >= QLatin1Char('0') && key <= QLatin1Char('9')) || key.unicode() == 8;
}

bool TSDIAppForm::eventFilter(QObject* watched, QEvent* event) {
    // Only typed characters are filtered: keys without a character (arrows, Delete) pass, and
    // so does Tab, which moves the focus rather than typing.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        const bool focusKey = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (!focusKey && !typed.isEmpty() && !(typed.size() == 1 && MaskEdit2KeyPress(typed[0])))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TSDIAppForm::MaskEdit3Change() {
    const bool complete = !MaskEdit1->text().isEmpty() && !MaskEdit2->text().isEmpty() &&
                          !MaskEdit3->text().isEmpty();
    Button1->setEnabled(complete);
    N6->setEnabled(Button1->isEnabled());
}

void TSDIAppForm::StartPicture(Colour colour) {
    picture = std::make_unique<ImageCanvas>(ResultPictureWidth, Image2->height());
    pictureColour = colour;
    BeginResultPicture(*picture, scene, pictureColour);
    // The advice belongs to the picture it was made with: a new calculation starts without it,
    // and so do the floor sheet's outputs.
    advice.reset();
    lastCalculation.reset();
    planPicture.reset();
    EnableSheetCommands();
    Label21->hide();
    Button3->setEnabled(false);
    N18->setEnabled(false);
    ShowBestLayer(false);
    Image2->SetImage(picture->Image());
}

void TSDIAppForm::Button1Click() {
    const CalculationInputs inputs = CurrentInputs();
    if (!BundleSizeReady(inputs))
        return;
    StartPicture(inputs.DrawingColour);
    const Calculation result = Calculate(inputs, DecimalSeparator(), AdviceWanted::Yes);
    if (result.Plan.Turned) {
        MaskEdit4->setText(Q(result.Inputs.PalletLength));
        MaskEdit5->setText(Q(result.Inputs.PalletWidth));
        MaskEdit7->setText(Q(result.Inputs.LengthOverhang));
        MaskEdit8->setText(Q(result.Inputs.WidthOverhang));
    }

    // A load too large to draw still gets its figures: the refusal is reported at the end.
    bool pictureRefused = false;
    try {
        const LoadRequest& request = result.Request;
        DrawPlannedLoad(*picture, scene, result.Plan, request.BundleLength, request.BundleWidth,
                        request.BundleHeight, picture->Image().width(), picture->Image().height());
    } catch (const PictureTooLargeError&) {
        pictureRefused = true;
    }
    Image2->SetImage(picture->Image());

    Label10->setText(Q(result.Lines.Total));
    Label11->setText(Q(result.Lines.Layers));
    Label12->setText(Q(result.Lines.Overhangs));
    for (QLabel* label : {Label10, Label11, Label12}) {
        label->adjustSize();
        label->show();
    }
    if (result.Failure)
        std::rethrow_exception(result.Failure);
    if (result.Lines.Pallets) {
        Label19->setText(Q(*result.Lines.Pallets));
        Label19->adjustSize();
        Label19->show();
    } else {
        Label19->hide();
    }

    if (!result.PictureText.empty()) {
        WriteTextBlock(*picture, result.PictureText);
        Image2->SetImage(picture->Image());
    }
    ShowAdvice(result);
    lastCalculation = std::make_unique<Calculation>(result);
    EnableSheetCommands();
    ShowPlanView(N22->isChecked());
    if (pictureRefused)
        throw PictureTooLargeError();
}

void TSDIAppForm::Button2Click() {
    CalculationInputs inputs = CurrentInputs();
    const CalculationInputs before = inputs;
    // The sizes derived before a count that does not convert are shown all the same.
    auto showDerived = [&] {
        const std::pair<QLineEdit*, std::string CalculationInputs::*> derived[] = {
            {MaskEdit1, &CalculationInputs::BundleLength},
            {MaskEdit2, &CalculationInputs::BundleWidth},
            {MaskEdit3, &CalculationInputs::BundleHeight},
            {MaskEdit13, &CalculationInputs::BundlesInOrder},
        };
        for (const auto& [field, text] : derived)
            if (inputs.*text != before.*text)
                field->setText(Q(inputs.*text));
    };
    try {
        DeriveBundleFromBox(inputs, DecimalSeparator());
    } catch (...) {
        showDerived();
        throw;
    }
    showDerived();
}

void TSDIAppForm::PasteSizes(QLineEdit* first, QLineEdit* second, QLineEdit* third,
                             const char* message) {
    if (!desktop.ClipboardHasText()) {
        desktop.ShowInformation(this, Q(message));
        return;
    }
    const std::array<double, 3> sizes = SizesFromText(desktop.ClipboardText().toStdString());
    first->setText(Q(FormatGeneral(sizes[0], DecimalSeparator())));
    second->setText(Q(FormatGeneral(sizes[1], DecimalSeparator())));
    third->setText(Q(FormatGeneral(sizes[2], DecimalSeparator())));
}

void TSDIAppForm::N1Click() {
    PasteSizes(MaskEdit1, MaskEdit2, MaskEdit3, Texts::NoBundleSizesOnClipboard);
}

void TSDIAppForm::N13Click() {
    PasteSizes(MaskEdit9, MaskEdit10, MaskEdit11, Texts::NoBoxSizesOnClipboard);
}

void TSDIAppForm::N3Click() {
    N1Click();
    Button1Click();
    Image2DblClick();
}

void TSDIAppForm::N14Click() {
    N13Click();
    Button2Click();
    Button1Click();
    Image2DblClick();
}

void TSDIAppForm::N2Click() {
    Image2DblClick();
}

void TSDIAppForm::Image2DblClick() {
    // Before the first calculation there is no picture: the clipboard keeps what it holds.
    if (const ImageCanvas* shown = ShownPicture())
        desktop.SetClipboardImage(shown->Image());
}

const ImageCanvas* TSDIAppForm::ShownPicture() const {
    if (planPicture)
        return planPicture.get();
    return bestPicture ? bestPicture.get() : picture.get();
}

void TSDIAppForm::EnableSheetCommands() {
    for (QAction* item : {N19, N20, N21, N22, N23})
        item->setEnabled(lastCalculation != nullptr);
}

Alternation TSDIAppForm::CurrentAlternation() const {
    return N23->isChecked() ? Alternation::On : Alternation::Off;
}

PlanPicture TSDIAppForm::ShownPlan() const {
    if (bestPicture)
        if (std::optional<PlanPicture> best =
                BestPlanPicture(*lastCalculation, CurrentAlternation()))
            return *best;
    return TwoBlockPlanPicture(*lastCalculation, CurrentAlternation());
}

void TSDIAppForm::ShowPlanView(bool shown) {
    planPicture.reset();
    if (shown && lastCalculation && picture) {
        const QImage& area = picture->Image();
        auto drawing = std::make_unique<ImageCanvas>(area.width(), area.height());
        // A small margin keeps the plan's text off the picture's edge.
        constexpr int Margin = 6;
        DrawPlanPicture(*drawing, ShownPlan(), Margin, Margin, area.width() - 2 * Margin,
                        area.height() - 2 * Margin);
        planPicture = std::move(drawing);
    }
    if (const ImageCanvas* shownPicture = ShownPicture())
        Image2->SetImage(shownPicture->Image());
}

void TSDIAppForm::N22Click() {
    ShowPlanView(N22->isChecked());
}

void TSDIAppForm::N23Click() {
    ShowPlanView(N22->isChecked());
}

void TSDIAppForm::N19Click() {
    if (!lastCalculation)
        return;
    const std::optional<QString> path =
        desktop.SaveFileName(this, Q(Texts::Sheet::PdfFilter), Q(Texts::Sheet::ReportFileName));
    if (!path)
        return;
    const ReportPage page = ReportPageFor(*lastCalculation, CurrentAlternation(), ReportTime());
    if (!WriteReportPdf(path->toStdString(), page))
        throw std::runtime_error(Texts::Sheet::CannotWriteFile + path->toStdString());
}

void TSDIAppForm::N20Click() {
    if (!lastCalculation)
        return;
    const ReportPage page = ReportPageFor(*lastCalculation, CurrentAlternation(), ReportTime());
    const Desktop::PrintOutcome outcome =
        desktop.PrintPage(this, [&page](QPainter& painter) { PaintReportPage(painter, page); });
    if (outcome == Desktop::PrintOutcome::Failed)
        throw std::runtime_error(Texts::Sheet::PrintFailed);
}

std::string TSDIAppForm::ShownSvg() const {
    if (planPicture)
        return PlanSvgDocument(ShownPlan());
    const QImage& shownImage = ShownPicture()->Image();
    SvgCanvas canvas(shownImage.width(), shownImage.height());
    SceneState svgScene;
    const Calculation& c = *lastCalculation;
    if (bestPicture)
        DrawBestLayerPicture(canvas, svgScene, pictureColour, *advice, shownImage.width(),
                             shownImage.height(), bestTextLines);
    else
        DrawResultPicture(canvas, svgScene, pictureColour, c.Plan, c.Request.BundleLength,
                          c.Request.BundleWidth, c.Request.BundleHeight, shownImage.width(),
                          shownImage.height(), c.PictureText);
    return canvas.Document();
}

void TSDIAppForm::N21Click() {
    if (!lastCalculation || !ShownPicture())
        return;
    const std::optional<QString> path = desktop.SaveFileName(this, Q(Texts::Sheet::PictureFilter),
                                                             Q(Texts::Sheet::PictureFileName));
    if (!path)
        return;
    // The name chooses the kind: SVG by its extension, PNG otherwise.
    const bool svg = path->endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    const std::string content = svg ? ShownSvg() : PngFileContent(ShownPicture()->Image());
    if (!WriteFileReplacing(path->toStdString(), content))
        throw std::runtime_error(Texts::Sheet::CannotWriteFile + path->toStdString());
}

void TSDIAppForm::ShowAdvice(const Calculation& result) {
    advice = std::make_unique<LayerAdvice>(*result.Advice);
    QStringList lines;
    for (const std::string& line : result.AdviceLines)
        lines << Q(line);
    Label21->setText(lines.join('\n'));
    Label21->show();
    bestTextLines = result.BestPictureText;
    const bool drawable = advice->Available && advice->Best.Count > 0;
    Button3->setEnabled(drawable);
    N18->setEnabled(drawable);
}

void TSDIAppForm::ShowBestLayer(bool shown) {
    Button3->setChecked(shown);
    N18->setChecked(shown);
    if (!shown) {
        bestPicture.reset();
        if (picture)
            Image2->SetImage(picture->Image());
        if (N22->isChecked())
            ShowPlanView(true);
        return;
    }
    auto drawing =
        std::make_unique<ImageCanvas>(picture->Image().width(), picture->Image().height());
    SceneState bestScene;
    DrawBestLayerPicture(*drawing, bestScene, pictureColour, *advice, drawing->Image().width(),
                         drawing->Image().height(), bestTextLines);
    bestPicture = std::move(drawing);
    Image2->SetImage(bestPicture->Image());
    // The plan view follows the picture it stands for.
    if (N22->isChecked())
        ShowPlanView(true);
}

void TSDIAppForm::Button3Click() {
    const bool wanted = Button3->isChecked();
    if (!advice || !picture) {
        ShowBestLayer(false);
        return;
    }
    try {
        ShowBestLayer(wanted);
    } catch (...) {
        ShowBestLayer(false);
        throw;
    }
}

void TSDIAppForm::N12Click() {
    N12->toggle();
}

void TSDIAppForm::N8Click() {
    desktop.OpenDocument(desktop.ExecutableDir() + "/guide.docx");
}

void TSDIAppForm::N9Click() {
    close();
}

void TSDIAppForm::FormKeyDown(int key) {
    if (key == Qt::Key_F1)
        N8Click();
}

void TSDIAppForm::keyPressEvent(QKeyEvent* event) {
    FormKeyDown(event->key());
    QMainWindow::keyPressEvent(event);
}

void TSDIAppForm::FormShow() {
    MaskEdit3Change();
    if (!arguments.isEmpty()) {
        std::vector<std::string> args;
        for (const QString& argument : arguments.mid(0, 3))
            args.push_back(argument.toStdString());
        const std::array<double, 3> sizes = SizesFromArguments(args);
        MaskEdit1->setText(Q(FormatGeneral(sizes[0], DecimalSeparator())));
        MaskEdit2->setText(Q(FormatGeneral(sizes[1], DecimalSeparator())));
        MaskEdit3->setText(Q(FormatGeneral(sizes[2], DecimalSeparator())));
    }
    if (!MaskEdit1->text().isEmpty() && !MaskEdit2->text().isEmpty() &&
        !MaskEdit3->text().isEmpty()) {
        const auto [length, width, height] = ToWholeSizes(S(MaskEdit1), S(MaskEdit2), S(MaskEdit3));
        if (SizeProductPositive(length, width, height)) {
            Button1Click();
            Image2DblClick();
        }
    }
    LoadSettings();
}

void TSDIAppForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown)
        return;
    shown = true;
    RunCommand([this] { FormShow(); });
}

std::string TSDIAppForm::SettingsPath() const {
    return ::SettingsPath(desktop.ExecutableDir().toStdString());
}

CalculationInputs TSDIAppForm::CurrentInputs() const {
    CalculationInputs inputs;
    inputs.BundleLength = S(MaskEdit1);
    inputs.BundleWidth = S(MaskEdit2);
    inputs.BundleHeight = S(MaskEdit3);
    inputs.BoxLength = S(MaskEdit9);
    inputs.BoxWidth = S(MaskEdit10);
    inputs.BoxHeight = S(MaskEdit11);
    inputs.PalletLength = S(MaskEdit4);
    inputs.PalletWidth = S(MaskEdit5);
    inputs.MaxHeight = S(MaskEdit6);
    inputs.HeightIncludesPallet = cxCheckBox1->isChecked();
    inputs.LengthOverhang = S(MaskEdit7);
    inputs.WidthOverhang = S(MaskEdit8);
    inputs.FluteProfile = ComboBox1->currentText().toStdString();
    inputs.DrawingColour = cxColorComboBox1->SelectedColour();
    inputs.BoxesInOrder = S(MaskEdit14);
    inputs.AddText = N12->isChecked();
    inputs.BundlesInOrder = S(MaskEdit13);
    inputs.BoxesPerBundle = S(MaskEdit12);
    return inputs;
}

void TSDIAppForm::ApplyInputs(const CalculationInputs& inputs) {
    MaskEdit4->setText(Q(inputs.PalletLength));
    MaskEdit5->setText(Q(inputs.PalletWidth));
    MaskEdit6->setText(Q(inputs.MaxHeight));
    cxCheckBox1->setChecked(inputs.HeightIncludesPallet);
    MaskEdit7->setText(Q(inputs.LengthOverhang));
    MaskEdit8->setText(Q(inputs.WidthOverhang));
    ComboBox1->setEditText(Q(inputs.FluteProfile));
    cxColorComboBox1->SetSelectedColour(inputs.DrawingColour);
    MaskEdit14->setText(Q(inputs.BoxesInOrder));
    N12->setChecked(inputs.AddText);
    MaskEdit13->setText(Q(inputs.BundlesInOrder));
    MaskEdit12->setText(Q(inputs.BoxesPerBundle));
}

void TSDIAppForm::LoadSettings() {
    CalculationInputs inputs = CurrentInputs();
    try {
        LoadSettingsFile(SettingsPath(), inputs);
    } catch (...) {
        // The keys read before the failure stay applied, as the file gave them.
        ApplyInputs(inputs);
        throw;
    }
    ApplyInputs(inputs);
}

void TSDIAppForm::SaveSettings() {
    SaveSettingsFile(SettingsPath(), CurrentInputs());
}

void TSDIAppForm::closeEvent(QCloseEvent* event) {
    RunCommand([this] { SaveSettings(); });
    QMainWindow::closeEvent(event);
}

void TSDIAppForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The picture keeps its width at the right edge and follows the window's height.
    const QWidget* client = centralWidget();
    Image2->setGeometry(client->width() - ResultPictureWidth, 0, ResultPictureWidth,
                        client->height());
}
