// "Create New Dir": a new folder inside the FS2002 flights folder.
#pragma once

#include <string>

#include "generation/bound_function.h"
#include "generation/install_step.h"
#include "qtplatform/dialog.h"

namespace trevalo {

inline constexpr const char* kCannotCreateCaption = "Cannot create";
inline constexpr const char* kNoFs2002Message = "Could not locate FS2002.\n";
inline constexpr const char* kCreateFolderFailedMessage =
    "Could not Create the directory.\nYou must make sure that the name is valid, (without special characters,\n"
    "does not exist already and that you have 'Write' access to this directory";
inline constexpr const char* kFolderCreatedMessage = "Directory Created";
inline constexpr const char* kFolderCreatedCaption = "Created";

// The FS2002 folder as Icarune finds it; empty when it is not found or Icarune cannot be
// bound (that failure shown).
std::string Fs2002Folder(BoundFunction<LoadRegFunction>& loadReg);

class CCreateDirDlg : public qtplatform::Dialog {
public:
    enum Control : int { kName = 1320 };

    explicit CCreateDirDlg(QWidget* parent = nullptr);
    // The folder made, once the dialog closed with OK.
    const std::string& Name() const { return name_; }

protected:
    void DoDataExchange(qtplatform::DataExchange& dx) override;
    void OnOK() override;

private:
    BoundFunction<LoadRegFunction> loadReg_{"Icarune.dll", "LoadReg"};
    std::string name_;
};

}  // namespace trevalo
