// "Navaids" (dialog 103): the navaid lines of the builder's database one at a time; a
// navaid can be added or the one shown changed, and Navaids.nav is rewritten at once.
#pragma once

#include "gathrel/builder_job.h"
#include "gathrel/navaid_edit.h"
#include "gathrelapp/record_page.h"

namespace gathrelapp {

class CGathrelNavAids : public RecordPage {
public:
    enum Control : int {
        kFrequency = 1001,
        kType = 1002,
        kIdent = 1003,
        kLatitude = 1005,
        kLongitude = 1006,
        kLatitudeHemisphere = 1007,
        kLongitudeHemisphere = 1008,
        kElevation = 1009,
        kHelp = 1013,
        kCountry = 1015,
    };

    CGathrelNavAids(gathrel::BuilderDatabase& database, const gathrel::DatabasePaths& paths,
                    const gathrel::BuilderJob& job);

    void OnAdd();
    void OnEdit();

protected:
    const std::vector<std::string>& Lines() const override { return database_.navaidLines; }
    void ShowLine(const std::string& line) override;
    int FindIdent(const std::string& country, const std::string& ident) override;
    QComboBox* Countries() const override { return country_; }

private:
    gathrel::NavaidKind Kind() const;
    void CheckFrequency();
    // The navaid the fields describe; nullopt, after the message, when one is not valid.
    std::optional<gathrel::EditedNavaid> FieldsNavaid();
    // Puts the line in place of record index (or appends it for -1) and writes the file.
    void Store(int index, gathrel::EditedNavaid navaid);
    void SetEditing(bool showingRecord);

    const gathrel::DatabasePaths& paths_;
    const gathrel::BuilderJob& job_;
    QComboBox* type_;
    QLineEdit* ident_;
    QComboBox* country_;
    QLineEdit* frequency_;
    QLineEdit* elevation_;
    QLineEdit* latitude_;
    QComboBox* latitudeHemisphere_;
    QLineEdit* longitude_;
    QComboBox* longitudeHemisphere_;
};

}  // namespace gathrelapp
