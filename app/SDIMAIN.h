#pragma once

#include <QMainWindow>

class TSDIAppForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TSDIAppForm(QWidget* parent = nullptr);
};
