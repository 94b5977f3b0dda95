#include "report/reportpage.h"

#include "canvas/paintercanvas.h"
#include "canvas/picturefont.h"
#include "loaddraw/drawblockpattern.h"
#include "settings/replacefile.h"

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace {

// The page in millimetres; the device decides how many pixels one is.
constexpr double PageWidthMm = 210, PageHeightMm = 297;
constexpr double MarginMm = 14;
constexpr double ColumnGapMm = 6;
// The 3D picture's box: the window's proportions, a little less than half the page wide.
constexpr double PictureWidthMm = 92, PictureHeightMm = 106;
constexpr double TitleMm = 5.2, TextMm = 3.4, HeadingMm = 3.8;
constexpr int PdfDotsPerInch = 300;

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class PageGeometry {
  public:
    explicit PageGeometry(const QPainter& painter)
        : perMm_(std::min(painter.device()->width() / PageWidthMm,
                          painter.device()->height() / PageHeightMm)) {}
    double Px(double mm) const { return mm * perMm_; }
    int Pixels(double mm) const { return static_cast<int>(std::lround(Px(mm))); }
    QFont Font(double heightMm, bool bold = false) const {
        QFont font(PictureFontFamily);
        font.setPixelSize(std::max(1, Pixels(heightMm)));
        font.setBold(bold);
        return font;
    }

  private:
    double perMm_;
};

// Writes wrapped lines into the column from `top` (mm) and returns where the text ends.
double WriteLines(QPainter& painter, const PageGeometry& g, const QFont& font,
                  const std::vector<std::string>& lines, double left, double width, double top) {
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    double y = g.Px(top);
    for (const std::string& line : lines) {
        const QRectF room(g.Px(left), y, g.Px(width), g.Px(PageHeightMm));
        const QRectF used = painter.boundingRect(
            room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, FromUtf8(line));
        painter.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, FromUtf8(line));
        y += used.height() + metrics.leading() + g.Px(0.6);
    }
    return y / g.Px(1);
}

// A surface that keeps nothing: the dry run that finds out whether a picture will be refused.
class DiscardingCanvas : public StatefulCanvas {
  public:
    void FillRect(int, int, int, int) override {}
    void Polygon(const Quad&) override {}
    void TextOut(int, int, const std::string&) override {}
};

// Whether the picture can be drawn: a load the picture refuses is refused before it has drawn
// anything on the page, so no half picture is left under the refusal.
bool PictureRefused(const ReportPage& page, const QRect& box) {
    DiscardingCanvas canvas;
    try {
        page.DrawPicture(canvas, box.width(), box.height());
    } catch (const PictureTooLargeError&) {
        return true;
    }
    return false;
}

// The 3D picture in its box, drawn straight onto the page as the vector drawing it is.
void PaintPicture(QPainter& painter, const PageGeometry& g, const ReportPage& page,
                  const QRect& box) {
    if (page.DrawPicture && !PictureRefused(page, box)) {
        painter.save();
        painter.setClipRect(box);
        painter.translate(box.topLeft());
        PainterCanvas canvas(painter, QRect(0, 0, box.width(), box.height()));
        page.DrawPicture(canvas, box.width(), box.height());
        painter.restore();
    } else if (page.DrawPicture) {
        painter.save();
        painter.setFont(g.Font(TextMm));
        painter.setPen(Qt::black);
        painter.drawText(box.adjusted(g.Pixels(4), 0, -g.Pixels(4), 0),
                         Qt::AlignCenter | Qt::TextWordWrap, FromUtf8(page.PictureRefusal));
        painter.restore();
    }
    // The frame last: the picture's white ground would cover it.
    painter.save();
    painter.setPen(QPen(Qt::gray, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    painter.restore();
}

} // namespace

void PaintReportPage(QPainter& painter, const ReportPage& page) {
    const PageGeometry g(painter);
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(Qt::black);

    // Header: the program and the time on one line, a rule below.
    const double contentWidth = PageWidthMm - 2 * MarginMm;
    painter.setFont(g.Font(TitleMm, true));
    const QRectF header(g.Px(MarginMm), g.Px(MarginMm), g.Px(contentWidth), g.Px(TitleMm * 1.5));
    painter.drawText(header, Qt::AlignLeft | Qt::AlignVCenter, FromUtf8(page.Title));
    painter.setFont(g.Font(TextMm));
    painter.drawText(header, Qt::AlignRight | Qt::AlignVCenter, FromUtf8(page.Time));
    const double ruleY = MarginMm + TitleMm * 1.5 + 1;
    painter.drawLine(QPointF(g.Px(MarginMm), g.Px(ruleY)),
                     QPointF(g.Px(PageWidthMm - MarginMm), g.Px(ruleY)));

    // The picture on the right, the sections down the left beside it.
    const double top = ruleY + 4;
    const double pictureLeft = PageWidthMm - MarginMm - PictureWidthMm;
    PaintPicture(painter, g, page,
                 QRect(g.Pixels(pictureLeft), g.Pixels(top), g.Pixels(PictureWidthMm),
                       g.Pixels(PictureHeightMm)));
    const double columnWidth = pictureLeft - ColumnGapMm - MarginMm;
    double y = top;
    for (const ReportSection& section : page.Sections) {
        if (section.Lines.empty())
            continue;
        y = WriteLines(painter, g, g.Font(HeadingMm, true), {section.Heading}, MarginMm,
                       columnWidth, y);
        y = WriteLines(painter, g, g.Font(TextMm), section.Lines, MarginMm, columnWidth, y) + 2.5;
    }

    // The plans share what is left of the page.
    const double plansTop = std::max(y, top + PictureHeightMm + 5);
    const double plansBottom = PageHeightMm - MarginMm;
    if (!page.Plans.empty() && plansBottom > plansTop) {
        const double each = (plansBottom - plansTop) / static_cast<double>(page.Plans.size());
        PainterCanvas canvas(painter,
                             QRect(0, 0, painter.device()->width(), painter.device()->height()));
        for (std::size_t i = 0; i < page.Plans.size(); ++i) {
            const double planTop = plansTop + each * static_cast<double>(i);
            DrawPlanPicture(canvas, page.Plans[i], g.Pixels(MarginMm), g.Pixels(planTop),
                            g.Pixels(contentWidth), g.Pixels(each - 2));
        }
    }
    painter.restore();
}

bool WriteReportPdf(const std::string& path, const ReportPage& page) {
    // The page is made in memory and written in one piece, so a file at `path` is either the
    // whole report or what was there before.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfDotsPerInch);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setCreator(FromUtf8(page.Title));
        writer.setTitle(FromUtf8(page.Title));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        PaintReportPage(painter, page);
        if (!painter.end())
            return false;
    }
    return WriteFileContent(path, bytes.toStdString());
}

std::string PngFileContent(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {};
    return bytes.toStdString();
}
