// Colours a document's source block by block as its text changes, with the colours of the
// core's colouring (commands and labels, comments, quoted text, long lines). The command
// list is the application's; after it changes, Rehighlight colours the whole text again.
#pragma once

#include <QSyntaxHighlighter>

namespace quillet {

class CommandList;

class SourceHighlighter : public QSyntaxHighlighter {
public:
    SourceHighlighter(QTextDocument* document, const CommandList& commands);

    // Off: blocks keep the text colour until they change while it is on again.
    void SetColouring(bool on) { colouring_ = on; }
    bool Colouring() const { return colouring_; }

protected:
    void highlightBlock(const QString& text) override;

private:
    const CommandList& commands_;
    bool colouring_ = true;
};

}  // namespace quillet
