// The map's idents written glyph by glyph in the label font: each character's glyph is
// looked up once a frame, so that a thousand idents cost no text shaping, for the same
// pixels as the device context's TextOut with the text's top-left corner at the point.
// A text with a character the font has no glyph for, and every text in a font without a
// height of its own, goes through TextOut.
#pragma once

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <array>
#include <optional>

#include "map_canvas.h"

namespace trevalo::map_detail {

class IdentWriter {
public:
    // Keeps the painter's pen for the canvas's drawing after it.
    explicit IdentWriter(MapCanvas& canvas);
    IdentWriter(const IdentWriter&) = delete;
    IdentWriter& operator=(const IdentWriter&) = delete;
    ~IdentWriter();

    // text: single-byte characters; point: logical, the text's top-left corner.
    void Write(qtplatform::Point point, const char* text, qtplatform::ColorRef colour);

private:
    MapCanvas& canvas_;
    QRawFont raw_;
    int ascent_ = 0;
    std::array<quint32, 256> glyphs_{};  // 0: none
    // The text being written: its glyphs and their positions, which run_ points into.
    static constexpr int kLongest = 64;
    std::array<quint32, kLongest> runGlyphs_{};
    std::array<QPointF, kLongest> runPositions_{};
    QGlyphRun run_;
    std::optional<qtplatform::ColorRef> colour_;
};

}  // namespace trevalo::map_detail
