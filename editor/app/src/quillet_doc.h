// One open file of the editor. The text lives in the document's view; the document keeps
// the path, the title (the file's name, or "Quillet<n>" while untitled) and the modified
// flag, shown as " *" behind the title.
#pragma once

#include <QObject>
#include <string>

namespace quillet {

class CQuilletView;

inline constexpr const char* kSaveFailedMessage = "The document '%s' could not be saved.";

class CQuilletDoc : public QObject {
    Q_OBJECT
public:
    explicit CQuilletDoc(std::string untitledTitle);

    const std::string& GetPathName() const { return path_; }
    // The title as shown: with " *" while modified.
    std::string GetTitle() const;
    // The title without the mark (the file's name once it has one).
    const std::string& FileTitle() const { return title_; }

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true);

    void SetView(CQuilletView* view) { view_ = view; }
    CQuilletView* View() const { return view_; }

    // Takes the path of the file that the view is to load.
    void OnOpenDocument(const std::string& path);
    // Writes this document's own text to the path, replacing the file whole. On success
    // the document takes the path and its name as its title and is no longer modified;
    // on failure the document stays as it was, false returns, and the message is shown
    // unless the caller reports the failure itself.
    bool OnSaveDocument(const std::string& path, bool reportFailure = true);

signals:
    void TitleChanged();

private:
    void SetPath(const std::string& path);

    std::string path_;
    std::string title_;
    bool modified_ = false;
    CQuilletView* view_ = nullptr;
};

}  // namespace quillet
