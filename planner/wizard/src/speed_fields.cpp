#include "speed_fields.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "adf/plane_file.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/text.h"

namespace trevalo {
std::string PerformanceText(int value) { return value < 0 ? std::string() : platform::IntText(value); }

int PerformanceValue(std::string_view text) {
    const std::string trimmed = platform::Trimmed(text);
    const int value = platform::LeadingInt(trimmed);
    return trimmed.empty() || value < 0 ? adf::kNotSet : value;
}

void ExchangePerformance(qtplatform::DataExchange& dx, int id, int& value) {
    std::string text = PerformanceText(value);
    dx.Text(id, text);
    if (dx.saving() && !dx.failed()) value = PerformanceValue(text);
}

void SpeedEdits::AddRows(QGridLayout& grid, const std::vector<SpeedField>& fields, int firstRow) {
    int row = firstRow;
    for (const SpeedField& field : fields) {
        auto* edit = qtplatform::WithId(new QLineEdit, field.editId);
        QLabel* readout = field.readoutId != 0 ? qtplatform::WithId(new QLabel, field.readoutId) : nullptr;
        grid.addWidget(new QLabel(QString::fromLatin1(field.caption)), row, 0);
        grid.addWidget(edit, row, 1);
        if (readout != nullptr) {
            readout->setMinimumWidth(40);
            grid.addWidget(readout, row, 2);
        }
        rows_.push_back({field, edit, readout});
        if (readout != nullptr)
            QObject::connect(edit, &QLineEdit::editingFinished, edit, [row = rows_.back()] { Convert(row); });
        ++row;
    }
}

void SpeedEdits::Exchange(qtplatform::DataExchange& dx, adf::PlanePerformance& performance) const {
    for (const Row& row : rows_) ExchangePerformance(dx, row.field.editId, performance.*row.field.member);
}

void SpeedEdits::ConvertAll() const {
    for (const Row& row : rows_)
        if (row.readout != nullptr) Convert(row);
}

std::vector<QLineEdit*> SpeedEdits::Edits() const {
    std::vector<QLineEdit*> edits;
    for (const Row& row : rows_) edits.push_back(row.edit);
    return edits;
}

QLineEdit* SpeedEdits::EditOf(int editId) const {
    for (const Row& row : rows_)
        if (row.field.editId == editId) return row.edit;
    return nullptr;
}

void SpeedEdits::Convert(const Row& row) {
    const int value = PerformanceValue(qtplatform::FromQString(row.edit->text()));
    row.edit->setText(qtplatform::ToQString(PerformanceText(value)));
    row.readout->setText(value < 0 ? QString() : qtplatform::ToQString(adf::MachReadout(value)));
}

}  // namespace trevalo
