// The edit of the main dialog that shows the ICAO station of the weather on display
// (at most 4 characters). A double-click on it lets the user pick a station from the
// simulator's list; the pick is handed on once, with the change it causes.
#pragma once

#include <QLineEdit>
#include <optional>
#include <string>

namespace wxapp {

// An edit that reports a double-click and then handles it as an edit does.
class CDblClickEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CDblClickEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class CIcaoEdit : public CDblClickEdit {
    Q_OBJECT
public:
    explicit CIcaoEdit(QWidget* parent = nullptr);

    void SetSimFolder(const std::string& folder) { simFolder_ = folder; }
    // -1 when no file is loaded, 0 for the global weather, above 0 for a local one.
    void SetWeatherRecord(int record) { weatherRecord_ = record; }
    // The station record number picked for the change that stationPicked announced; empty
    // when the change was typed. Taking it forgets it.
    std::optional<int> TakePick();

signals:
    // The picked station's ident is now the edit's text.
    void stationPicked();
    // The focus went to another control of the window.
    void focusLeft();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void PickStation();

    std::string simFolder_;
    int weatherRecord_ = -1;
    std::optional<int> pick_;
};

}  // namespace wxapp
