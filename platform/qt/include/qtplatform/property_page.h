// A page of a property sheet (property_sheet.h): a tab with its own controls, members and
// data exchange. The sheet makes the page's window at its first activation (OnInitDialog
// runs then) and calls OnSetActive and OnKillActive as the user moves between tabs; OK and
// Apply reach every page that has a window, Cancel too.
#pragma once

#include <QWidget>
#include <string>

#include "qtplatform/exchange_owner.h"

namespace qtplatform {

class PropertySheet;

class PropertyPage : public QWidget, public ExchangeOwner {
public:
    // The caption is the page's tab text ("General Info").
    explicit PropertyPage(std::string caption);
    ~PropertyPage() override;

    const std::string& Caption() const { return caption_; }
    // True from the page's first activation until its sheet's window goes (the end of a
    // modal run); the page's members and controls live as long as the object.
    bool HasWindow() const { return hasWindow_; }
    // The sheet the page was added to; nullptr before.
    PropertySheet* Sheet() const { return sheet_; }

    // A changed page enables the sheet's Apply button.
    void SetModified(bool changed = true);
    bool IsModified() const { return modified_; }

protected:
    // Called by the sheet. Becoming the active page; false refuses. The base shows the members again on every
    // activation but the first (OnInitDialog showed them then).
    virtual bool OnSetActive();
    // Leaving the active page (another tab, OK, Apply); false keeps the page. The base
    // takes the values and refuses when one is refused.
    virtual bool OnKillActive();
    // OK or Apply, after the active page let go: the base does nothing.
    virtual void OnOK();
    // Apply: OnOK, then the page counts as unchanged.
    virtual bool OnApply();
    // Cancel: the base does nothing.
    virtual void OnCancel();

private:
    friend class PropertySheet;
    void MakeWindow(PropertySheet& sheet);
    void DropWindow();

    std::string caption_;
    PropertySheet* sheet_ = nullptr;
    bool hasWindow_ = false;
    bool firstActivation_ = true;
    bool modified_ = false;
};

}  // namespace qtplatform
