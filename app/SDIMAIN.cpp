#include "app/SDIMAIN.h"

#include "app/advicerunner.h"
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
#include "settings/replacefile.h"
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
#include <QShortcut>

#include <algorithm>

#include <exception>

namespace {

// Texts of the system (UTF-8) as Qt holds them, and a field's text back.
QString ToQt(const char* text) {
    return QString::fromUtf8(text);
}
QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}
std::string FieldText(const QLineEdit* field) {
    return field->text().toStdString();
}

constexpr int ClientWidth = 983;
constexpr int ClientHeight = 564;
constexpr int LeftPartWidth = 569;
constexpr int LabelAboveField = 17;
constexpr int NoticeHeight = 24;

// A caption with the letter that chooses it from the keyboard (Alt and the letter in the menu
// bar, the letter alone in an open menu). The caption reads as before: Qt shows "&" as the
// underline of the letter after it.
QString WithKey(const char* caption, const char* letter) {
    QString text = ToQt(caption);
    const qsizetype at = text.indexOf(ToQt(letter));
    Q_ASSERT(at >= 0);
    return at < 0 ? text : text.insert(at, '&');
}

// The wait cursor over the whole application while a command waits for something bounded.
class BusyCursor {
  public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

TSDIAppForm::TSDIAppForm(Desktop& desktop, QStringList arguments, QWidget* parent)
    : QMainWindow(parent), desktop(desktop), arguments(std::move(arguments)),
      decimalSeparator(LocaleDecimalSeparator()), adviceRunner(std::make_unique<AdviceRunner>()) {
    connect(adviceRunner.get(), &AdviceRunner::Arrived, this,
            [this] { RunCommand([this] { TakeAdvice(); }); });
    setWindowTitle(ToQt(Texts::WindowCaption));
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
    auto* caption = new QLabel(ToQt(label), centralWidget());
    caption->move(left, top - LabelAboveField);
    caption->adjustSize();
    auto* field = new QLineEdit(ToQt(text), centralWidget());
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
    QString includesPallet = ToQt(Texts::HeightIncludesPallet);
    includesPallet[includesPallet.lastIndexOf(' ')] = '\n'; // the caption takes two lines
    cxCheckBox1 = new QCheckBox(includesPallet, client);
    cxCheckBox1->setGeometry(426, 169, 134, 40);
    MaskEdit7 = AddField(18, 229, 87, Texts::LengthOverhang);
    MaskEdit8 = AddField(204, 229, 87, Texts::WidthOverhang);
    auto* colourLabel = new QLabel(ToQt(Texts::Colour), client);
    colourLabel->move(426, 229 - LabelAboveField);
    cxColorComboBox1 = new ColourComboBox(
        [this](const QColor& initial) { return desktop.PickColour(this, initial); }, client);
    cxColorComboBox1->setGeometry(426, 229, 121, 24);

    MaskEdit9 = AddField(18, 291, 87, Texts::BoxLength);
    MaskEdit10 = AddField(137, 291, 87, Texts::BoxWidth);
    MaskEdit11 = AddField(268, 291, 87, Texts::BoxHeight);
    MaskEdit14 = AddField(396, 291, 87, Texts::BoxesInOrder);
    MaskEdit12 = AddField(18, 351, 87, Texts::BoxesPerBundle);
    auto* profileLabel = new QLabel(ToQt(Texts::FluteProfile), client);
    profileLabel->move(204, 351 - LabelAboveField);
    ComboBox1 = new QComboBox(client);
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    for (const char* profile : Texts::FluteProfiles)
        ComboBox1->addItem(ToQt(profile));
    ComboBox1->setGeometry(204, 351, 121, 24);

    Button2 = new QPushButton(ToQt(Texts::BundleButton), client);
    Button2->setGeometry(396, 341, 149, 34);
    Button1 = new QPushButton(ToQt(Texts::CalculateButton), client);
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

    // The weights stand beside the advice, over the corner of the background picture, and only
    // while a result has them.
    Label23 = new QLabel(client);
    Label23->setGeometry(392, 392, 168, 164);
    Label23->setWordWrap(true);
    Label23->setTextFormat(Qt::RichText);
    Label23->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label23->setAutoFillBackground(true);
    Label23->setMargin(4);
    Label23->hide();

    // The advisor's block fills the free band between the box group and "Расчет".
    Label21 = new QLabel(client);
    Label21->setGeometry(18, 392, 370, 100);
    Label21->setWordWrap(true);
    Label21->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label21->hide();
    Button3 = new QPushButton(ToQt(Texts::Advice::ShowBestButton), client);
    Button3->setGeometry(210, 513, 149, 34);
    Button3->setCheckable(true);
    Button3->setEnabled(false);

    Image2 = new PictureBox(client);
    Image2->setGeometry(ClientWidth - ResultPictureWidth, 0, ResultPictureWidth, ClientHeight);
    Label22 = new QLabel(ToQt(Texts::ResultsOutdated), Image2);
    // At the foot of the picture, where it hides neither the text block nor the load.
    Label22->setGeometry(0, ClientHeight - NoticeHeight, ResultPictureWidth, NoticeHeight);
    Label22->setAlignment(Qt::AlignCenter);
    Label22->setAutoFillBackground(true);
    QPalette notice = Label22->palette();
    notice.setColor(QPalette::Window, QColor(255, 244, 176));
    Label22->setPalette(notice);
    Label22->hide();

    for (QLineEdit* field : {MaskEdit1, MaskEdit2, MaskEdit3})
        connect(field, &QLineEdit::textChanged, this, [this] { MaskEdit3Change(); });
    // Every input the calculation or the picture reads.
    const auto stale = [this] { MarkResultsStale(); };
    for (QLineEdit* field :
         {MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit4, MaskEdit5, MaskEdit6, MaskEdit7, MaskEdit8,
          MaskEdit9, MaskEdit10, MaskEdit11, MaskEdit12, MaskEdit13, MaskEdit14})
        connect(field, &QLineEdit::textChanged, this, stale);
    connect(cxCheckBox1, &QCheckBox::toggled, this, stale);
    connect(cxColorComboBox1, &QComboBox::currentIndexChanged, this, stale);
    connect(ComboBox1, &QComboBox::editTextChanged, this, stale);
    // The profile's text takes the window's keys too, but not the digit filter.
    ComboBox1->lineEdit()->installEventFilter(this);
    cxCheckBox1->installEventFilter(this);
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
    auto action = [this](QWidget* menu, const char* caption, const char* key,
                         void (TSDIAppForm::*handler)()) {
        auto* item = new QAction(WithKey(caption, key), menu);
        connect(item, &QAction::triggered, this,
                [this, handler] { RunCommand([this, handler] { (this->*handler)(); }); });
        menu->addAction(item);
        return item;
    };
    QMenuBar* bar = menuBar();
    N5 = bar->addMenu(WithKey(Texts::MenuInput, "В"));
    N4 = action(N5, Texts::PasteBundleCalculate, "п", &TSDIAppForm::N3Click);
    N15 = action(N5, Texts::PasteBoxCalculate, "я", &TSDIAppForm::N14Click);
    N10 = action(N5, Texts::PasteBundleSizes, "р", &TSDIAppForm::N1Click);
    N16 = action(N5, Texts::PasteBoxSizes, "к", &TSDIAppForm::N13Click);
    N17 = action(N5, Texts::BundleButton, "ч", &TSDIAppForm::Button2Click);
    N19 = N5->addMenu(WithKey(Texts::Weights::MenuPallet, "д"));
    N20 = new QAction(WithKey(Texts::Weights::MenuWeights, "М"), N5);
    connect(N20, &QAction::triggered, this, [this] { RunCommand([this] { N20Click(); }); });
    N5->addAction(N20);
    // Owned by the window: filling the menu anew clears it of the pallets it lists.
    N21 = new QAction(WithKey(Texts::Weights::MenuOwnPallets, "С"), this);
    connect(N21, &QAction::triggered, this, [this] { RunCommand([this] { N21Click(); }); });
    FillPalletMenu();
    N6 = action(bar, Texts::MenuCalculate, "Р", &TSDIAppForm::Button1Click);
    N7 = bar->addMenu(WithKey(Texts::MenuOutput, "ы"));
    // The main menu's copy item does what its twin in the context menu does, and Ctrl+C does
    // it wherever the focus is.
    N11 = action(N7, Texts::CopyPicture, "С", &TSDIAppForm::N2Click);
    N11->setShortcut(QKeySequence::Copy);
    // A checkable item turns its own check mark when chosen, which is all N12Click does.
    N12 = new QAction(WithKey(Texts::AddTextToPicture, "Д"), N7);
    N12->setCheckable(true);
    N7->addAction(N12);
    // The text on the picture is an input of the picture like any field.
    connect(N12, &QAction::toggled, this, [this] { MarkResultsStale(); });
    N18 = new QAction(WithKey(Texts::Advice::ShowBestLayer, "л"), N7);
    N18->setCheckable(true);
    N18->setEnabled(false);
    N7->addAction(N18);
    connect(N18, &QAction::triggered, this, [this] {
        // The item turned its mark already; the button follows it and does the work.
        Button3->setChecked(N18->isChecked());
        RunCommand([this] { Button3Click(); });
    });
    N7->addSeparator();
    N22 = action(N7, Texts::Sheet::SaveReport, "ч", &TSDIAppForm::N22Click);
    N23 = action(N7, Texts::Sheet::Print, "П", &TSDIAppForm::N23Click);
    N23->setShortcut(QKeySequence::Print);
    N24 = action(N7, Texts::Sheet::SavePicture, "у", &TSDIAppForm::N24Click);
    // Checkable items turn their own mark, then redraw the picture area.
    N25 = action(N7, Texts::Sheet::ShowPlan, "н", &TSDIAppForm::N25Click);
    N25->setCheckable(true);
    N26 = action(N7, Texts::Sheet::Alternate, "е", &TSDIAppForm::N26Click);
    N26->setCheckable(true);
    EnableSheetCommands();
    N8 = action(bar, Texts::MenuHelp, "П", &TSDIAppForm::N8Click);
    N9 = action(bar, Texts::MenuExit, "х", &TSDIAppForm::N9Click);
    N9->setShortcut(QKeySequence::Quit);
    // F10 opens the menu bar at its first menu, as on the desktops planners know.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(N5->menuAction()); });

    PopupMenu1 = new QMenu(this);
    N3 = action(PopupMenu1, Texts::PasteBundleCalculate, "п", &TSDIAppForm::N3Click);
    N14 = action(PopupMenu1, Texts::PasteBoxCalculate, "я", &TSDIAppForm::N14Click);
    N1 = action(PopupMenu1, Texts::PasteBundleSizes, "р", &TSDIAppForm::N1Click);
    N13 = action(PopupMenu1, Texts::PasteBoxSizes, "к", &TSDIAppForm::N13Click);
    N2 = action(PopupMenu1, Texts::CopyPicture, "С", &TSDIAppForm::N2Click);

    // The window and every field but the three pallet fields share the context menu; those
    // three keep the ordinary menu of an edit field, in Russian like the rest.
    auto usePopup = [this](QWidget* widget) {
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(widget, &QWidget::customContextMenuRequested, this,
                [this, widget](const QPoint& at) { PopupMenu1->popup(widget->mapToGlobal(at)); });
    };
    usePopup(centralWidget());
    for (QLineEdit* field : {MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit7, MaskEdit8, MaskEdit9,
                             MaskEdit10, MaskEdit11, MaskEdit12, MaskEdit13, MaskEdit14})
        usePopup(field);
    for (QLineEdit* field : {MaskEdit4, MaskEdit5, MaskEdit6, ComboBox1->lineEdit()}) {
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(field, &QWidget::customContextMenuRequested, this, [this, field](const QPoint& at) {
            QMenu* menu = FieldEditMenu(field);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(field->mapToGlobal(at));
        });
    }
}

QMenu* TSDIAppForm::FieldEditMenu(QLineEdit* field) {
    // Qt's own edit menu is in English; this one does the same work with the field's own slots
    // and is enabled as Qt enables its items.
    auto* menu = new QMenu(field);
    const bool writable = !field->isReadOnly();
    const bool selected = field->hasSelectedText();
    auto item = [menu](const char* name, const char* caption, QKeySequence::StandardKey key,
                       bool enabled, auto slot) {
        QString text = ToQt(caption);
        if (key != QKeySequence::UnknownKey)
            text += '\t' + QKeySequence(key).toString(QKeySequence::NativeText);
        QAction* action = menu->addAction(text, slot);
        action->setObjectName(QLatin1String(name));
        action->setEnabled(enabled);
    };
    item("edit-undo", Texts::EditMenu::Undo, QKeySequence::Undo,
         writable && field->isUndoAvailable(), [field] { field->undo(); });
    item("edit-redo", Texts::EditMenu::Redo, QKeySequence::Redo,
         writable && field->isRedoAvailable(), [field] { field->redo(); });
    menu->addSeparator();
    item("edit-cut", Texts::EditMenu::Cut, QKeySequence::Cut, writable && selected,
         [field] { field->cut(); });
    item("edit-copy", Texts::EditMenu::Copy, QKeySequence::Copy, selected,
         [field] { field->copy(); });
    item("edit-paste", Texts::EditMenu::Paste, QKeySequence::Paste, writable,
         [field] { field->paste(); });
    item("edit-delete", Texts::EditMenu::Delete, QKeySequence::UnknownKey, writable && selected,
         [field] { field->del(); });
    menu->addSeparator();
    item("select-all", Texts::EditMenu::SelectAll, QKeySequence::SelectAll,
         !field->text().isEmpty(), [field] { field->selectAll(); });
    return menu;
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
        desktop.ShowError(this, ToQt(ErrorReportFor(failure)));
    }
}

