#include "qtplatform/application.h"

#include <clocale>

namespace qtplatform {

void UseFileNumberFormat() { std::setlocale(LC_NUMERIC, "C"); }

}  // namespace qtplatform
