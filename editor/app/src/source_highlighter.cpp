#include "source_highlighter.h"

#include <QColor>
#include <QTextCharFormat>
#include <array>

#include "qtplatform/text.h"
#include "quillet/source_colouring.h"

namespace quillet {
namespace {

QColor ColourOf(ColourKind kind) {
    const std::uint32_t value = ColourValue(kind);  // 0x00BBGGRR
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

const std::array<QTextCharFormat, 5>& Formats() {
    static const std::array<QTextCharFormat, 5> formats = [] {
        std::array<QTextCharFormat, 5> made;
        for (ColourKind kind : {ColourKind::Plain, ColourKind::CommandOrLabel, ColourKind::Comment, ColourKind::Quoted,
                                ColourKind::LongLine})
            made[static_cast<std::size_t>(kind) - 1].setForeground(ColourOf(kind));
        return made;
    }();
    return formats;
}

}  // namespace

SourceHighlighter::SourceHighlighter(QTextDocument* document, const CommandList& commands)
    : QSyntaxHighlighter(document), commands_(commands) {}

void SourceHighlighter::highlightBlock(const QString& text) {
    if (!colouring_) return;
    const std::string line = qtplatform::FromQString(text);
    for (const ColourSpan& span : ColourLine(line, commands_)) {
        if (span.kind == ColourKind::Plain) continue;
        setFormat(static_cast<int>(span.start), static_cast<int>(span.length),
                  Formats()[static_cast<std::size_t>(span.kind) - 1]);
    }
}

}  // namespace quillet