bool TSDIAppForm::MaskEdit2KeyPress(QChar key) {
    return (key >= QLatin1Char('0') && key <= QLatin1Char('9')) || key.unicode() == 8;
}

bool TSDIAppForm::FieldCommandKey(QObject* field, const QKeyEvent& key) {
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        RunCommand([this] { Button1Click(); });
        return true;
    }
    if (key.matches(QKeySequence::Copy)) {
        RunCommand([this] { N2Click(); });
        return true;
    }
    if (key.matches(QKeySequence::Paste)) {
        const QObject* bundleGroup[] = {MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit13};
        const QObject* boxGroup[] = {MaskEdit9, MaskEdit10, MaskEdit11, MaskEdit12, MaskEdit14};
        if (std::find(std::begin(bundleGroup), std::end(bundleGroup), field) !=
            std::end(bundleGroup)) {
            RunCommand([this] { N1Click(); });
            return true;
        }
        if (std::find(std::begin(boxGroup), std::end(boxGroup), field) != std::end(boxGroup)) {
            RunCommand([this] { N13Click(); });
            return true;
        }
    }
    return false;
}

bool TSDIAppForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (FieldCommandKey(watched, *key))
            return true;
        // Only typed characters are filtered, and only in the number fields: keys without a
        // character (arrows, Delete) pass, and so does Tab, which moves the focus rather than
        // typing. The pallet fields keep their own paste, as their edit menu offers it.
        const QString typed = key->text();
        const bool focusKey = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        const bool palletPaste =
            key->matches(QKeySequence::Paste) &&
            (watched == MaskEdit4 || watched == MaskEdit5 || watched == MaskEdit6);
        if (qobject_cast<QLineEdit*>(watched) && watched != ComboBox1->lineEdit() && !focusKey &&
            !palletPaste && !typed.isEmpty() && !(typed.size() == 1 && MaskEdit2KeyPress(typed[0])))
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

