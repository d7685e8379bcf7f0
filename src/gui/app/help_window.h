#pragma once
// The help text's own window: "程序说明" opens the text in a browser of the
// program, so that it shows on every desktop, with or without a text viewer.
// The window is modeless and made once; later requests show it again with
// the file read anew.

#include <QDialog>
#include <filesystem>

class QTextBrowser;

namespace zan::gui {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner);

    // Shows the UTF-8 text of the file; false when it cannot be read.
    bool Show(const std::filesystem::path& file);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace zan::gui
