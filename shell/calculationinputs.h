#pragma once

#include "planning/loadplan.h"
#include "planning/pallets.h"
#include "render/canvas.h"
#include "shell/texts.h"
#include "shell/weightfields.h"

#include <string>
#include <vector>

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
    // The weights: box or bundle, the pallet's tare (empty for the usual pallet's) and the
    // maximum gross weight, all optional.
    WeightFields Weights;
    // The user's own pallets. The calculation does not read them; they travel with the inputs
    // because the settings file keeps them with the rest, and the pallet a user picks by name
    // is looked up among them.
    std::vector<PalletPreset> OwnPallets;
};