void TSDIAppForm::MarkResultsStale() {
    // Before the first calculation there is nothing to mark; the calculation's own turning of
    // the pallet fields is no change of the inputs.
    if (!picture || calculating || resultsStale)
        return;
    resultsStale = true;
    // Advice still being worked out would answer the old inputs: it is dropped, and the
    // advice block with it.
    if (adviceRunner->Pending()) {
        adviceRunner->Drop();
        Label21->hide();
    }
    for (QLabel* label : {Label10, Label11, Label12, Label19, Label21, Label23})
        label->setEnabled(false);
    Image2->SetFaded(true);
    Label22->show();
}

void TSDIAppForm::MarkResultsCurrent() {
    resultsStale = false;
    for (QLabel* label : {Label10, Label11, Label12, Label19, Label21, Label23})
        label->setEnabled(true);
    Image2->SetFaded(false);
    Label22->hide();
}

void TSDIAppForm::StartPicture(Colour colour) {
    picture = std::make_unique<ImageCanvas>(ResultPictureWidth, Image2->height());
    drawing = std::make_unique<ResultPicture>(*picture, colour);
    // The advice belongs to the picture it was made with: a new calculation starts without it,
    // and so do the floor sheet's outputs.
    advice.reset();
    adviceRunner->Drop();
    lastCalculation.reset();
    planPicture.reset();
    EnableSheetCommands();
    Label21->hide();
    Label23->hide();
    Button3->setEnabled(false);
    N18->setEnabled(false);
    ShowLayer(LayerShown::TwoBlocks);
    Image2->SetImage(picture->Image());
}

