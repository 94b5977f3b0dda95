#pragma once

class QDialog;
class QDialogButtonBox;
class QLabel;
class QWidget;

// The pieces the input dialogs share, so that they look and answer alike.

// A hidden, word-wrapped red line for what is wrong with the dialog's input.
QLabel* NewProblemLabel(QWidget* parent);

// OK and Cancel, wired to the dialog's accept and reject.
QDialogButtonBox* NewOkCancelButtons(QDialog* dialog);
