// Feeds random definitions to CreateTxt: no crash, no hang.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/message_box.h"
#include "textorin/create_txt.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("textorin_fuzz_" + std::to_string(getpid()));
    static const bool made = std::filesystem::create_directories(folder) || true;
    (void)made;
    const std::string adf = (folder / "Fuzz.adf").string();
    std::ofstream(adf, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    platform::MessageBoxRecorder boxes({platform::MbResult::Yes});
    CreateTxt(adf.c_str(), nullptr, 1);
    return 0;
}
