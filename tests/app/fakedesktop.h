#pragma once

#include "app/desktop.h"

#include <QImage>
#include <QPainter>
#include <QStringList>

// Records what the window asks of the desktop and answers from fields the test sets.
class FakeDesktop : public Desktop {
  public:
    void ShowError(QWidget*, const QString& message) override { errors << message; }
    void ShowInformation(QWidget*, const QString& message) override { informations << message; }
    bool ClipboardHasText() override { return clipboardText.has_value(); }
    QString ClipboardText() override { return clipboardText.value_or(QString()); }
    void SetClipboardImage(const QImage& image) override {
        clipboardImage = image;
        clipboardText.reset();
        ++imagesCopied;
    }
    std::optional<QColor> PickColour(QWidget*, const QColor&) override { return pickedColour; }
    std::optional<WeightFields> EditWeights(QWidget*, const WeightFields& current) override {
        weightsShown.push_back(current);
        return editedWeights;
    }
    std::optional<std::vector<PalletPreset>>
    EditOwnPallets(QWidget*, const std::vector<PalletPreset>& current) override {
        ownPalletsShown.push_back(current);
        return editedOwnPallets;
    }
    void OpenDocument(const QString& path) override { opened << path; }
    QString ExecutableDir() override { return executableDir; }
    std::optional<QString> SaveFileName(QWidget*, const QString& filter, const QString&) override {
        saveFilters << filter;
        return savePath;
    }
    // Paints on an A4 page of pixels, as a printer would, unless the test cancels or fails it.
    PrintOutcome PrintPage(QWidget*, const std::function<void(QPainter&)>& paint) override {
        ++printDialogs;
        if (printOutcome != PrintOutcome::Printed)
            return printOutcome;
        printedPage = QImage(PrintedPageWidth, PrintedPageHeight, QImage::Format_RGB32);
        printedPage.fill(Qt::white);
        QPainter painter(&printedPage);
        paint(painter);
        return printOutcome;
    }

    QStringList errors;
    QStringList informations;
    std::optional<QString> clipboardText;
    QImage clipboardImage;
    int imagesCopied = 0;
    std::optional<QColor> pickedColour;
    std::vector<WeightFields> weightsShown;
    std::optional<WeightFields> editedWeights;
    std::vector<std::vector<PalletPreset>> ownPalletsShown;
    std::optional<std::vector<PalletPreset>> editedOwnPallets;
    QStringList opened;
    QString executableDir = QStringLiteral("/nonexistent-stowly-test-dir");
    QStringList saveFilters;
    std::optional<QString> savePath;
    int printDialogs = 0;
    PrintOutcome printOutcome = PrintOutcome::Printed;
    // A4 at 60 dots an inch.
    static constexpr int PrintedPageWidth = 496, PrintedPageHeight = 702;
    QImage printedPage;
};
