// Textorin: writes the adventure source (<title>.txt) of an adventure definition
// (<title>.adf). Loaded by name at run time; its one export is CreateTxt.
#pragma once

#define TEXTORIN_API __attribute__((visibility("default")))

extern "C" {

// Writes the source for the definition at adfPath. txtPath null or empty: the
// definition's path with "adf" replaced by "txt". overwrite non-zero: an existing
// source is replaced. False after any failure, which has shown its own message box.
TEXTORIN_API bool CreateTxt(const char* adfPath, const char* txtPath, int overwrite);

// The type to look the export up by name.
using CreateTxtFunction = bool(const char* adfPath, const char* txtPath, int overwrite);
}