void TSDIAppForm::Button1Click() {
    const CalculationInputs inputs = CurrentInputs();
    if (!BundleSizeReady(inputs))
        return;
    StartPicture(inputs.DrawingColour);
    // The advice follows from the worker (TakeAdvice): the figures and the picture do not
    // wait for it.
    const Calculation result = Calculate(inputs, DecimalSeparator(), AdviceWanted::No);
    if (result.Plan.Turned) {
        calculating = true;
        MaskEdit4->setText(ToQt(result.Inputs.PalletLength));
        MaskEdit5->setText(ToQt(result.Inputs.PalletWidth));
        MaskEdit7->setText(ToQt(result.Inputs.LengthOverhang));
        MaskEdit8->setText(ToQt(result.Inputs.WidthOverhang));
        calculating = false;
    }

    // A load too large to draw still gets its figures: the refusal is reported at the end.
    bool pictureRefused = false;
    try {
        drawing->DrawLoad(result.Plan, result.Request, picture->Image().width(),
                          picture->Image().height());
    } catch (const PictureTooLargeError&) {
        pictureRefused = true;
    }
    Image2->SetImage(picture->Image());

    Label10->setText(ToQt(result.Lines.Total));
    Label11->setText(ToQt(result.Lines.Layers));
    Label12->setText(ToQt(result.Lines.Overhangs));
    for (QLabel* label : {Label10, Label11, Label12}) {
        label->adjustSize();
        label->show();
    }
    if (result.Failure)
        std::rethrow_exception(result.Failure);
    if (result.Lines.Pallets) {
        Label19->setText(ToQt(*result.Lines.Pallets));
        Label19->adjustSize();
        Label19->show();
    } else {
        Label19->hide();
    }
    ShowWeights(result);

    if (!result.PictureText.empty()) {
        drawing->WriteText(result.PictureText);
        Image2->SetImage(picture->Image());
    }
    lastCalculation = std::make_unique<Calculation>(result);
    adviceRunner->Start(result);
    Label21->setText(ToQt(Texts::Advice::Searching));
    Label21->show();
    EnableSheetCommands();
    ShowPlanView(N25->isChecked());
    MarkResultsCurrent();
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
                field->setText(ToQt(inputs.*text));
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
        desktop.ShowInformation(this, ToQt(message));
        return;
    }
    const std::array<double, 3> sizes =
        SizesFromText(desktop.ClipboardText().toStdString(), DecimalSeparator());
    first->setText(ToQt(FormatGeneral(sizes[0], DecimalSeparator())));
    second->setText(ToQt(FormatGeneral(sizes[1], DecimalSeparator())));
    third->setText(ToQt(FormatGeneral(sizes[2], DecimalSeparator())));
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
    for (QAction* item : {N22, N23, N24, N25, N26})
        item->setEnabled(lastCalculation != nullptr);
}

