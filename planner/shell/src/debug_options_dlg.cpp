#include "shell/debug_options_dlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"

namespace trevalo {
namespace {

struct CheckBoxEntry {
    int id;
    const char* text;
};

constexpr CheckBoxEntry kCheckBoxes[] = {
    {CDebugOptionsDlg::kDrawMapMode, "Draw Map Mode (left mouse creates squares for Land.nav)"},
    {CDebugOptionsDlg::kDoNotLoadAirports, "Do not Load Airports"},
    {CDebugOptionsDlg::kDoNotLoadNavaids, "Do not load Navaids"},
    {CDebugOptionsDlg::kDoNotLoadIls, "Do not load ILS"},
    {CDebugOptionsDlg::kLoadAllLandFile, "Load All the Land file"},
    {CDebugOptionsDlg::kTriangleDraw, "Triangle Draw, (3 points will create triangle) "},
};

}  // namespace

CDebugOptionsDlg::CDebugOptionsDlg(DebugOptions& options, std::function<void()> repaintMap, QWidget* parent)
    : Dialog(parent), options_(options), repaintMap_(std::move(repaintMap)) {
    setWindowTitle(QStringLiteral("Debug Options"));
    auto* layout = new QVBoxLayout(this);
    for (const CheckBoxEntry& entry : kCheckBoxes) {
        auto* box = qtplatform::WithId(new QCheckBox(QString::fromLatin1(entry.text)), entry.id);
        layout->addWidget(box);
        if (entry.id == kDrawMapMode) connect(box, &QCheckBox::clicked, this, [this] { OnDrawMapMode(); });
        if (entry.id == kTriangleDraw) connect(box, &QCheckBox::clicked, this, [this] { OnTriangleDraw(); });
    }

    auto* size = new QFormLayout;
    size->addRow(QStringLiteral("Rectangle size, (default 5)"), qtplatform::WithId(new QLineEdit, kRectangleSize));
    layout->addLayout(size);
    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
}

void CDebugOptionsDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Check(kDrawMapMode, options_.drawMapMode);
    dx.Check(kDoNotLoadAirports, options_.doNotLoadAirports);
    dx.Check(kDoNotLoadNavaids, options_.doNotLoadNavaids);
    dx.Check(kDoNotLoadIls, options_.doNotLoadIls);
    dx.Check(kLoadAllLandFile, options_.loadAllLandFile);
    dx.Check(kTriangleDraw, options_.triangleDraw);
    dx.Int(kRectangleSize, options_.rectangleSize);
}

// Each click stores every value at once, so Cancel keeps what such a click changed.
void CDebugOptionsDlg::OnDrawMapMode() {
    UpdateData(true);
    if (options_.drawMapMode != 0 && options_.triangleDraw != 0) options_.triangleDraw = 0;
    UpdateData(false);
}

void CDebugOptionsDlg::OnTriangleDraw() {
    UpdateData(true);
    if (options_.triangleDraw != 0 && options_.drawMapMode != 0) options_.drawMapMode = 0;
    UpdateData(false);
}

void CDebugOptionsDlg::OnOK() {
    if (!UpdateData(true)) return;
    if (repaintMap_) repaintMap_();
    EndDialog(Accepted);
}

}  // namespace trevalo
