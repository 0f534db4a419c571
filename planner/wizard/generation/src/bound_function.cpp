#include "generation/bound_function.h"

#include "platform/message_box.h"

namespace trevalo {

void* LibraryBinding::Bind() {
    if (!library_.IsLoaded()) {
        function_ = nullptr;
        if (library_.Load(fileName_) != platform::DynamicLibrary::LoadResult::Loaded) {
            platform::MessageBox("A Dll, '" + fileName_ + "', is missing \nThe system cannot continue without it",
                                 kMissingDllCaption, platform::MbIcon::Information);
            return nullptr;
        }
    }
    if (function_ == nullptr) function_ = library_.Symbol(functionName_);
    if (function_ == nullptr) {
        platform::MessageBox("A function in " + fileName_ +
                                 ", is missing \nMake sure you ahve the lattest files available\n"
                                 "The system cannot continue without it",
                             kMissingDllCaption, platform::MbIcon::Information);
    }
    return function_;
}

}  // namespace trevalo