Alternation TSDIAppForm::CurrentAlternation() const {
    return N26->isChecked() ? Alternation::On : Alternation::Off;
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
        // A layer of tens of thousands of small bundles takes a while to lay out and draw.
        const BusyCursor busy;
        const QImage& area = picture->Image();
        auto plan = std::make_unique<ImageCanvas>(area.width(), area.height());
        // A small margin keeps the plan's text off the picture's edge.
        constexpr int Margin = 6;
        DrawPlanPicture(*plan, ShownPlan(), Margin, Margin, area.width() - 2 * Margin,
                        area.height() - 2 * Margin);
        planPicture = std::move(plan);
    }
    if (const ImageCanvas* shownPicture = ShownPicture())
        Image2->SetImage(shownPicture->Image());
}

void TSDIAppForm::N25Click() {
    ShowPlanView(N25->isChecked());
}

void TSDIAppForm::N26Click() {
    ShowPlanView(N25->isChecked());
}

bool TSDIAppForm::AdvicePending() const {
    return adviceRunner->Pending();
}

void TSDIAppForm::TakeAdvice() {
    CalculationAdvice answer;
    try {
        answer = adviceRunner->Take();
    } catch (...) {
        Label21->hide();
        throw;
    }
    AddAdvice(*lastCalculation, std::move(answer));
    ShowAdvice(*lastCalculation);
    emit AdviceShown();
}

