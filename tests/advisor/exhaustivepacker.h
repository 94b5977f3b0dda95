#pragma once

#include <algorithm>
#include <utility>
#include <vector>

// The most l x w bundles (either way round) that fit the marked cells of a small grid, by
// trying everything: the first free cell either takes a bundle corner in one of two ways or
// stays empty.
class ExhaustivePacker {
  public:
    ExhaustivePacker(int width, int height, std::vector<char> usable, int l, int w)
        : width_(width), height_(height), cells_(std::move(usable)), l_(l), w_(w) {
        for (char c : cells_)
            free_ += c;
    }

    static ExhaustivePacker Rectangle(int width, int height, int l, int w) {
        return {width, height, std::vector<char>(static_cast<std::size_t>(width * height), 1), l,
                w};
    }

    int Best() {
        Search(0, 0, free_);
        return best_;
    }

  private:
    char& Cell(int x, int y) { return cells_[static_cast<std::size_t>(y * width_ + x)]; }

    bool Fits(int x, int y, int a, int b) {
        if (x + a > width_ || y + b > height_)
            return false;
        for (int j = y; j < y + b; ++j) {
            for (int i = x; i < x + a; ++i) {
                if (Cell(i, j) != 1)
                    return false;
            }
        }
        return true;
    }

    void Mark(int x, int y, int a, int b, char value) {
        for (int j = y; j < y + b; ++j) {
            for (int i = x; i < x + a; ++i)
                Cell(i, j) = value;
        }
    }

    void Search(int cell, int placed, int freeCells) {
        if (placed + freeCells / (l_ * w_) <= best_)
            return;
        while (cell < width_ * height_ && cells_[static_cast<std::size_t>(cell)] != 1)
            ++cell;
        if (cell == width_ * height_) {
            best_ = std::max(best_, placed);
            return;
        }
        const int x = cell % width_, y = cell / width_;
        for (const auto& [a, b] : {std::pair{l_, w_}, std::pair{w_, l_}}) {
            if (Fits(x, y, a, b)) {
                Mark(x, y, a, b, 2);
                Search(cell + 1, placed + 1, freeCells - a * b);
                Mark(x, y, a, b, 1);
            }
            if (l_ == w_)
                break;
        }
        cells_[static_cast<std::size_t>(cell)] = 3;
        Search(cell + 1, placed, freeCells - 1);
        cells_[static_cast<std::size_t>(cell)] = 1;
    }

    int width_, height_;
    std::vector<char> cells_; // 1 free, 2 covered, 3 left empty, 0 outside
    int l_, w_;
    int free_ = 0;
    int best_ = 0;
};
