// A document's text as pages to print: a fixed number of lines a page in a fixed-width
// font, long lines cut at the page's edge, tabs as four blanks.
#pragma once

#include <string>
#include <vector>

#include "qtplatform/print_target.h"

namespace quillet {

inline constexpr int kPrintedLinesPerPage = 60;

// The job of printing the lines under the document's name.
qtplatform::PrintJob SourcePrintJob(const std::string& documentName, std::vector<std::string> lines);

}  // namespace quillet
