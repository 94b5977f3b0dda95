#include "canvas/polygonstamps.h"

#include "canvas/qtcolour.h"

#include <QPainter>
#include <QPoint>

#include <algorithm>
#include <cstring>

namespace {

// Pixels a run may paint around its corners: the outline's pixel at a corner, and one more for
// the pixel an outline adds where it turns.
constexpr int Margin = 2;

} // namespace

std::size_t PolygonStamps::KeyHash::operator()(const Key& key) const {
    std::uint64_t words[6];
    static_assert(sizeof(words) == sizeof(key.corners));
    std::memcpy(words, key.corners.data(), sizeof(words));
    std::uint64_t h = key.count | std::uint64_t{key.penWidth} << 8 | std::uint64_t{key.pen} << 16;
    const auto mix = [&h](std::uint64_t value) {
        h = (h ^ value) * 0x9E3779B97F4A7C15ull;
        h ^= h >> 31;
    };
    for (std::uint64_t word : words)
        mix(word);
    for (Colour brush : key.brushes)
        mix(brush);
    return static_cast<std::size_t>(h);
}

bool PolygonStamps::Paint(QImage& image, Colour pen, int penWidth, const FilledQuad* run,
                          int count) {
    if (count < 1 || count > 3 || penWidth < 0 || penWidth > 1 ||
        image.format() != QImage::Format_RGB32)
        return false;
    int left = run[0].Points[0].X, top = run[0].Points[0].Y, right = left, bottom = top;
    for (int i = 0; i < count; ++i)
        for (const PixelPoint& p : run[i].Points) {
            left = std::min(left, p.X);
            right = std::max(right, p.X);
            top = std::min(top, p.Y);
            bottom = std::max(bottom, p.Y);
        }
    // The painter clips nothing of a run this far inside the picture, here or on the scratch.
    if (left < Margin || top < Margin || right >= image.width() - Margin ||
        bottom >= image.height() - Margin || right - left > MaxSide || bottom - top > MaxSide)
        return false;

    Key key;
    key.count = static_cast<std::uint8_t>(count);
    key.penWidth = static_cast<std::uint8_t>(penWidth);
    key.pen = pen & 0xFFFFFF;
    for (int i = 0; i < count; ++i) {
        key.brushes[i] = run[i].Brush & 0xFFFFFF;
        for (int c = 0; c < 4; ++c) {
            key.corners[i * 8 + c * 2] = static_cast<std::int16_t>(run[i].Points[c].X - left);
            key.corners[i * 8 + c * 2 + 1] = static_cast<std::int16_t>(run[i].Points[c].Y - top);
        }
    }
    if (runs_.size() >= MaxRunsKnown || pixels_.size() >= MaxPixelsKept)
        Forget();
    // A run seen once is painted the ordinary way: most shapes of a load come again, but a
    // picture of a few large boxes would pay for a stamp it never uses.
    const auto [found, added] = runs_.try_emplace(key);
    Entry& entry = found->second;
    if (added)
        return false;
    if (!entry.stamped) {
        entry.stamp = MakeStamp(key);
        entry.stamped = true;
    }

    const Stamp& stamp = entry.stamp;
    if (left + stamp.left < 0 || top + stamp.top < 0 || left + stamp.right >= image.width() ||
        top + stamp.bottom >= image.height())
        return false;
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const Span* span = spans_.data() + stamp.firstSpan;
    for (std::uint32_t s = 0; s < stamp.spanCount; ++s, ++span) {
        auto* row = reinterpret_cast<std::uint32_t*>(bits + (top + span->dy) * stride);
        std::memcpy(row + left + span->dx, pixels_.data() + span->first,
                    static_cast<std::size_t>(span->length) * sizeof(std::uint32_t));
    }
    return true;
}

PolygonStamps::Stamp PolygonStamps::MakeStamp(const Key& key) {
    constexpr int side = MaxSide + 2 * Margin + 1;
    if (scratch_.isNull())
        scratch_ = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
    // Untouched pixels stay transparent; every pixel painted is opaque.
    scratch_.fill(Qt::transparent);
    {
        QPainter painter(&scratch_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(PicturePen(key.pen, key.penWidth));
        for (int i = 0; i < key.count; ++i) {
            QPoint corners[4];
            for (int c = 0; c < 4; ++c)
                corners[c] = QPoint(key.corners[i * 8 + c * 2] + Margin,
                                    key.corners[i * 8 + c * 2 + 1] + Margin);
            painter.setBrush(ToQColor(key.brushes[i]));
            painter.drawPolygon(corners, 4);
        }
    }
    Stamp stamp;
    stamp.left = stamp.top = side;
    stamp.right = stamp.bottom = -side;
    stamp.firstSpan = static_cast<std::uint32_t>(spans_.size());
    for (int y = 0; y < side; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(scratch_.constScanLine(y));
        for (int x = 0; x < side;) {
            if (qAlpha(row[x]) == 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < side && qAlpha(row[x]) != 0)
                ++x;
            stamp.left = std::min(stamp.left, start - Margin);
            stamp.right = std::max(stamp.right, x - 1 - Margin);
            stamp.top = std::min(stamp.top, y - Margin);
            stamp.bottom = std::max(stamp.bottom, y - Margin);
            spans_.push_back(
                {static_cast<std::int16_t>(start - Margin), static_cast<std::int16_t>(y - Margin),
                 static_cast<std::int16_t>(x - start), static_cast<std::uint32_t>(pixels_.size())});
            pixels_.insert(pixels_.end(), row + start, row + x);
        }
    }
    stamp.spanCount = static_cast<std::uint32_t>(spans_.size()) - stamp.firstSpan;
    return stamp;
}

void PolygonStamps::Forget() {
    runs_.clear();
    spans_.clear();
    pixels_.clear();
}
