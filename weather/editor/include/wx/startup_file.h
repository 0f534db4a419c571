// The weather file named on the command line, made ready for editing: a file that holds
// records is opened as it is; a missing or empty one gets the global record.
#pragma once

#include <string>

#include "wx/wx_records.h"

namespace wx {

struct StartupFile {
    WxError error = WxError::None;
    bool existed = false;  // the file was there before
    bool created = false;  // the global record was written
};

StartupFile PrepareStartupFile(const std::string& path);

}  // namespace wx
