// What a dialog and a property page share: members exchanged with their controls, and
// the set-up that runs each time their window is made.
#pragma once

#include <QWidget>

#include "qtplatform/data_exchange.h"

namespace qtplatform {

class ExchangeOwner {
public:
    explicit ExchangeOwner(QWidget& window) : window_(window) {}
    virtual ~ExchangeOwner() = default;
    ExchangeOwner(const ExchangeOwner&) = delete;
    ExchangeOwner& operator=(const ExchangeOwner&) = delete;

    // false: the members into the controls. true: the controls into the members with
    // their checks; false when a value was refused (its message shown, its control
    // focused; the members before it are already taken). Taking the controls again while
    // they are being taken (from the refusal's box) is refused without a message.
    bool UpdateData(bool saveAndValidate = true);

protected:
    // Names each member with its control, in both directions:
    //   dx.Int(kRange, rangeNm_);
    //   dx.MinMaxInt(rangeNm_, 5, 500);
    virtual void DoDataExchange(DataExchange& dx);
    // Runs each time the window is made: each run of a dialog, the first activation of a
    // page. The base shows the members; overrides do their set-up around calling it. The
    // result is true unless the override put the focus on a control itself.
    virtual bool OnInitDialog();

private:
    QWidget& window_;
    bool taking_ = false;  // inside UpdateData(true)
};

}  // namespace qtplatform
