#include "mapview/label_font.h"

#include <algorithm>

#include "platform/mul_div.h"

namespace trevalo {
namespace {

constexpr int kFiftiethOfWorld = 25920;

}  // namespace

int LabelFont::HeightForZoom(int zoom) {
    return std::clamp(platform::MulDiv(kFiftiethOfWorld, zoom, 1000), kMinHeight, kMaxHeight);
}

void LabelFont::Update(int drawingZoom) {
    const int height = HeightForZoom(drawingZoom);
    if (font_ && font_->height == height) return;
    font_ = qtplatform::Font{"Arial", height, qtplatform::kFontWeightNormal, false};
}

}  // namespace trevalo
