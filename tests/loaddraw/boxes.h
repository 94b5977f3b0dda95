#pragma once

#include "render/PodNew.h"
#include "tests/support/recordingcanvas.h"

#include <vector>

// A box as the load drawing hands it to DrawBox.
struct Box {
    int x1, y1, z1, x2, y2, z2;
};

// The operations DrawBox makes for each box in turn, on a canvas whose pen is `pen`: what a
// routine that draws exactly these boxes, in this order, must have produced.
inline std::vector<CanvasOp> BoxOps(const SceneState& state, const std::vector<Box>& boxes,
                                    Colour pen) {
    RecordingCanvas canvas(pen);
    for (const Box& b : boxes)
        DrawBox(state, b.x1, b.y1, b.z1, b.x2, b.y2, b.z2, canvas);
    return canvas.ops;
}

inline std::vector<CanvasOp> Slice(const std::vector<CanvasOp>& ops, std::size_t from,
                                   std::size_t count) {
    if (from > ops.size())
        return {};
    const std::size_t end = std::min(ops.size(), from + count);
    return {ops.begin() + static_cast<std::ptrdiff_t>(from),
            ops.begin() + static_cast<std::ptrdiff_t>(end)};
}

// Operations per box: pen to black, three brushes and polygons, pen back.
constexpr std::size_t OpsPerBox = 8;

// The scene state of a 417 x 564 picture fitted to a load box.
inline SceneState FittedTo(double x, double y, double z) {
    SceneState state;
    state.PalletHeight = 150.0;
    FitProjection(state, 417, 564 - SceneTopBand, 0, 0, 0, x, y, z);
    return state;
}

// Counts polygons and remembers nothing else: for pictures of hundreds of thousands of boxes.
// Counts an operation list's polygons unless told to count a picture's.
class CountingCanvas : public Canvas {
  public:
    explicit CountingCanvas(bool everyPolygon = true) : everyPolygon_(everyPolygon) {}
    bool KeepsEveryPolygon() const override { return everyPolygon_; }
    long long polygons = 0;
    long long others = 0;
    Colour PenColour() const override { return pen_; }
    void SetPenColour(Colour colour) override { pen_ = colour; }
    int PenWidth() const override { return 1; }
    void SetPenWidth(int) override {}
    Colour BrushColour() const override { return 0; }
    void SetBrushColour(Colour) override {}
    void SetBrushSolid() override {}
    void FillRect(int, int, int, int) override { ++others; }
    void Polygon(const Quad&) override { ++polygons; }
    void TextOut(int, int, const std::string&) override { ++others; }

  private:
    bool everyPolygon_;
    Colour pen_ = 0;
};
