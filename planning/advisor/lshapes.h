#pragma once

#include "planning/advisor/fiveblock.h"
#include "planning/advisor/frame.h"
#include "planning/advisor/raster.h"

#include <array>
#include <cstdint>
#include <vector>

class BudgetMeter;

// The second, slower stage: pieces may also be L-shaped, a rectangle with its top right corner
// missing, and a piece splits into two rectangles or L-shapes in every way that one straight or
// stepped cut allows. Every five-block layer is one of these, and some layers no five-block
// pattern reaches are too. Pieces stay upright here (a rectangle wider than the layer is tall
// never turns up), so the tables are sized by the layer's own raster.
class LShapeSearch {
  public:
    // Whether the tables for a layer with nx and ny raster points along its sides stay small.
    static bool Fits(int nx, int ny);
    // How many pieces its tables hold.
    static std::int64_t Pieces(int nx, int ny);

    LShapeSearch(std::int64_t l, std::int64_t w, const Raster& raster, FiveBlockSearch& fiveBlock,
                 int nx, int ny, BudgetMeter& meter);

    // Best layer of the upright rectangle of raster lengths iu x iv.
    std::int64_t SolveRect(int iu, int iv);
    void BuildRect(int iu, int iv, Frame frame, std::vector<BundleBlock>& out) const;

    enum class Kind : std::uint8_t {
        FromFiveBlock, // as the first stage left it
        Empty,
        // Rectangles.
        CutX,        // r
        CutY,        // r
        Pinwheel,    // x1, y1, width of the right block, depth of the top block
        LAndCorner,  // an L of the whole with column a and row b, and the corner rectangle
        TwoLs,       // a stepped cut up from the bottom: a < c along x, b along y
        TwoLsAcross, // the same cut transposed
        // L-shapes X x Y with column x wide and row y deep.
        ColumnCut,    // straight down at a <= x
        RowEndCut,    // straight down at x < a < X
        RowCut,       // straight across at b <= y
        ColumnTopCut, // straight across at y < b < Y
        Nested,       // an L with column a and row b at the origin, the rest an L at (a, b)
        Stair,        // from the inner corner down to b, left to a, down to the bottom
        StairAcross,  // the same transposed
        Step,         // from the column's inner side at b > y, left to a, down to the bottom
        StepAcross,   // the same transposed
    };

    // A piece as a cut leaves it: a rectangle when x >= X or y >= Y.
    struct Shape {
        std::int64_t X = 0, Y = 0, x = 0, y = 0;
    };
    // Where a part lies in its parent: origin, then local sides counted back (0: not).
    struct PartPlace {
        Shape shape;
        std::int64_t atU = 0, atV = 0, mirrorU = 0, mirrorV = 0;
    };
    struct Parts {
        std::array<PartPlace, 5> part{};
        int count = 0;
    };
    // The one description of every split, shared by the search and the drawing.
    static Parts PartsOf(Kind kind, const std::array<std::int64_t, 4>& cut, const Shape& whole);

  private:
    struct Piece {
        std::int32_t bound = -1; // not looked at yet
        std::int32_t value = 0;
        std::array<std::int16_t, 4> cut{};
        Kind kind = Kind::Empty;
        bool settled = false;
    };
    // A piece cut down to raster lengths: a rectangle iX x iY, or an L when ix < iX, iy < iY.
    struct Ref {
        bool rect = true;
        int iX = 0, iY = 0, ix = 0, iy = 0;
    };

    Ref Normalize(const Shape& s) const;
    Piece& PieceOf(const Ref& ref);
    const Piece& PieceOf(const Ref& ref) const {
        return const_cast<LShapeSearch*>(this)->PieceOf(ref);
    }
    std::int64_t Solve(const Ref& ref);
    std::int64_t Waste(const Shape& s) const;
    Shape ShapeOf(const Ref& ref) const;

    // Records the split when its parts beat what the piece has.
    void Try(Piece& piece, const Shape& whole, Kind kind, const std::array<int, 4>& cut);
    void TryRectSplits(Piece& piece, const Shape& whole);
    void TryPinwheels(Piece& piece, const Shape& whole);
    void TryLSplits(Piece& piece, const Shape& whole);

    void Build(const Ref& ref, Frame frame, std::vector<BundleBlock>& out) const;

    std::int64_t area_;
    std::int64_t l_, w_;
    const Raster& raster_;
    FiveBlockSearch& fiveBlock_;
    int ny_;
    std::int64_t lRowStride_;
    std::vector<Piece> rects_;
    std::vector<Piece> ls_;
    BudgetMeter& meter_;
    std::vector<std::int64_t> scratch_;
};
