// The base of the suite's dialogs: OnInitDialog each time the dialog is run (each exec,
// or each show of a modeless dialog that was hidden), DoDataExchange both ways, OK that
// closes only when every value was taken, Cancel that takes nothing.
//
//   class CRangeDlg : public qtplatform::Dialog {
//   public:
//       enum Control : int { kRange = 1232 };
//       explicit CRangeDlg(QWidget* parent = nullptr);  // builds the controls and buttons
//   protected:
//       void DoDataExchange(qtplatform::DataExchange& dx) override {
//           dx.Int(kRange, range_);
//           dx.MinMaxInt(range_, 5, 500);
//       }
//   private:
//       int range_ = 20;
//   };
#pragma once

#include <QDialog>

#include "qtplatform/exchange_owner.h"

namespace qtplatform {

class Dialog : public QDialog, public ExchangeOwner {
public:
    explicit Dialog(QWidget* parent = nullptr);

    // The OK button and Enter run OnOK; Cancel and Escape run OnCancel.
    void accept() final;
    void reject() final;

protected:
    // Takes the values (UpdateData(true)) and closes with Accepted when all were taken.
    virtual void OnOK();
    // Closes with Rejected, taking nothing.
    virtual void OnCancel();
    // The close box: OnCancel unless a dialog closes otherwise there.
    virtual void OnClose();
    // Closes the dialog with the result that exec() returns.
    void EndDialog(int result) { QDialog::done(result); }

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool running_ = false;
};

}  // namespace qtplatform
