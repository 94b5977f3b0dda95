#pragma once

#include "planning/pallets.h"

#include <QDialog>

#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Свои поддоны…": the user's own pallets, each with a name, length, width and tare. A pallet is
// added from the four fields below the list when the pallet table would take it; otherwise the
// reason shows in the dialog and nothing is added.
class OwnPalletsDialog : public QDialog {
    Q_OBJECT
  public:
    OwnPalletsDialog(std::vector<PalletPreset> own, char decimalSeparator,
                     QWidget* parent = nullptr);

    const std::vector<PalletPreset>& Pallets() const { return pallets; }

    // "Добавить": true when the pallet of the fields joined the list.
    bool AddFromFields();
    // "Удалить": the pallet selected in the list.
    void RemoveSelected();

    QListWidget* List;
    QLineEdit* Name;
    QLineEdit* Length;
    QLineEdit* Width;
    QLineEdit* TareKg;
    QPushButton* Add;
    QPushButton* Remove;
    QLabel* Problem;

  private:
    void ShowList();
    void ShowProblem(const std::string& text);

    std::vector<PalletPreset> pallets;
    char decimalSeparator;
};
