// The map's label font: Arial of a height that follows the drawing zoom, made again only
// when it would shrink below the height remembered, so zooming in keeps the text small.
#pragma once

#include <optional>

#include "qtplatform/device_context.h"

namespace trevalo {

class LabelFont {
public:
    // The height for a drawing zoom: MulDiv(25920, zoom, 1000) logical units.
    static int HeightForZoom(int zoom);

    // Makes a new font when the rule asks for one.
    void Update(int drawingZoom);
    // Until a font has been made, labels keep the device context's current font.
    const std::optional<qtplatform::Font>& Font() const { return font_; }

private:
    static constexpr int kStartHeight = 26;
    int rememberedHeight_ = kStartHeight;
    std::optional<qtplatform::Font> font_;
};

}  // namespace trevalo
