#pragma once

#include "render/canvas.h"

#include <array>
#include <cstdint>

// Scene coordinates in millimetres: X and Y horizontal, Z vertical and growing downwards. After
// ViewTransform the same record holds view coordinates.
struct ScenePoint {
    double X = 0, Y = 0, Z = 0;
};

// The drawing state of one picture. A context object: the window owns one for its whole life,
// and every routine of one picture is handed the same instance.
struct SceneState {
    ScenePoint RotationCentre; // every rotation of the scene turns about this point
    // The last fit: millimetres of view coordinate per pixel and the pixel shifts. Valid only
    // once FitProjection has run for the current picture.
    double Scale = 0, OffsetX = 0, OffsetY = 0;
    // 1 while the pallet of the current picture is still to be drawn.
    std::uint8_t PalletPending = 1;
    double PalletHeight = 0; // mm
};

// Pixel rows kept free above the scene for the text block.
inline constexpr int SceneTopBand = 80;

// Turns Source by Angle degrees about the axis through Centre parallel to X (Axis 1), Y (2) or
// Z (3) and snaps all three coordinates of the result toward zero to whole millimetres. Target
// may be Source itself. Any other Axis leaves Target as it was.
void RotatePoint(const ScenePoint& Centre, const ScenePoint& Source, ScenePoint& Target,
                 std::uint8_t Axis, double Angle);

// Turns a scene point in place into the fixed oblique view: a quarter turn about X, 45 degrees
// about Y, -30 degrees about X, each snapped to whole millimetres.
void ViewTransform(const SceneState& state, ScenePoint& point);

// Turns view X and Y in place into real pixel coordinates of the picture (Z is left alone). The
// pixel drawn is (X, Y) truncated toward zero.
void MapToScreen(const SceneState& state, ScenePoint& point);

// Fits the view of the box with opposite corners (X1, Y1, Z1) and (X2, Y2, Z2), in either order,
// into an area of AreaWidth x AreaHeight pixels below the top band: the view fills 1 / 1.3 of
// the area along its tighter dimension and is centred. Sets Scale, OffsetX and OffsetY; an area
// or a view without extent throws FloatingPointError.
void FitProjection(SceneState& state, std::int32_t AreaWidth, std::int32_t AreaHeight, double X1,
                   double Y1, double Z1, double X2, double Y2, double Z2);

// Draws the cuboid with corners (X1, Y1, Z1) and (X2, Y2, Z2) as the three faces that meet at
// (X2, Y2, Z1), filled in shades of the canvas's pen colour and outlined in black. The pen colour
// is restored; the brush is left at the box colour.
void DrawBox(const SceneState& state, std::int32_t X1, std::int32_t Y1, std::int32_t Z1,
             std::int32_t X2, std::int32_t Y2, std::int32_t Z2, Canvas& canvas);

// The three faces DrawBox paints, as bits of a face set, in the order they are painted: the
// face in the plane Y = Y2, the face X = X2 and the face Z = Z1.
enum BoxFace : std::uint8_t { BoxFaceY2 = 1, BoxFaceX2 = 2, BoxFaceZ1 = 4 };
inline constexpr std::uint8_t EveryBoxFace = BoxFaceY2 | BoxFaceX2 | BoxFaceZ1;

// The pixels of the eight corners of a box, numbered as DrawBox numbers them: V0 (X1, Y1, Z1),
// V1 (X1, Y1, Z2), V2 (X2, Y1, Z2), V3 (X2, Y1, Z1), V4 (X1, Y2, Z1), V5 (X1, Y2, Z2),
// V6 (X2, Y2, Z2), V7 (X2, Y2, Z1).
using BoxPixels = std::array<PixelPoint, 8>;

// The pixels of a box's corners through ViewTransform and MapToScreen.
BoxPixels ProjectBox(const SceneState& state, std::int32_t X1, std::int32_t Y1, std::int32_t Z1,
                     std::int32_t X2, std::int32_t Y2, std::int32_t Z2);

// Paints the faces of the set, in DrawBox's order, shades and outlines, over the given corner
// pixels: a box DrawBox would paint, less the faces left out. An empty set touches nothing; the
// pen is restored and the brush is left at the shade of the last face painted.
void PaintBoxFaces(const BoxPixels& p, std::uint8_t faces, Canvas& canvas);
