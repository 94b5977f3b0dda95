#include "app/dialogparts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>

QLabel* NewProblemLabel(QWidget* parent) {
    auto* problem = new QLabel(parent);
    problem->setWordWrap(true);
    problem->setStyleSheet(QStringLiteral("color: #b00000"));
    problem->hide();
    return problem;
}

QDialogButtonBox* NewOkCancelButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}