void TSDIAppForm::AwaitAdvice() {
    if (!adviceRunner->Pending())
        return;
    const BusyCursor busy;
    TakeAdvice();
}

void TSDIAppForm::N22Click() {
    if (!lastCalculation)
        return;
    const std::optional<QString> path = desktop.SaveFileName(this, ToQt(Texts::Sheet::PdfFilter),
                                                             ToQt(Texts::Sheet::ReportFileName));
    if (!path)
        return;
    AwaitAdvice();
    // The page of a huge load holds hundreds of thousands of polygons: seconds to write.
    const BusyCursor busy;
    const ReportPage page = ReportPageFor(*lastCalculation, CurrentAlternation(), ReportTime());
    if (!WriteReportPdf(path->toStdString(), page))
        throw std::runtime_error(Texts::Sheet::CannotWriteFile + path->toStdString());
}

void TSDIAppForm::N23Click() {
    if (!lastCalculation)
        return;
    AwaitAdvice();
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
    const int width = shownImage.width(), height = shownImage.height();
    // A picture to look at: the polygons that can be seen, the same picture as the window's.
    SvgCanvas canvas(width, height, true);
    const Calculation& c = *lastCalculation;
    if (bestPicture)
        DrawBestLayerPicture(canvas, drawing->LoadColour(), *advice, width, height, bestTextLines);
    else
        DrawResultPicture(canvas, drawing->LoadColour(), c.Plan, c.Request, width, height,
                          c.PictureText);
    return canvas.Document();
}

void TSDIAppForm::N24Click() {
    if (!lastCalculation || !ShownPicture())
        return;
    const std::optional<QString> path = desktop.SaveFileName(
        this, ToQt(Texts::Sheet::PictureFilter), ToQt(Texts::Sheet::PictureFileName));
    if (!path)
        return;
    // The name chooses the kind: SVG by its extension, PNG otherwise.
    const bool svg = path->endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    const BusyCursor busy;
    const std::string content = svg ? ShownSvg() : PngFileContent(ShownPicture()->Image());
    if (content.empty() || !WriteFileContent(path->toStdString(), content))
        throw std::runtime_error(Texts::Sheet::CannotWriteFile + path->toStdString());
}

void TSDIAppForm::ShowWeights(const Calculation& result) {
    // The same figures as the weight lines, laid out as a small table to fit the band.
    const WeightFigures figures = WeightFiguresOf(result.Weights, DecimalSeparator());
    QString html;
    for (const std::string& line : figures.Heading)
        html +=
            QStringLiteral("<p style=\"margin:0 0 3px 0\">%1</p>").arg(ToQt(line).toHtmlEscaped());
    if (!figures.Rows.empty()) {
        const QString cell = QStringLiteral("<td>%1</td>"),
                      number = QStringLiteral("<td align=\"right\">%1</td>");
        html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\"><tr>") +
                cell.arg(ToQt(Texts::Weights::Kg)) + number.arg(ToQt(Texts::Weights::Net)) +
                number.arg(ToQt(Texts::Weights::Gross)) + QStringLiteral("</tr>");
        for (const WeightRow& row : figures.Rows)
            html += QStringLiteral("<tr>") + cell.arg(ToQt(row.Label).toHtmlEscaped()) +
                    number.arg(ToQt(row.NetKg)) + number.arg(ToQt(row.GrossKg)) +
                    QStringLiteral("</tr>");
        html += QStringLiteral("</table>");
    }
    Label23->setText(html);
    Label23->setVisible(!html.isEmpty());
}

