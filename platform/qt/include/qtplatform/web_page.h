// Showing a web page in the user's browser: a seam. The real service hands the address to
// the desktop's browser; it fails when none can be found or the address is not one. Tests
// answer with a WebPageRecorder.
#pragma once

#include <functional>
#include <string>

#include "platform/seam.h"

namespace qtplatform {

using WebPageHandler = std::function<bool(const std::string& address)>;

// False when the page could not be handed to a browser.
bool OpenWebPage(const std::string& address);

// Installs a handler in place of the browser; an empty one brings the browser back.
WebPageHandler SetWebPageHandler(WebPageHandler handler);

// Records each address and answers from the script, then that the page opened.
class WebPageRecorder : public platform::SeamRecorder<std::string, bool> {
public:
    explicit WebPageRecorder(std::vector<bool> answers = {})
        : SeamRecorder(&SetWebPageHandler, std::move(answers), true) {}
};

}  // namespace qtplatform
