// Photographs the window for the user guide at build time: a box turned into a bundle and the
// load calculated, as a user would do it, then the window grabbed into a PNG file.
#include "app/SDIMAIN.h"
#include "app/desktop.h"
#include "app/waitforadvice.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>

#include <cstdio>

namespace {

// The photograph must not depend on the machine that builds it: no settings file (the
// directory does not exist), no clipboard, no dialogs. A failure the window reports fails
// the build instead of going into the guide.
class StillDesktop : public Desktop {
  public:
    void ShowError(QWidget*, const QString& message) override {
        std::fprintf(stderr, "stowly-windowshot: %s\n", message.toLocal8Bit().constData());
        failed = true;
    }
    void ShowInformation(QWidget*, const QString&) override {}
    bool ClipboardHasText() override { return false; }
    QString ClipboardText() override { return {}; }
    void SetClipboardImage(const QImage&) override {}
    std::optional<QColor> PickColour(QWidget*, const QColor&) override { return std::nullopt; }
    std::optional<WeightFields> EditWeights(QWidget*, const WeightFields&) override {
        return std::nullopt;
    }
    std::optional<std::vector<PalletPreset>>
    EditOwnPallets(QWidget*, const std::vector<PalletPreset>&) override {
        return std::nullopt;
    }
    void OpenDocument(const QString&) override {}
    QString ExecutableDir() override { return QStringLiteral("/nonexistent-stowly-windowshot"); }
    std::optional<QString> SaveFileName(QWidget*, const QString&, const QString&) override {
        return std::nullopt;
    }
    PrintOutcome PrintPage(QWidget*, const std::function<void(QPainter&)>&) override {
        return PrintOutcome::Cancelled;
    }

    bool failed = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: stowly-windowshot OUTPUT.png\n");
        return 2;
    }
    StillDesktop desktop;
    TSDIAppForm form(desktop, {});
    form.show();
    QApplication::processEvents();
    form.MaskEdit9->setText("400");
    form.MaskEdit10->setText("300");
    form.MaskEdit11->setText("200");
    form.MaskEdit12->setText("10");
    form.MaskEdit14->setText("1000");
    form.RunCommand([&] { form.Button2Click(); });
    form.RunCommand([&] { form.Button1Click(); });
    // The layer advice follows from another thread; the guide shows the window once it is there.
    // The advisor's work budget ends the wait long before the minute that only keeps a broken
    // build from hanging.
    if (!WaitForAdvice(form, 60'000)) {
        std::fprintf(stderr, "stowly-windowshot: the layer advice never arrived\n");
        return 1;
    }
    QApplication::processEvents();
    if (desktop.failed || !form.grab().save(QString::fromLocal8Bit(argv[1]), "PNG"))
        return 1;
    return 0;
}