void TSDIAppForm::ShowAdvice(const Calculation& result) {
    advice = std::make_unique<LayerAdvice>(*result.Advice);
    QStringList lines;
    for (const std::string& line : result.AdviceLines)
        lines << ToQt(line);
    Label21->setText(lines.join('\n'));
    Label21->show();
    bestTextLines = result.BestPictureText;
    // Nothing better to show when the two-block layer is proven best already.
    const bool twoBlockOptimal =
        advice->Best.Optimal && advice->Best.Count <= advice->TwoBlockCount;
    const bool drawable = advice->Available && advice->Best.Count > 0 && !twoBlockOptimal;
    Button3->setEnabled(drawable);
    N18->setEnabled(drawable);
}

void TSDIAppForm::ShowLayer(LayerShown layer) {
    const bool best = layer == LayerShown::Best;
    Button3->setChecked(best);
    N18->setChecked(best);
    if (!best) {
        bestPicture.reset();
        if (picture)
            Image2->SetImage(picture->Image());
        if (N25->isChecked())
            ShowPlanView(true);
        return;
    }
    auto canvas =
        std::make_unique<ImageCanvas>(picture->Image().width(), picture->Image().height());
    DrawBestLayerPicture(*canvas, drawing->LoadColour(), *advice, canvas->Image().width(),
                         canvas->Image().height(), bestTextLines);
    bestPicture = std::move(canvas);
    Image2->SetImage(bestPicture->Image());
    // The plan view follows the picture it stands for.
    if (N25->isChecked())
        ShowPlanView(true);
}

void TSDIAppForm::Button3Click() {
    const LayerShown wanted = Button3->isChecked() ? LayerShown::Best : LayerShown::TwoBlocks;
    if (!advice || !picture) {
        ShowLayer(LayerShown::TwoBlocks);
        return;
    }
    try {
        ShowLayer(wanted);
    } catch (...) {
        ShowLayer(LayerShown::TwoBlocks);
        throw;
    }
}

void TSDIAppForm::FillPalletMenu() {
    N19->clear();
    auto add = [this](const PalletPreset& pallet) {
        const std::string item = Texts::Weights::PalletItem(
            pallet.Name, FormatGeneral(pallet.Length, DecimalSeparator()),
            FormatGeneral(pallet.Width, DecimalSeparator()));
        connect(N19->addAction(ToQt(item)), &QAction::triggered, this,
                [this, pallet] { RunCommand([this, pallet] { ChoosePallet(pallet); }); });
    };
    for (const PalletPreset& pallet : StandardPallets())
        add(pallet);
    N19->addSeparator();
    for (const PalletPreset& pallet : ownPallets)
        add(pallet);
    if (!ownPallets.empty())
        N19->addSeparator();
    N19->addAction(N21);
}

void TSDIAppForm::ChoosePallet(const PalletPreset& pallet) {
    // Filled as the system fills fields: the check box and the height stay as they are.
    MaskEdit4->setText(ToQt(FormatGeneral(pallet.Length, DecimalSeparator())));
    MaskEdit5->setText(ToQt(FormatGeneral(pallet.Width, DecimalSeparator())));
    weights.TareKg = FormatGeneral(pallet.TareKg, DecimalSeparator());
    MarkResultsStale();
}

void TSDIAppForm::N20Click() {
    if (std::optional<WeightFields> edited = desktop.EditWeights(this, weights)) {
        weights = std::move(*edited);
        MarkResultsStale();
    }
}

