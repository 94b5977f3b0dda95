#pragma once

#include "planning/pallets.h"
#include "shell/weightfields.h"

#include <QColor>
#include <QImage>

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QPainter;
class QWidget;

// Everything the window does that blocks or reaches outside the process. The program uses
// SystemDesktop; the tests hand the window a fake and never see a modal box or the user's files.
class Desktop {
  public:
    virtual ~Desktop() = default;

    // The error report: a message box titled with the application title.
    virtual void ShowError(QWidget* owner, const QString& message) = 0;
    // An information message with a single OK button.
    virtual void ShowInformation(QWidget* owner, const QString& message) = 0;

    virtual bool ClipboardHasText() = 0;
    virtual QString ClipboardText() = 0;
    virtual void SetClipboardImage(const QImage& image) = 0;

    // The full custom-colour dialog; nothing when the user cancels.
    virtual std::optional<QColor> PickColour(QWidget* owner, const QColor& initial) = 0;

    // "Масса…": the weight texts as the user leaves them; nothing when the user cancels.
    virtual std::optional<WeightFields> EditWeights(QWidget* owner,
                                                    const WeightFields& current) = 0;
    // "Свои поддоны…": the user's own pallets as the user leaves them; nothing on cancel.
    virtual std::optional<std::vector<PalletPreset>>
    EditOwnPallets(QWidget* owner, const std::vector<PalletPreset>& current) = 0;

    // Opens a document with the desktop's default program; the outcome is not reported.
    virtual void OpenDocument(const QString& path) = 0;
    // The directory that holds the running executable, without a trailing separator.
    virtual QString ExecutableDir() = 0;

    // The save dialog: the chosen file's path, nothing when the user cancels. `filter` is in
    // Qt's "Name (*.ext);;Name (*.ext)" form, `suggested` the file name offered first.
    virtual std::optional<QString> SaveFileName(QWidget* owner, const QString& filter,
                                                const QString& suggested) = 0;

    enum class PrintOutcome { Printed, Cancelled, Failed };
    // The print dialog with its preview, then `paint` on one A4 page whose origin is the page's
    // corner, as often as the preview and the printer ask.
    virtual PrintOutcome PrintPage(QWidget* owner, const std::function<void(QPainter&)>& paint) = 0;
};

class SystemDesktop : public Desktop {
  public:
    void ShowError(QWidget* owner, const QString& message) override;
    void ShowInformation(QWidget* owner, const QString& message) override;
    bool ClipboardHasText() override;
    QString ClipboardText() override;
    void SetClipboardImage(const QImage& image) override;
    std::optional<QColor> PickColour(QWidget* owner, const QColor& initial) override;
    std::optional<WeightFields> EditWeights(QWidget* owner, const WeightFields& current) override;
    std::optional<std::vector<PalletPreset>>
    EditOwnPallets(QWidget* owner, const std::vector<PalletPreset>& current) override;
    void OpenDocument(const QString& path) override;
    QString ExecutableDir() override;
    std::optional<QString> SaveFileName(QWidget* owner, const QString& filter,
                                        const QString& suggested) override;
    PrintOutcome PrintPage(QWidget* owner, const std::function<void(QPainter&)>& paint) override;
};
