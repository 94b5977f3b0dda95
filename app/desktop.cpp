#include "app/desktop.h"

#include "app/ownpalletsdialog.h"
#include "app/weightsdialog.h"
#include "shell/calculation.h"
#include "shell/texts.h"

#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QUrl>

namespace {

QString Title() {
    return QString::fromUtf8(Texts::ApplicationTitle);
}

} // namespace

void SystemDesktop::ShowError(QWidget* owner, const QString& message) {
    QMessageBox::critical(owner, Title(), message);
}

void SystemDesktop::ShowInformation(QWidget* owner, const QString& message) {
    QMessageBox::information(owner, Title(), message, QMessageBox::Ok);
}

bool SystemDesktop::ClipboardHasText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

QString SystemDesktop::ClipboardText() {
    return QGuiApplication::clipboard()->text();
}

void SystemDesktop::SetClipboardImage(const QImage& image) {
    // Qt offers the image as image/png (and the other image types) to every program that asks.
    QGuiApplication::clipboard()->setImage(image);
}

std::optional<QColor> SystemDesktop::PickColour(QWidget* owner, const QColor& initial) {
    const QColor colour = QColorDialog::getColor(initial, owner);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

std::optional<WeightFields> SystemDesktop::EditWeights(QWidget* owner,
                                                       const WeightFields& current) {
    WeightsDialog dialog(current, LocaleDecimalSeparator(), owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Fields();
}

std::optional<std::vector<PalletPreset>>
SystemDesktop::EditOwnPallets(QWidget* owner, const std::vector<PalletPreset>& current) {
    OwnPalletsDialog dialog(current, LocaleDecimalSeparator(), owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Pallets();
}

void SystemDesktop::OpenDocument(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString SystemDesktop::ExecutableDir() {
    return QCoreApplication::applicationDirPath();
}

std::optional<QString> SystemDesktop::SaveFileName(QWidget* owner, const QString& filter,
                                                   const QString& suggested) {
    const QString path =
        QFileDialog::getSaveFileName(owner, QString(), QDir::home().filePath(suggested), filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

Desktop::PrintOutcome SystemDesktop::PrintPage(QWidget* owner,
                                               const std::function<void(QPainter&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    printer.setFullPage(true);
    QPrintPreviewDialog dialog(&printer, owner);
    bool failed = false;
    // The preview paints the page for itself, and again for the printer when the user prints
    // from it.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        QPainter painter;
        if (!painter.begin(target)) {
            failed = true;
            return;
        }
        paint(painter);
        failed = !painter.end() || failed;
    });
    if (dialog.exec() != QDialog::Accepted)
        return PrintOutcome::Cancelled;
    return failed || printer.printerState() == QPrinter::Error ? PrintOutcome::Failed
                                                               : PrintOutcome::Printed;
}
