#include "qtplatform/property_sheet.h"

#include <QDialogButtonBox>
#include <QHideEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"
#include "qtplatform/text.h"

namespace qtplatform {

PropertySheet::PropertySheet(std::string caption, QWidget* parent)
    : Dialog(parent),
      tabs_(new QTabBar),
      stack_(new QStackedWidget),
      buttons_(DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel)),
      apply_(WithId(buttons_->addButton(QStringLiteral("&Apply"), QDialogButtonBox::ApplyRole), kIdApplyNow)) {
    setWindowTitle(ToQString(caption));
    // One row of tabs that scrolls, never stacked rows.
    tabs_->setUsesScrollButtons(true);
    tabs_->setExpanding(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(stack_, 1);
    layout->addWidget(buttons_);
    apply_->setEnabled(false);
    connect(apply_, &QPushButton::clicked, this, [this] { OnApplyNow(); });
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { OnTabChosen(index); });
}

PropertySheet::~PropertySheet() {
    // The pages are the caller's: none goes with the sheet's children.
    for (const QPointer<PropertyPage>& page : pages_) {
        if (!page) continue;
        page->setParent(nullptr);
        page->sheet_ = nullptr;
    }
}

void PropertySheet::AddPage(PropertyPage& page) {
    pages_.emplace_back(&page);
    page.sheet_ = this;
    const QSignalBlocker blocker(tabs_);
    tabs_->addTab(ToQString(page.Caption()));
    tabs_->setCurrentIndex(activeIndex_);
}

PropertyPage* PropertySheet::GetPage(int index) const {
    if (index < 0 || index >= GetPageCount()) return nullptr;
    return pages_[static_cast<std::size_t>(index)].data();
}

int PropertySheet::GetPageIndex(const PropertyPage& page) const {
    for (int index = 0; index < GetPageCount(); ++index) {
        if (GetPage(index) == &page) return index;
    }
    return -1;
}

bool PropertySheet::SetActivePage(int index) {
    PropertyPage* next = GetPage(index);
    if (next == nullptr) return false;
    if (!hasWindow_) {
        startIndex_ = activeIndex_ = index;
        const QSignalBlocker blocker(tabs_);
        tabs_->setCurrentIndex(index);
        return true;
    }
    PropertyPage* current = GetActivePage();
    if (current != nullptr && current->HasWindow() && current != next && !current->OnKillActive()) return false;
    if (!next->HasWindow()) {
        stack_->addWidget(next);
        next->MakeWindow(*this);
    }
    if (!next->OnSetActive()) return false;
    activeIndex_ = index;
    stack_->setCurrentWidget(next);
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(index);
    return true;
}

void PropertySheet::OnTabChosen(int index) {
    if (SetActivePage(index)) return;
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(activeIndex_);
}

void PropertySheet::Create(QWidget* parent) {
    setParent(parent, Qt::Widget);
    buttons_->hide();
    show();
}

bool PropertySheet::OnInitDialog() {
    // Room for the largest page, whether its window exists yet or not; a page that places
    // its controls by hand has no size hint and asks for none.
    QSize largest(0, 0);
    for (const QPointer<PropertyPage>& page : pages_) {
        if (page) largest = largest.expandedTo(page->sizeHint());
    }
    stack_->setMinimumSize(largest);
    hasWindow_ = true;
    const int start = std::clamp(startIndex_, 0, std::max(GetPageCount() - 1, 0));
    activeIndex_ = -1;
    if (!SetActivePage(start)) activeIndex_ = start;
    return Dialog::OnInitDialog();
}

std::vector<PropertyPage*> PropertySheet::PagesWithWindows() const {
    std::vector<PropertyPage*> pages;
    for (const QPointer<PropertyPage>& page : pages_) {
        if (page && page->HasWindow()) pages.push_back(page.data());
    }
    return pages;
}

bool PropertySheet::ApplyPages() {
    PropertyPage* active = GetActivePage();
    if (active != nullptr && active->HasWindow() && !active->OnKillActive()) return false;
    for (PropertyPage* page : PagesWithWindows()) page->OnApply();
    UpdateApplyButton();
    return true;
}

void PropertySheet::OnOK() {
    if (ApplyPages()) EndDialog(Accepted);
}

void PropertySheet::OnApplyNow() { ApplyPages(); }

void PropertySheet::OnCancel() {
    for (PropertyPage* page : PagesWithWindows()) page->OnCancel();
    EndDialog(Rejected);
}

void PropertySheet::UpdateApplyButton() {
    const std::vector<PropertyPage*> pages = PagesWithWindows();
    apply_->setEnabled(std::any_of(pages.begin(), pages.end(), [](PropertyPage* page) { return page->IsModified(); }));
}

void PropertySheet::DropPageWindows() {
    for (PropertyPage* page : PagesWithWindows()) {
        stack_->removeWidget(page);
        page->setParent(nullptr);
        page->DropWindow();
    }
    hasWindow_ = false;
    activeIndex_ = startIndex_;
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(activeIndex_);
    apply_->setEnabled(false);
}

void PropertySheet::hideEvent(QHideEvent* event) {
    Dialog::hideEvent(event);
    // The end of a run takes the page windows along; the next run makes them again.
    if (!event->spontaneous() && isWindow()) DropPageWindows();
}

void PropertySheet::keyPressEvent(QKeyEvent* event) {
    // Inside another window Enter and Escape belong to that window, not to the sheet.
    if (!isWindow()) {
        QWidget::keyPressEvent(event);
        return;
    }
    Dialog::keyPressEvent(event);
}

}  // namespace qtplatform
