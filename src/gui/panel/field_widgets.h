#pragma once
// The edit widgets laid over the LCD: white text on the LCD's blue, no frame
// and no margin. The single-line fields and the prompt draw their text as
// the LCD draws its own, cell by cell in the LCD's normal font (6 pixels for
// a Latin letter, 12 for a Chinese character), from their top left corner,
// so that the two digits of the 12 x 12 number box show whole; a selection
// shows in inverse video, the caret as a white bar. The editor lays its text
// out in the 12-pixel bitmap Song face, whose cells are the same, and draws
// it the same way, a line every 12 pixels. The editor and the entry field
// turn typed letters into capitals.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <memory>

class QLabel;

namespace zan::gui {

class LcdGlyphs;

// The program editor: several lines, no wrapping, scrolls with the caret.
// Return does not break the line here: it is the panel's ENTER key, which
// writes the line break and the next block number itself.
class CEditorField : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CEditorField(QWidget* parent);
    ~CEditorField() override;

signals:
    void returnTyped();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<LcdGlyphs> glyphs_;
};

// Draws a line of text as the LCD does into a widget, from its top left
// corner, scrolled so that the caret (a character offset; -1 none) shows;
// characters [selStart, selEnd) in inverse video.
void PaintLcdLine(QWidget& widget, LcdGlyphs& glyphs, const QString& text, int caret, int selStart, int selEnd);

// A single-line field; `typing` false for the block lines, which only show text.
QLineEdit* NewLineField(QWidget* parent, bool typing);
QLabel* NewPromptLabel(QWidget* parent);

// The look shared by all five fields.
void StyleAsLcd(QWidget* field);

}  // namespace zan::gui
