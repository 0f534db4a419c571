#include "source_printing.h"

#include <QFont>
#include <QFontDatabase>
#include <algorithm>
#include <memory>

#include "qtplatform/text.h"

namespace quillet {
namespace {

constexpr int kTabWidth = 4;

std::string WithoutTabs(const std::string& line) {
    std::string expanded;
    for (char c : line) {
        if (c == '\t')
            expanded.append(kTabWidth - expanded.size() % kTabWidth, ' ');
        else
            expanded += c;
    }
    return expanded;
}

}  // namespace

qtplatform::PrintJob SourcePrintJob(const std::string& documentName, std::vector<std::string> lines) {
    auto shared = std::make_shared<const std::vector<std::string>>(std::move(lines));
    qtplatform::PrintJob job;
    job.documentName = documentName;
    job.pageCount =
        std::max<int>(1, (static_cast<int>(shared->size()) + kPrintedLinesPerPage - 1) / kPrintedLinesPerPage);
    job.printPage = [shared](QPainter& painter, int page, const QRect& drawRect) {
        const int lineHeight = drawRect.height() / kPrintedLinesPerPage;
        QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPixelSize(std::max(1, lineHeight * 4 / 5));
        painter.setFont(font);
        painter.setPen(Qt::black);
        const std::size_t first = static_cast<std::size_t>(page - 1) * kPrintedLinesPerPage;
        for (std::size_t i = first; i < shared->size() && i < first + kPrintedLinesPerPage; ++i) {
            const QRect line(drawRect.left(), drawRect.top() + static_cast<int>(i - first) * lineHeight,
                             drawRect.width(), lineHeight);
            painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                             qtplatform::ToQString(WithoutTabs((*shared)[i])));
        }
    };
    return job;
}

}  // namespace quillet
