#pragma once

#include "planning/loadplan.h"
#include "render/canvas.h"
#include "shell/texts.h"

#include <string>

// Every input of a calculation as the window holds it: the field texts as typed, the check box,
// the colour, the flute profile and the text option. The member initialisers are the one table
// of defaults: the window starts with them, the report starts from them, and the settings file
// gives them for a key it does not hold.
struct CalculationInputs {
    // The bundle group.
    std::string BundleLength, BundleWidth, BundleHeight;
    std::string BundlesInOrder;
    // The pallet group.
    std::string PalletLength = std::to_string(StandardPalletLength);
    std::string PalletWidth = std::to_string(StandardPalletWidth);
    std::string MaxHeight = std::to_string(StandardMaxHeight);
    bool HeightIncludesPallet = true;
    std::string LengthOverhang = "0", WidthOverhang = "0";
    Colour DrawingColour = clSilver;
    // The box group.
    std::string BoxLength, BoxWidth, BoxHeight;
    std::string BoxesInOrder, BoxesPerBundle;
    std::string FluteProfile = Texts::FluteProfiles[0];
    // The text option: the picture carries the text block.
    bool AddText = true;
};
