#include "app/colourcombo.h"

#include "canvas/qtcolour.h"
#include "shell/calculationinputs.h"
#include "shell/texts.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int ColourRole = Qt::UserRole;
const QSize SwatchSize(84, 14);

Colour FromQColor(const QColor& colour) {
    return MakeColour(colour.red(), colour.green(), colour.blue());
}

QIcon Swatch(Colour colour) {
    QPixmap pixmap(SwatchSize);
    pixmap.fill(ToQColor(colour));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, SwatchSize.width() - 1, SwatchSize.height() - 1);
    return QIcon(pixmap);
}

// The X11 colour names in their alphabetical order, one spelling each (gray, not grey).
QList<Colour> X11Colours() {
    QList<Colour> colours;
    for (const QString& name : QColor::colorNames()) {
        if (name.contains(QLatin1String("grey")) || name == QLatin1String("transparent"))
            continue;
        colours.append(FromQColor(QColor::fromString(name)));
    }
    return colours;
}

} // namespace

ColourComboBox::ColourComboBox(ColourDialog dialog, QWidget* parent)
    : QComboBox(parent), dialog(std::move(dialog)) {
    setIconSize(SwatchSize);
    // A scrolling list of twenty swatches rather than a popup as tall as the screen.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    setMaxVisibleItems(20);
    for (Colour colour : X11Colours())
        addItem(Swatch(colour), QString(), QVariant::fromValue<uint>(colour));
    addItem(QString::fromUtf8(Texts::CustomColour));
    SetSelectedColour(CalculationInputs{}.DrawingColour);
    connect(this, &QComboBox::activated, this, &ColourComboBox::OnActivated);
}

Colour ColourComboBox::SelectedColour() const {
    return static_cast<Colour>(itemData(lastSwatch, ColourRole).toUInt());
}

int ColourComboBox::IndexOf(Colour colour) const {
    for (int i = 0; i < CustomEntryIndex(); ++i)
        if (static_cast<Colour>(itemData(i, ColourRole).toUInt()) == colour)
            return i;
    return -1;
}

void ColourComboBox::SetSelectedColour(Colour colour) {
    int index = IndexOf(colour);
    if (index < 0) {
        if (extraSwatch < 0) {
            extraSwatch = CustomEntryIndex();
            insertItem(extraSwatch, QIcon(), QString());
        }
        setItemIcon(extraSwatch, Swatch(colour));
        setItemData(extraSwatch, QVariant::fromValue<uint>(colour), ColourRole);
        index = extraSwatch;
    }
    lastSwatch = index;
    setCurrentIndex(index);
}

void ColourComboBox::OnActivated(int index) {
    if (index != CustomEntryIndex()) {
        lastSwatch = index;
        return;
    }
    // The dialog entry is not a colour: go back to the swatch until the user picks one.
    setCurrentIndex(lastSwatch);
    if (const std::optional<QColor> picked = dialog(ToQColor(SelectedColour())))
        SetSelectedColour(FromQColor(*picked));
}
