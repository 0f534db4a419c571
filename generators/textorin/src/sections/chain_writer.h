// Writes one IF / ELSEIF chain: the first branch opens with "\tIF ", the later ones
// with "\tELSEIF ", and Close ends the chain with "\tENDIF\n" when any branch was
// written, so an empty chain leaves no stray ENDIF.
#pragma once

#include <string>

#include "../source_writer.h"

namespace textorin {

class ChainWriter {
public:
    explicit ChainWriter(SourceWriter& out) : out_(out) {}

    // A branch whose condition is the same text in both forms.
    void Branch(const std::string& condition) { Branch(condition, condition); }
    // A branch whose first form differs from the later ones.
    void Branch(const std::string& firstCondition, const std::string& laterCondition) {
        out_.WriteLine(written_ ? "\tELSEIF " + laterCondition : "\tIF " + firstCondition);
        written_ = true;
    }
    bool Written() const { return written_; }
    // True when a branch was written (and the ENDIF with it).
    bool Close() {
        if (written_) out_.WriteLine("\tENDIF\n");
        return written_;
    }

private:
    SourceWriter& out_;
    bool written_ = false;
};

}  // namespace textorin
