#pragma once

#include "shell/weightfields.h"

#include <QDialog>

class QLabel;
class QLineEdit;

// "Масса…": the box or bundle weight, the pallet's tare and the optional maximum gross weight,
// as texts. The box and the bundle weight exclude each other: typing one empties the other.
// OK keeps the dialog open, with the reason shown in it, while a text is not a weight.
class WeightsDialog : public QDialog {
    Q_OBJECT
  public:
    WeightsDialog(const WeightFields& initial, char decimalSeparator, QWidget* parent = nullptr);

    WeightFields Fields() const;
    // Checks the texts as the calculation will read them; false, with the reason shown, when
    // one is not a weight.
    bool Check();

    void accept() override;

    QLineEdit* BoxGrams;
    QLineEdit* BundleKg;
    QLineEdit* TareKg;
    QLineEdit* MaxGrossKg;
    QLabel* Problem;

  private:
    char decimalSeparator;
};
