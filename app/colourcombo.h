#pragma once

#include "render/canvas.h"

#include <QComboBox>

#include <functional>
#include <optional>

// The colour picker: swatches of the X11 colour set without names, and a last entry that opens
// the full custom-colour dialog. A colour outside the set gets a swatch of its own before it.
class ColourComboBox : public QComboBox {
    Q_OBJECT
  public:
    using ColourDialog = std::function<std::optional<QColor>(const QColor& initial)>;

    ColourComboBox(ColourDialog dialog, QWidget* parent = nullptr);

    Colour SelectedColour() const;
    void SetSelectedColour(Colour colour);

  private:
    void OnActivated(int index);
    int IndexOf(Colour colour) const;
    int CustomEntryIndex() const { return count() - 1; }

    ColourDialog dialog;
    int lastSwatch = 0;
    int extraSwatch = -1; // the swatch of a colour outside the set, once there is one
};
