#include "app/weightsdialog.h"
#include "app/dialogparts.h"

#include "shell/errorreport.h"
#include "shell/fieldnumbers.h"
#include "shell/texts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QString Q(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

WeightsDialog::WeightsDialog(const WeightFields& initial, char decimalSeparator, QWidget* parent)
    : QDialog(parent), decimalSeparator(decimalSeparator) {
    namespace T = Texts::Weights;
    setWindowTitle(Q(T::WeightsTitle));
    auto* form = new QFormLayout;
    auto field = [this, form](const char* label, const std::string& text) {
        auto* edit = new QLineEdit(QString::fromStdString(text), this);
        form->addRow(Q(label), edit);
        return edit;
    };
    BoxGrams = field(T::BoxGrams, initial.BoxGrams);
    BundleKg = field(T::BundleKg, initial.BundleKg);
    TareKg = field(T::TareKg, initial.TareKg);
    MaxGrossKg = field(T::MaxGrossKg, initial.MaxGrossKg);
    // An empty tare is the usual pallet's: the field shows which.
    TareKg->setPlaceholderText(
        QString::fromStdString(FormatGeneral(DefaultPalletTareKg, decimalSeparator)));
    connect(BoxGrams, &QLineEdit::textEdited, BundleKg, &QLineEdit::clear);
    connect(BundleKg, &QLineEdit::textEdited, BoxGrams, &QLineEdit::clear);

    auto* hint = new QLabel(Q(T::WeightsHint), this);
    hint->setWordWrap(true);
    Problem = NewProblemLabel(this);
    auto* buttons = NewOkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addWidget(Problem);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}

WeightFields WeightsDialog::Fields() const {
    return {BoxGrams->text().trimmed().toStdString(), BundleKg->text().trimmed().toStdString(),
            TareKg->text().trimmed().toStdString(), MaxGrossKg->text().trimmed().toStdString()};
}

bool WeightsDialog::Check() {
    try {
        ReadWeights(Fields(), std::nullopt, decimalSeparator);
    } catch (const WeightInputError& error) {
        Problem->setText(QString::fromStdString(WeightFieldError(error.Field, error.Text)));
        Problem->show();
        return false;
    }
    Problem->hide();
    return true;
}

void WeightsDialog::accept() {
    if (Check())
        QDialog::accept();
}
