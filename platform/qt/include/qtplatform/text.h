// Text between the suite's single-byte strings and Qt's strings (Latin-1, byte for byte).
#pragma once

#include <QString>
#include <string>

namespace qtplatform {

QString ToQString(const std::string& text);
std::string FromQString(const QString& text);

}  // namespace qtplatform
