// A property sheet: a row of tabs over one page at a time. Run modally (exec) it has OK,
// Cancel and "&Apply"; made with Create inside another window (a dialog bar) it has no
// buttons and lives until it is destroyed.
//
// The pages are the caller's (usually members of the derived sheet, added in its
// constructor). A page's window is made at its first activation; leaving a page runs its
// OnKillActive, which may keep it; OK lets the active page go, then runs OnOK of every
// page that has a window, in page order; Cancel runs their OnCancel.
#pragma once

#include <QPointer>
#include <string>
#include <vector>

#include "qtplatform/dialog.h"
#include "qtplatform/property_page.h"

class QDialogButtonBox;
class QPushButton;
class QStackedWidget;
class QTabBar;

namespace qtplatform {

// The Apply button's id.
inline constexpr int kIdApplyNow = 12321;

class PropertySheet : public Dialog {
public:
    explicit PropertySheet(std::string caption, QWidget* parent = nullptr);
    ~PropertySheet() override;

    void AddPage(PropertyPage& page);
    int GetPageCount() const { return static_cast<int>(pages_.size()); }
    PropertyPage* GetPage(int index) const;
    int GetPageIndex(const PropertyPage& page) const;
    // Before the sheet's window exists (and after a run): the page it will start on.
    PropertyPage* GetActivePage() const { return GetPage(activeIndex_); }
    int GetActiveIndex() const { return activeIndex_; }
    // Before the sheet's window exists: the page to start on. After: leaves the active
    // page, makes the new page's window on its first activation and activates it; false
    // when either page refused (the active page stays) or there is no such page.
    bool SetActivePage(int index);
    bool SetActivePage(PropertyPage& page) { return SetActivePage(GetPageIndex(page)); }

    // Makes the sheet a visible child of parent, without buttons, on its start page.
    void Create(QWidget* parent);
    // Whether the sheet's window exists: a run, or Create, has made it.
    bool HasWindow() const { return hasWindow_; }

    // Enables "&Apply" while any page with a window is modified.
    void UpdateApplyButton();

protected:
    // The sheet's window is made: the start page is made and activated.
    bool OnInitDialog() override;
    // OK (and Enter): the active page lets go, every page with a window takes OnOK, the
    // sheet closes. Apply does the same but stays open.
    void OnOK() override;
    void OnCancel() override;
    virtual void OnApplyNow();

    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Every page with a window, in page order.
    std::vector<PropertyPage*> PagesWithWindows() const;
    bool ApplyPages();
    void DropPageWindows();
    void OnTabChosen(int index);

    QTabBar* tabs_;
    QStackedWidget* stack_;
    QDialogButtonBox* buttons_;
    QPushButton* apply_;
    std::vector<QPointer<PropertyPage>> pages_;
    int startIndex_ = 0;
    int activeIndex_ = 0;
    bool hasWindow_ = false;
};

}  // namespace qtplatform
