#pragma once
// The edit widgets laid over the LCD: white text on the LCD's blue in the
// 12-pixel bitmap Song face (6 pixels for a Latin letter, 12 for a Chinese
// character, like the controller's dialog font), no frame and no margin.
// The editor and the entry field turn typed letters into capitals.

#include <QLineEdit>
#include <QPlainTextEdit>

class QLabel;

namespace zan::gui {

// The program editor: several lines, no wrapping, scrolls with the caret.
// Return does not break the line here: it is the panel's ENTER key, which
// writes the line break and the next block number itself.
class CEditorField : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CEditorField(QWidget* parent);

signals:
    void returnTyped();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};

// A single-line field; `typing` false for the block lines, which only show text.
QLineEdit* NewLineField(QWidget* parent, bool typing);
QLabel* NewPromptLabel(QWidget* parent);

// The look shared by all five fields.
void StyleAsLcd(QWidget* field);

}  // namespace zan::gui
