#include "menu_bar.h"

#include <array>

#include "platform/text.h"

namespace fsim {
namespace {

constexpr std::array kBarTitles = {"&Flights", "&World", "&Aircraft", "&Options", "&Views",
                                   "&Window",  "&Help",  "&Extra1",   "&Extra2"};
constexpr unsigned kFirstBarId = 100;
constexpr unsigned kCommandIdStep = 1000;

}  // namespace

platform::Hmenu BuildMenuBar(int items) {
    if (items <= 0) return 0;
    const platform::Hmenu bar = platform::CreateMenu();
    for (int index = 0; index < items; ++index) {
        const unsigned id = kFirstBarId + static_cast<unsigned>(index);
        const platform::Hmenu popup = platform::CreatePopupMenu();
        platform::AppendMenu(popup, {id + kCommandIdStep, "Command"});
        const std::string title =
            static_cast<size_t>(index) < kBarTitles.size() ? kBarTitles[index] : "&Menu" + std::to_string(index);
        platform::AppendMenu(bar, {id, title, platform::MF_ENABLED, popup});
    }
    return bar;
}

std::string DescribeMenu(platform::Hmenu menu) {
    std::string text;
    const int count = platform::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        const auto item = platform::GetMenuItem(menu, static_cast<unsigned>(position));
        if (position > 0) text += ',';
        text += platform::Format("%s#%u:%u", item->text.c_str(), item->id, item->state);
        if (item->popup != 0) text += platform::Format("{%s}", DescribeMenu(item->popup).c_str());
    }
    return text;
}

}  // namespace fsim
