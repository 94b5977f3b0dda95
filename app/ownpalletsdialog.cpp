#include "app/ownpalletsdialog.h"
#include "app/dialogparts.h"

#include "shell/fieldnumbers.h"
#include "shell/texts.h"
#include "planning/weights.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Q(const char* text) {
    return QString::fromUtf8(text);
}
QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Sizes and tares are typed like the other numbers; a point is taken in any locale.
bool ReadNumber(const QLineEdit* field, char separator, double& value) {
    const std::string text = field->text().trimmed().toStdString();
    return TryReal(text, separator, value) || TryReal(text, '.', value);
}

} // namespace

OwnPalletsDialog::OwnPalletsDialog(std::vector<PalletPreset> own, char decimalSeparator,
                                   QWidget* parent)
    : QDialog(parent), pallets(std::move(own)), decimalSeparator(decimalSeparator) {
    namespace T = Texts::Weights;
    setWindowTitle(Q(T::OwnPalletsTitle));
    List = new QListWidget(this);
    auto* form = new QFormLayout;
    auto field = [this, form](const char* label, const QString& text) {
        auto* edit = new QLineEdit(text, this);
        form->addRow(Q(label), edit);
        return edit;
    };
    Name = field(T::PalletName, QString());
    Length = field(T::PalletLength, QString());
    Width = field(T::PalletWidth, QString());
    TareKg = field(T::TareKg, Q(FormatGeneral(DefaultPalletTareKg, decimalSeparator)));

    Add = new QPushButton(Q(T::AddPallet), this);
    Remove = new QPushButton(Q(T::RemovePallet), this);
    connect(Add, &QPushButton::clicked, this, [this] { AddFromFields(); });
    connect(Remove, &QPushButton::clicked, this, [this] { RemoveSelected(); });
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(Add);
    listButtons->addWidget(Remove);
    listButtons->addStretch();

    auto* hint = new QLabel(Q(T::OwnPalletsHint), this);
    hint->setWordWrap(true);
    Problem = NewProblemLabel(this);
    auto* buttons = NewOkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List);
    layout->addLayout(form);
    layout->addLayout(listButtons);
    layout->addWidget(Problem);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    setMinimumWidth(400);
    ShowList();
}

void OwnPalletsDialog::ShowList() {
    List->clear();
    for (const PalletPreset& pallet : pallets)
        List->addItem(Q(Texts::Weights::OwnPalletItem(
            Texts::Weights::PalletItem(pallet.Name, FormatGeneral(pallet.Length, decimalSeparator),
                                       FormatGeneral(pallet.Width, decimalSeparator)),
            FormatGeneral(pallet.TareKg, decimalSeparator))));
    Remove->setEnabled(!pallets.empty());
}

void OwnPalletsDialog::ShowProblem(const std::string& text) {
    Problem->setText(Q(text));
    Problem->setVisible(!text.empty());
}

bool OwnPalletsDialog::AddFromFields() {
    namespace T = Texts::Weights;
    PalletPreset pallet;
    pallet.Name = Name->text().simplified().toStdString();
    const bool sized = ReadNumber(Length, decimalSeparator, pallet.Length) &&
                       ReadNumber(Width, decimalSeparator, pallet.Width);
    const bool tared = ReadNumber(TareKg, decimalSeparator, pallet.TareKg);
    std::vector<PalletPreset> table = StandardPallets();
    table.insert(table.end(), pallets.begin(), pallets.end());
    PalletRefusal refusal = CheckNewPallet(table, pallet);
    if (refusal == PalletRefusal::None && !sized)
        refusal = PalletRefusal::BadSize;
    if (refusal == PalletRefusal::None && !tared)
        refusal = PalletRefusal::BadTare;
    switch (refusal) {
    case PalletRefusal::None:
        break;
    case PalletRefusal::EmptyName:
        ShowProblem(T::EmptyPalletName);
        return false;
    case PalletRefusal::NameTaken:
        ShowProblem(T::PalletNameTaken(pallet.Name));
        return false;
    case PalletRefusal::BadSize:
        ShowProblem(T::BadPalletSize);
        return false;
    case PalletRefusal::BadTare:
        ShowProblem(T::NotAWeight(T::TareKg, TareKg->text().toStdString()));
        return false;
    }
    pallets.push_back(pallet);
    ShowProblem("");
    ShowList();
    List->setCurrentRow(List->count() - 1);
    Name->clear();
    return true;
}

void OwnPalletsDialog::RemoveSelected() {
    const int row = List->currentRow();
    if (row < 0 || row >= static_cast<int>(pallets.size()))
        return;
    pallets.erase(pallets.begin() + row);
    ShowList();
}
