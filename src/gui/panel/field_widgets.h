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

#include <QList>

#include "core/lcd/lcd_renderer.h"

class QLabel;

namespace zan::gui {

// What the fields drawn as the LCD keep: the core's renderer (with the cells
// it drew), and the panel's zoom (window pixels a panel pixel), by which they
// are drawn enlarged.
struct LcdDrawn {
    virtual ~LcdDrawn() = default;
    LcdRenderer lcd;
    qreal zoom = 1;
};

// The program editor: several lines, no wrapping, scrolls with the caret.
// Return does not break the line here: it is the panel's ENTER key, which
// writes the line break and the next block number itself.
class CEditorField : public QPlainTextEdit, public LcdDrawn {
    Q_OBJECT
public:
    explicit CEditorField(QWidget* parent);

signals:
    void returnTyped();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void paintEvent(QPaintEvent* event) override;
};

// Draws a line of text as the LCD does into a widget, from its top left
// corner, scrolled so that the caret (a character offset; -1 none) shows;
// characters [selStart, selEnd) in inverse video.
void PaintLcdLine(QWidget& widget, LcdDrawn& drawn, const QString& text, int caret, int selStart, int selEnd);

// A single-line field; `typing` false for the block lines, which only show text.
QLineEdit* NewLineField(QWidget* parent, bool typing);
QLabel* NewPromptLabel(QWidget* parent);

// The look shared by all five fields.
void StyleAsLcd(QWidget* field);

}  // namespace zan::gui
