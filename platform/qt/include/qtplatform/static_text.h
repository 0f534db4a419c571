// Static texts as dialog templates write them: "&&" stands for one "&" on screen.
#pragma once

#include <QLabel>
#include <string>
#include <string_view>

namespace qtplatform {

// The text as the user sees it.
std::string StaticText(std::string_view templateText);

// A label showing the template text.
QLabel* NewStaticText(std::string_view templateText);

}  // namespace qtplatform
