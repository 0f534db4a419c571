// The frame of one document's view inside the main frame: always maximised, titled with
// the document's title.
#pragma once

#include <QMdiSubWindow>
#include <functional>

namespace quillet {

class CQuilletDoc;
class CQuilletView;

class CChildFrame : public QMdiSubWindow {
public:
    CChildFrame(CQuilletDoc& document, CQuilletView* view, QWidget* parent = nullptr);
    // The view goes first, then onDestroyed runs: the document may go after its view.
    ~CChildFrame() override;

    CQuilletView* View() const { return view_; }
    CQuilletDoc& Document() const { return document_; }

    // Asked before the frame closes; false keeps it open (the save question was cancelled).
    std::function<bool()> canClose;
    std::function<void()> onDestroyed;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CQuilletDoc& document_;
    CQuilletView* view_;
};

}  // namespace quillet
