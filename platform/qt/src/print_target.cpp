#include "qtplatform/print_target.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>
#include <memory>

#include "platform/files.h"
#include "platform/seam.h"
#include "qtplatform/text.h"

namespace qtplatform {
namespace {

platform::SeamSlot<PrintHandler>& PrintSlot() {
    static platform::SeamSlot<PrintHandler> slot;
    return slot;
}

// The pages first..last of the job on a paged device; false when painting fails.
bool PrintPages(QPagedPaintDevice& device, int resolution, const PrintJob& job, int first, int last) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    QRect drawRect = device.pageLayout().paintRectPixels(resolution);
    drawRect.moveTo(0, 0);
    for (int page = first; page <= last; ++page) {
        if (page > first) device.newPage();
        // Each page starts from the painter's first state: the preview carries a page's
        // clip into the next one even after clipping was switched off.
        painter.save();
        if (job.printPage) job.printPage(painter, page, drawRect);
        painter.restore();
    }
    return painter.end();
}

bool PrintToPdf(const PrintRequest& request, const PrintJob& job) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(ToQString(job.documentName));
        if (!PrintPages(writer, writer.resolution(), job, 1, job.pageCount)) return false;
    }
    return platform::ReplaceFileBytes(request.pdfFile, std::string_view(bytes.constData(), bytes.size()));
}

bool PrintToPrinter(QPrinter& printer, const PrintJob& job, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, std::max(job.pageCount, 1));
    if (dialog.exec() != QDialog::Accepted) return false;
    const bool range = printer.printRange() == QPrinter::PageRange;
    const int first = range ? std::max(printer.fromPage(), 1) : 1;
    const int last = range ? std::min(printer.toPage(), job.pageCount) : job.pageCount;
    return PrintPages(printer, printer.resolution(), job, first, last);
}

bool ShowPreview(QPrinter& printer, const PrintJob& job, QWidget* parent) {
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&job](QPrinter* shown) { PrintPages(*shown, shown->resolution(), job, 1, job.pageCount); });
    preview.exec();
    return true;
}

}  // namespace

bool Print(const PrintRequest& request, const PrintJob& job, QWidget* parent) {
    if (const PrintHandler handler = PrintSlot().Current()) return handler(request, job);
    if (job.pageCount < 1) return false;
    if (request.target == PrintTarget::PdfFile) return PrintToPdf(request, job);
    std::unique_ptr<QPrinter> ownPrinter;
    QPrinter* printer = request.printer;
    if (printer == nullptr) printer = (ownPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution)).get();
    printer->setDocName(ToQString(job.documentName));
    return request.target == PrintTarget::Preview ? ShowPreview(*printer, job, parent)
                                                  : PrintToPrinter(*printer, job, parent);
}

PrintHandler SetPrintHandler(PrintHandler handler) { return PrintSlot().Swap(std::move(handler)); }

namespace {
constexpr int kRecordedDotsPerInch = 100;
constexpr double kInchesPerMetre = 39.37;
constexpr QSize kA4AtRecordedDpi{827, 1169};
}  // namespace

PrintRecorder::PrintRecorder(std::vector<bool> answers) : answers_(std::move(answers)) {
    previous_ =
        SetPrintHandler([this](const PrintRequest& request, const PrintJob& job) { return Answer(request, job); });
}

PrintRecorder::~PrintRecorder() { SetPrintHandler(std::move(previous_)); }

bool PrintRecorder::Answer(const PrintRequest& request, const PrintJob& job) {
    const bool printed = next_ < answers_.size() ? answers_[next_++] : true;
    Job recorded{request, job.documentName, job.pageCount, {}};
    for (int page = 1; printed && page <= job.pageCount; ++page) {
        QImage image(kA4AtRecordedDpi, QImage::Format_RGB32);
        const int dotsPerMetre = static_cast<int>(kRecordedDotsPerInch * kInchesPerMetre);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        image.fill(Qt::white);
        QPainter painter(&image);
        if (job.printPage) job.printPage(painter, page, image.rect());
        painter.end();
        recorded.pages.push_back(std::move(image));
    }
    jobs_.push_back(std::move(recorded));
    return printed;
}

}  // namespace qtplatform
