// The map's quick ways of drawing what a frame repeats thousands of times, each against the
// plain drawing it stands for: the pixels must be the same (a rose's within one).
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>
#include <random>
#include <vector>

#include "ident_writer.h"
#include "map_canvas.h"
#include "map_markers.h"
#include "mapview/map_image_cache.h"
#include "navaid_marks.h"

namespace trevalo::map_detail {
namespace {

constexpr int kSide = 240;  // pixels
const QColor kPaper(201, 226, 231);

struct Resolution {
    const char* what;
    int dotsPerMetre;
    std::optional<qtplatform::Font> font;
};

// The screen's resolution with the view's label font, and one pixel per logical unit with
// a label font and with the device context's own font.
const Resolution kResolutions[] = {
    {"96 dpi, label font", 3780, qtplatform::Font{"Arial", 32}},
    {"254 dpi, label font", 10000, qtplatform::Font{"Arial", 20}},
    {"254 dpi, no font", 10000, std::nullopt},
};

QImage Paper(const Resolution& resolution) {
    QImage image(kSide, kSide, QImage::Format_RGB32);
    image.setDotsPerMeterX(resolution.dotsPerMetre);
    image.setDotsPerMeterY(resolution.dotsPerMetre);
    image.fill(kPaper);
    return image;
}

// A frame whose client area is the image, at a zoom.
MapFrame FrameOf(const QImage& image, int zoom) {
    constexpr int kLoMetricPerInch = 254;
    const int dpi = image.logicalDpiX();
    const int logical = kSide * kLoMetricPerInch / dpi;
    return ScreenFrame(zoom, {100000, -100000, 100000 + logical, -100000 - logical}, kLoMetricPerInch / dpi, {});
}

// The image drawn on by draw(canvas).
QImage DrawnOn(const Resolution& resolution, int zoom, const std::function<void(MapCanvas&)>& draw,
               bool clipped = false) {
    QImage image = Paper(resolution);
    QPainter painter(&image);
    if (clipped) painter.setClipRect(QRect(0, 0, kSide, kSide));
    const MapFrame frame = FrameOf(image, zoom);
    MapCanvas canvas(painter, frame, resolution.font);
    draw(canvas);
    return image;
}

TEST(MapCanvasTest, ToDeviceIsTheDeviceContextsConversion) {
    std::mt19937 random(3);
    std::uniform_int_distribution<int> logical(-3000000, 3000000);
    for (const Resolution& resolution : kResolutions) {
        SCOPED_TRACE(resolution.what);
        QImage image = Paper(resolution);
        QPainter painter(&image);
        const MapFrame frame = FrameOf(image, 60);
        MapCanvas canvas(painter, frame, resolution.font);
        for (int i = 0; i < 2000; ++i) {
            const qtplatform::Point point{logical(random), logical(random)};
            const qtplatform::Point expected = canvas.Dc().LPtoDP(point), device = canvas.ToDevice(point);
            ASSERT_EQ(device.x, expected.x) << point.x;
            ASSERT_EQ(device.y, expected.y) << point.y;
        }
    }
}

TEST(MapCanvasTest, LinesInAnyOrderTakeThePixelsOfDrawingEachInTurn) {
    // Runways at a low zoom: many of a pixel or none, some given twice, some past the edge.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> at(-3, kSide + 2), step(-2, 2), far(-40, 40);
    std::vector<QLine> lines;
    for (int i = 0; i < 3000; ++i) {
        const QPoint from(at(random), at(random));
        const QPoint to = from + (i % 10 == 0 ? QPoint(far(random), far(random)) : QPoint(step(random), step(random)));
        lines.emplace_back(from, to);
        if (i % 7 == 0) lines.push_back(lines.back());
    }
    const Resolution& screen = kResolutions[0];
    const QImage each = DrawnOn(screen, 3, [&](MapCanvas& canvas) {
        canvas.SelectPen({qtplatform::PenStyle::Solid, 0, qtplatform::Rgb(0, 0, 0)});
        for (const QLine& line : lines) canvas.Painter().drawLine(line);
    });
    const QImage together = DrawnOn(screen, 3, [&](MapCanvas& canvas) {
        canvas.SelectPen({qtplatform::PenStyle::Solid, 0, qtplatform::Rgb(0, 0, 0)});
        std::vector<QLine> copy = lines;
        canvas.DrawLinesInAnyOrder(copy);
    });
    EXPECT_EQ(each, together);
}

TEST(IdentWriterTest, WritesThePixelsOfTextOut) {
    // Letters, digits, a hyphen, pairs that a font may kern, and a character no font has a
    // glyph for, which goes through TextOut.
    const char* const texts[] = {"KJFK", "LTAI", "AVTA", "EG-01", "27", "WAVY", "\x7f"};
    const qtplatform::ColorRef colours[] = {qtplatform::Rgb(0, 0, 0), qtplatform::Rgb(0, 128, 0)};
    for (const Resolution& resolution : kResolutions) {
        SCOPED_TRACE(resolution.what);
        // Two columns of texts, apart by 120 and 48 pixels.
        const int unitsPerPixel = 254 / Paper(resolution).logicalDpiX();
        const auto place = [unitsPerPixel](int i) {
            return qtplatform::Point{100000 + (2 + (i % 2) * 120) * unitsPerPixel,
                                     -100000 - (2 + (i / 2) * 48) * unitsPerPixel};
        };
        const QImage textOut = DrawnOn(resolution, 60, [&](MapCanvas& canvas) {
            for (std::size_t i = 0; i < std::size(texts); ++i) {
                canvas.SetTextColor(colours[i % 2]);
                canvas.Dc().TextOut(place(static_cast<int>(i)), texts[i]);
            }
        });
        const QImage written = DrawnOn(resolution, 60, [&](MapCanvas& canvas) {
            IdentWriter writer(canvas);
            for (std::size_t i = 0; i < std::size(texts); ++i)
                writer.Write(place(static_cast<int>(i)), texts[i], colours[i % 2]);
        });
        EXPECT_EQ(textOut, written);
    }
}

// Navaids at centres that round to pixels each its own way.
std::vector<std::pair<double, double>> Centres(const MapFrame& frame) {
    std::vector<std::pair<double, double>> centres;
    const ClipBox box = frame.VisibleBox();
    for (int i = 0; i < 6; ++i) {
        const int x = box.minX + (box.maxX - box.minX) * (1 + i) / 8 + i * 7;
        const int y = box.minY + (box.maxY - box.minY) * (1 + (i * 5) % 6) / 8 + i * 3;
        centres.emplace_back(frame.projection.DeviceToLon(x), frame.projection.DeviceToLat(y));
    }
    return centres;
}

TEST(NavaidMarksTest, ACircleTakesThePixelsOfDrawingIt) {
    const qtplatform::ColorRef blue = qtplatform::Rgb(0, 0, 255);
    for (const Resolution& resolution : kResolutions) {
        for (const bool clipped : {false, true}) {
            SCOPED_TRACE(std::string(resolution.what) + (clipped ? ", clipped painter" : ""));
            for (const int radius : {6, 10, 40}) {
                const auto draw = [&](MapCanvas& canvas, bool stamped) {
                    canvas.SelectPen({qtplatform::PenStyle::Solid, 0, blue});
                    NavaidMarks marks(canvas);
                    for (const auto& [x, y] : Centres(canvas.Frame())) {
                        if (stamped) {
                            marks.Draw(x, y, radius, blue, blue);
                        } else {
                            DrawHollowCircle(canvas.Dc(), canvas.Frame().projection.ToLogical(x, y), radius);
                        }
                    }
                };
                const QImage drawn = DrawnOn(
                    resolution, kIlsZoom, [&](MapCanvas& c) { draw(c, false); }, clipped);
                const QImage stamped = DrawnOn(
                    resolution, kIlsZoom, [&](MapCanvas& c) { draw(c, true); }, clipped);
                EXPECT_EQ(drawn, stamped) << "radius " << radius;
            }
        }
    }
}

// Whether each pixel of the colour in one image has ink (the colour, or the figures
// written over it) within a pixel of it in the other, away from the edges, where lines are
// cut.
bool WithinAPixel(const QImage& a, const QImage& b, QColor colour) {
    constexpr int kEdge = 2;
    for (int y = kEdge; y < a.height() - kEdge; ++y) {
        for (int x = kEdge; x < a.width() - kEdge; ++x) {
            if (a.pixelColor(x, y) != colour) continue;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = b.valid(x + dx, y + dy) && b.pixelColor(x + dx, y + dy) != kPaper;
            if (!near) return false;
        }
    }
    return true;
}

TEST(NavaidMarksTest, ARoseLiesWithinAPixelOfItsDrawing) {
    const qtplatform::ColorRef darkGreen = qtplatform::Rgb(0, 128, 0), green = qtplatform::Rgb(0, 255, 0);
    const Resolution& screen = kResolutions[0];
    const auto draw = [&](MapCanvas& canvas, bool stamped) {
        canvas.SelectPen({qtplatform::PenStyle::Solid, 0, darkGreen});
        canvas.SetTextColor(green);
        canvas.Dc().SelectBrush({qtplatform::BrushStyle::Hollow});
        NavaidMarks marks(canvas);
        for (const auto& [x, y] : Centres(canvas.Frame())) {
            if (stamped) {
                marks.Draw(x, y, 0, darkGreen, green);
            } else {
                DrawRose(canvas.Dc(), canvas.Frame(), canvas.Frame().projection.ToLogical(x, y));
            }
        }
    };
    const int zoom = kIlsZoom + 1;
    const QImage drawn = DrawnOn(screen, zoom, [&](MapCanvas& c) { draw(c, false); });
    const QImage stamped = DrawnOn(screen, zoom, [&](MapCanvas& c) { draw(c, true); });
    EXPECT_NE(drawn, Paper(screen));
    EXPECT_TRUE(WithinAPixel(drawn, stamped, QColor(0, 128, 0)));
    EXPECT_TRUE(WithinAPixel(stamped, drawn, QColor(0, 128, 0)));
}

}  // namespace
}  // namespace trevalo::map_detail
