#include "shell/debug_options_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "qtplatform/control_ids.h"

namespace trevalo {
namespace {

struct CheckBoxEntry {
    int id;
    const char* text;
};

constexpr CheckBoxEntry kCheckBoxes[] = {
    {kIdDrawMapMode, "Draw Map Mode (left mouse creates squares for Land.nav)"},
    {kIdDoNotLoadAirports, "Do not Load Airports"},
    {kIdDoNotLoadNavaids, "Do not load Navaids"},
    {kIdDoNotLoadIls, "Do not load ILS"},
    {kIdLoadAllLandFile, "Load All the Land file"},
    {kIdTriangleDraw, "Triangle Draw, (3 points will create triangle) "},
};

}  // namespace

CDebugOptionsDlg::CDebugOptionsDlg(DebugOptions& options, std::function<void()> repaintMap, QWidget* parent)
    : ExchangeDialog(parent), options_(options), repaintMap_(std::move(repaintMap)) {
    setWindowTitle(QStringLiteral("Debug Options"));
    auto* layout = new QVBoxLayout(this);
    for (const CheckBoxEntry& entry : kCheckBoxes)
        layout->addWidget(qtplatform::WithId(new QCheckBox(QString::fromLatin1(entry.text)), entry.id));

    auto* size = new QFormLayout;
    size->addRow(QStringLiteral("Rectangle size, (default 5)"),
                 qtplatform::WithId(new QLineEdit, kIdRectangleSize));
    layout->addLayout(size);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDebugOptionsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDebugOptionsDlg::reject);
    layout->addWidget(buttons);

    connect(qtplatform::FindControl<QCheckBox>(this, kIdDrawMapMode), &QCheckBox::clicked, this,
            [this] { OnDrawMapMode(); });
    connect(qtplatform::FindControl<QCheckBox>(this, kIdTriangleDraw), &QCheckBox::clicked, this,
            [this] { OnTriangleDraw(); });
}

void CDebugOptionsDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Check(kIdDrawMapMode, options_.drawMapMode);
    dx.Check(kIdDoNotLoadAirports, options_.doNotLoadAirports);
    dx.Check(kIdDoNotLoadNavaids, options_.doNotLoadNavaids);
    dx.Check(kIdDoNotLoadIls, options_.doNotLoadIls);
    dx.Check(kIdLoadAllLandFile, options_.loadAllLandFile);
    dx.Check(kIdTriangleDraw, options_.triangleDraw);
    dx.Int(kIdRectangleSize, options_.rectangleSize);
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

void CDebugOptionsDlg::accept() {
    if (!UpdateData(true)) return;
    if (repaintMap_) repaintMap_();
    QDialog::accept();
}

}  // namespace trevalo
