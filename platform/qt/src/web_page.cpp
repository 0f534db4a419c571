#include "qtplatform/web_page.h"

#include <QDesktopServices>
#include <QUrl>

#include "qtplatform/text.h"

namespace qtplatform {
namespace {

platform::SeamSlot<WebPageHandler>& WebPageSlot() {
    static platform::SeamSlot<WebPageHandler> slot;
    return slot;
}

}  // namespace

bool OpenWebPage(const std::string& address) {
    if (const WebPageHandler handler = WebPageSlot().Current()) return handler(address);
    const QUrl url(ToQString(address));
    return url.isValid() && !url.isEmpty() && QDesktopServices::openUrl(url);
}

WebPageHandler SetWebPageHandler(WebPageHandler handler) { return WebPageSlot().Swap(std::move(handler)); }

}  // namespace qtplatform
