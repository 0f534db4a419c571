// Buffers for the bytes of scenery files, kept once a file is done with them for the
// files read after it: a scan reads many files on several threads, and reusing memory
// already in place spares each file the faulting in and clearing of fresh pages.
#pragma once

#include <string>

namespace scenrix::detail {

// A buffer given back before, the largest there is (its contents are not kept), or an
// empty one.
std::string TakeFileBuffer();
// Keeps buffer for TakeFileBuffer, unless enough are kept already or it is too large
// to be worth keeping.
void GiveFileBuffer(std::string&& buffer);

}  // namespace scenrix::detail
