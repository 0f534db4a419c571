// Set-up that every Qt program of the suite runs right after creating its QApplication.
#pragma once

namespace qtplatform {

// QApplication takes the user's locale for the C library too; the suite's files hold
// numbers with a decimal point ("47.5", "%f"), so numbers are read and written in the
// "C" form whatever the user's language.
void UseFileNumberFormat();

}  // namespace qtplatform
