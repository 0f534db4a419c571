#include "quillet/support_mail.h"

#include "platform/paths.h"

namespace quillet {

std::string AttachmentName(std::string_view path, std::string_view title, std::string_view defaultExtension) {
    if (!path.empty()) {
        const std::size_t separator = path.find_last_of("/:\\");
        return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
    }
    std::string name(title);
    if (name.find('.') == std::string::npos) name += defaultExtension;
    return name;
}

std::string QuotedArgument(std::string_view text) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : text) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote escaped.
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, '\\');  // before the closing quote
    return quoted + "\"";
}

std::string MailProgramArguments(const std::optional<std::string>& attachment) {
    std::string arguments = "--subject " + QuotedArgument(kMailSubject) + " --body " + QuotedArgument(kMailNote);
    if (attachment) arguments += " --attach " + QuotedArgument(platform::HostPath(*attachment).string());
    return arguments + " " + QuotedArgument(std::string(kSupportName) + " <" + kSupportAddress + ">");
}

}  // namespace quillet
