// A folder of the temporary folder that belongs to one user of it: its name is made
// unique when it is created, and it goes, with everything in it, when the object does.
// Compiles and mail attachments work in one, so nothing they write meets a user's files
// or another run's.
#pragma once

#include <string>
#include <string_view>

namespace quillet {

class PrivateFolder {
public:
    // The folder's name starts with the prefix.
    explicit PrivateFolder(std::string_view prefix);
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    // False when the folder could not be created (then File names nothing usable).
    bool Made() const { return !path_.empty(); }
    // Its Windows path, ending in a backslash.
    const std::string& Path() const { return path_; }
    std::string File(std::string_view name) const { return path_ + std::string(name); }

private:
    std::string path_;
};

}  // namespace quillet
