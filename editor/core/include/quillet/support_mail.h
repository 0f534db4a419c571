// The message that Send prepares for the user to edit and send in the desktop's mail
// program (xdg-email): subject, note, the support address and the document attached.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillet {

inline constexpr const char* kMailProgram = "xdg-email";
inline constexpr const char* kMailSubject = "Query regarding Quillet";
inline constexpr const char* kMailNote =
    "\n\nPlease enter as much details as possible\n"
    "The answers to common questions are at http://www.quillet-applications.example/\n";
inline constexpr const char* kSupportName = "Quillet Support";
inline constexpr const char* kSupportAddress = "support@quillet-applications.example";

inline constexpr const char* kMailUnavailableMessage = "Unable to load mail system support.";
inline constexpr const char* kMailFailedMessage = "Send Mail failed to send message.";

// The name the receiver sees: the path's last part after "/", ":" or "\"; for a document
// without a path its title, with the default extension when the title has no ".".
std::string AttachmentName(std::string_view path, std::string_view title, std::string_view defaultExtension);

// The mail program's arguments, each quoted for the command line; the attachment is a
// Windows path, given to the program as the host file it names.
std::string MailProgramArguments(const std::optional<std::string>& attachment);

// One argument of a command line that the Windows rules split back into the same text.
std::string QuotedArgument(std::string_view text);

}  // namespace quillet
