// "Airport/Navaid Loader": the builder's sheet of the Airport, Navaids and Files pages
// over one copy of the databases of the base directory. OK and Cancel are refused while
// the worker runs and otherwise save what is unsaved; the close box stops and waits for
// the worker, saves once, and closes.
#pragma once

#include <string>

#include "gathrel/builder_database.h"
#include "gathrel/builder_job.h"
#include "gathrelapp/airport_page.h"
#include "gathrelapp/files_page.h"
#include "gathrelapp/navaids_page.h"
#include "qtplatform/property_sheet.h"

namespace gathrelapp {

class CGathrelSheet : public qtplatform::PropertySheet {
public:
    // baseDirectory ends in a backslash.
    explicit CGathrelSheet(std::string baseDirectory, QWidget* parent = nullptr);
    ~CGathrelSheet() override;

    const gathrel::DatabasePaths& Paths() const { return paths_; }
    gathrel::BuilderDatabase& Database() { return database_; }
    gathrel::BuilderJob& Job() { return job_; }
    CGathrelFiles& FilesPage() { return files_; }
    CGathrelNavAids& NavaidsPage() { return navaids_; }
    CGathrelAirport& AirportPage() { return airport_; }

protected:
    void OnOK() override;
    void OnCancel() override;
    void OnClose() override;

private:
    // Saves what is unsaved; false, after the message, when a file could not be written.
    bool SaveNavFiles();

    std::string baseDirectory_;
    gathrel::DatabasePaths paths_;
    gathrel::BuilderDatabase database_;
    gathrel::BuilderJob job_;
    CGathrelAirport airport_;
    CGathrelNavAids navaids_;
    CGathrelFiles files_;
};

}  // namespace gathrelapp