void TSDIAppForm::N21Click() {
    if (std::optional<std::vector<PalletPreset>> edited =
            desktop.EditOwnPallets(this, ownPallets)) {
        ownPallets = std::move(*edited);
        FillPalletMenu();
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
        const std::array<double, 3> sizes = SizesFromArguments(args, DecimalSeparator());
        MaskEdit1->setText(ToQt(FormatGeneral(sizes[0], DecimalSeparator())));
        MaskEdit2->setText(ToQt(FormatGeneral(sizes[1], DecimalSeparator())));
        MaskEdit3->setText(ToQt(FormatGeneral(sizes[2], DecimalSeparator())));
    }
    // The user's saved pallet, overhangs and colour before the calculation: the picture put on
    // the clipboard is the one for the pallet the user chose.
    LoadSettings();
    if (!MaskEdit1->text().isEmpty() && !MaskEdit2->text().isEmpty() &&
        !MaskEdit3->text().isEmpty()) {
        const auto [length, width, height] =
            ToWholeSizes(FieldText(MaskEdit1), FieldText(MaskEdit2), FieldText(MaskEdit3));
        if (SizeProductPositive(length, width, height)) {
            Button1Click();
            Image2DblClick();
        }
    }
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
    inputs.BundleLength = FieldText(MaskEdit1);
    inputs.BundleWidth = FieldText(MaskEdit2);
    inputs.BundleHeight = FieldText(MaskEdit3);
    inputs.BoxLength = FieldText(MaskEdit9);
    inputs.BoxWidth = FieldText(MaskEdit10);
    inputs.BoxHeight = FieldText(MaskEdit11);
    inputs.PalletLength = FieldText(MaskEdit4);
    inputs.PalletWidth = FieldText(MaskEdit5);
    inputs.MaxHeight = FieldText(MaskEdit6);
    inputs.HeightIncludesPallet = cxCheckBox1->isChecked();
    inputs.LengthOverhang = FieldText(MaskEdit7);
    inputs.WidthOverhang = FieldText(MaskEdit8);
    inputs.FluteProfile = ComboBox1->currentText().toStdString();
    inputs.DrawingColour = cxColorComboBox1->SelectedColour();
    inputs.BoxesInOrder = FieldText(MaskEdit14);
    inputs.AddText = N12->isChecked();
    inputs.BundlesInOrder = FieldText(MaskEdit13);
    inputs.BoxesPerBundle = FieldText(MaskEdit12);
    inputs.Weights = weights;
    inputs.OwnPallets = ownPallets;
    return inputs;
}

void TSDIAppForm::ApplyInputs(const CalculationInputs& inputs) {
    MaskEdit4->setText(ToQt(inputs.PalletLength));
    MaskEdit5->setText(ToQt(inputs.PalletWidth));
    MaskEdit6->setText(ToQt(inputs.MaxHeight));
    cxCheckBox1->setChecked(inputs.HeightIncludesPallet);
    MaskEdit7->setText(ToQt(inputs.LengthOverhang));
    MaskEdit8->setText(ToQt(inputs.WidthOverhang));
    ComboBox1->setEditText(ToQt(inputs.FluteProfile));
    cxColorComboBox1->SetSelectedColour(inputs.DrawingColour);
    MaskEdit14->setText(ToQt(inputs.BoxesInOrder));
    N12->setChecked(inputs.AddText);
    MaskEdit13->setText(ToQt(inputs.BundlesInOrder));
    MaskEdit12->setText(ToQt(inputs.BoxesPerBundle));
    weights = inputs.Weights;
    ownPallets = inputs.OwnPallets;
    FillPalletMenu();
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
    // A search still running ends at once; the runner's destructor waits for it.
    adviceRunner->Drop();
    RunCommand([this] { SaveSettings(); });
    QMainWindow::closeEvent(event);
}

void TSDIAppForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The picture keeps its width at the right edge and follows the window's height.
    const QWidget* client = centralWidget();
    Image2->setGeometry(client->width() - ResultPictureWidth, 0, ResultPictureWidth,
                        client->height());
    Label22->move(0, Image2->height() - NoticeHeight);
}
