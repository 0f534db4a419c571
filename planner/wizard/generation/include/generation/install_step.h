// The install step of Create adventure: the compiled adventure made, and the adventure's
// files copied where the settings say (Config/AutoMove, MoveToDir, AutoMoveSound,
// AutoCreateAdv, AutoMovefs2k2 and Files/FS2K2MoveTo):
//   - sounds (Wav\Adv????.wav of the base directory) into the FS2000 folder's Adv\Wav, or
//     the Wav folder beside the definition when the adventure is not moved;
//   - the adventure's files but source and definition into the FS2000 folder's
//     Adv\<category>, when AutoMove is on and FS2000 is installed;
//   - the files but source, definition and picture into FS2002's flights\<FS2K2MoveTo>.
// Destination folders are made; every copy that fails is named in the result.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "generation/bound_function.h"

namespace trevalo {

inline constexpr const char* kInstallInternalErrorMessage = "An internal error occured while moving the files";
inline constexpr const char* kInstallAdventureMissingMessage =
    "An internal error occured while moving the files\nThe adventure that has just been created could not be found.";
inline constexpr const char* kInstallAdventureMissingCaption = "Could Not find adventure";
inline constexpr const char* kCompileFailedMessage =
    "The Adventure file could not be created automaticaly\nPlease make sure that you have full access to the "
    "directory\n\nThe Adventure text files were created, launch the editor for an explanation of the error";

// Icarune's LoadReg: the install folder of FS2000 (7) or FS2002 (8).
using LoadRegFunction = int(char* out, int version);

// The category folder that Config/MoveToDir names: its text read as a number.
std::string InstallCategory(const std::string& moveToDir);

// Where the install step puts the adventure, as the settings and the simulators'
// folders say; found before any file is touched, so that every target can be checked.
struct InstallPlaces {
    std::string adventureFolder;     // the definition's folder, no final backslash
    std::string category;            // Config/MoveToDir's folder
    bool move = false;               // into FS2000's adventure folders
    std::string soundCopies;         // the folder the sounds go into; empty: not copied
    std::string fs2000Copies;        // FS2000's Adv\<category>; empty: not moved
    std::string fs2002Copies;        // FS2002's flights\<FS2K2MoveTo>; empty: no copies
    bool fs2002NameRefused = false;  // FS2K2MoveTo names no folder of "flights"
    bool compile = false;
};

// None once the "Missing DLL" message has been shown for Icarune or its LoadReg.
std::optional<InstallPlaces> FindInstallPlaces(const std::string& adfPath, BoundFunction<LoadRegFunction>& loadReg);

// Every file that the install step would replace: the sounds' copies and the copies of
// the adventure's files named.
std::vector<std::string> InstallTargets(const InstallPlaces& places, const std::string& baseDirectory,
                                        const std::vector<std::string>& adventureFileNames);

struct InstallRequest {
    std::string adfPath;
    std::string baseDirectory;  // with its final backslash
    // The compile step: true when the compiled adventure is beside the source.
    std::function<bool(const std::string& sourcePath)> compile;
};

// The copies that failed, each "<file> to <folder> (<why>)"; none when the step stopped
// (its message shown: the definition gone, the compile failed).
std::optional<std::vector<std::string>> InstallAdventure(const InstallRequest& request, const InstallPlaces& places);

}  // namespace trevalo
