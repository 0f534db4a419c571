#include "ident_writer.h"

#include <QFontMetrics>
#include <QGlyphRun>

namespace trevalo::map_detail {
namespace {

constexpr int kFirstPrintable = 32, kLastPrintable = 126;  // of ASCII: others go through TextOut

}  // namespace

IdentWriter::~IdentWriter() { canvas_.Painter().restore(); }

IdentWriter::IdentWriter(MapCanvas& canvas) : canvas_(canvas) {
    QPainter& painter = canvas.Painter();
    const QFont font = canvas.Dc().DeviceFont();  // the label font the canvas selected
    painter.save();
    // A font of the default size takes its size from the resolution, which the painter and
    // a font's glyphs may each read their own way: all its texts go through TextOut.
    if (font.pixelSize() <= 0) return;
    raw_ = QRawFont::fromFont(font);
    run_.setRawFont(raw_);
    ascent_ = QFontMetrics(font, painter.device()).ascent();
    for (int c = kFirstPrintable; c <= kLastPrintable; ++c) {
        const QChar character(static_cast<char16_t>(c));
        int count = 1;
        if (!raw_.glyphIndexesForChars(&character, 1, &glyphs_[static_cast<std::size_t>(c)], &count) || count != 1)
            glyphs_[static_cast<std::size_t>(c)] = 0;
    }
}

void IdentWriter::Write(qtplatform::Point point, const char* text, qtplatform::ColorRef colour) {
    int count = 0;
    for (const char* c = text; *c != '\0'; ++c, ++count) {
        const quint32 glyph = glyphs_[static_cast<unsigned char>(*c)];
        if (glyph == 0 || count == kLongest) {  // also every character where the font has no size
            canvas_.SetTextColor(colour);
            canvas_.Dc().TextOut(point, text);
            return;
        }
        runGlyphs_[static_cast<std::size_t>(count)] = glyph;
    }
    if (count == 0) return;
    raw_.advancesForGlyphIndexes(runGlyphs_.data(), runPositions_.data(), count, QRawFont::KernedAdvances);
    qreal x = 0;
    for (int i = 0; i < count; ++i) {
        QPointF& position = runPositions_[static_cast<std::size_t>(i)];
        const qreal advance = position.x();
        position = QPointF(x, 0);
        x += advance;
    }
    run_.setRawData(runGlyphs_.data(), runPositions_.data(), count);
    QPainter& painter = canvas_.Painter();
    if (colour_ != colour) {
        painter.setPen(qtplatform::ToQColor(colour));
        colour_ = colour;
    }
    const qtplatform::Point device = canvas_.ToDevice(point);
    painter.drawGlyphRun(QPointF(device.x, device.y + ascent_), run_);
}

}  // namespace trevalo::map_detail
