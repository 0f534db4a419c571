// Printing a document page by page, as the class library's printing loop does, to one
// of three targets: the printer (after the print dialog), a print preview, or a PDF file.
// A seam: tests answer with a PrintRecorder, which draws the pages into images.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QPrinter;

namespace qtplatform {

enum class PrintTarget { Printer, Preview, PdfFile };

struct PrintJob {
    std::string documentName;
    int pageCount = 1;  // as the view's OnPreparePrinting gives it
    // Draws one page (numbered from 1); the drawing rectangle is the page's printable area
    // in the painter's device pixels, from (0, 0).
    std::function<void(QPainter& painter, int page, const QRect& drawRect)> printPage;
};

struct PrintRequest {
    PrintTarget target = PrintTarget::Printer;
    std::string pdfFile;          // PdfFile: a Windows path, replaced whole
    QPrinter* printer = nullptr;  // Printer and Preview: the print setup's choices; null for the default
};

// False when the user cancelled, or the output could not be made or written.
bool Print(const PrintRequest& request, const PrintJob& job, QWidget* parent = nullptr);

using PrintHandler = std::function<bool(const PrintRequest& request, const PrintJob& job)>;
// Installs a handler in place of printing; an empty one prints again.
PrintHandler SetPrintHandler(PrintHandler handler);

// While it lives, each job is recorded and answered from the script (then printed); a
// printed job's pages are drawn into images of an A4 page at 100 dots per inch.
class PrintRecorder {
public:
    struct Job {
        PrintRequest request;
        std::string documentName;
        int pageCount = 0;
        std::vector<QImage> pages;  // empty when the answer was Cancel
    };

    explicit PrintRecorder(std::vector<bool> answers = {});
    ~PrintRecorder();
    PrintRecorder(const PrintRecorder&) = delete;
    PrintRecorder& operator=(const PrintRecorder&) = delete;

    const std::vector<Job>& jobs() const { return jobs_; }

private:
    bool Answer(const PrintRequest& request, const PrintJob& job);

    std::vector<bool> answers_;
    std::size_t next_ = 0;
    std::vector<Job> jobs_;
    PrintHandler previous_;
};

}  // namespace qtplatform
