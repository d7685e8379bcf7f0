#include "gui/panel/field_widgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QTextDocument>
#include <QValidator>

#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QtMath>
#include <algorithm>

#include "core/files/rgba_frame.h"
#include "core/lcd/lcd_renderer.h"
#include "core/lcd/lcd_screen.h"
#include "gui/panel/frame_image.h"

namespace zan::gui {

namespace {

// Takes whatever is typed or pasted, in capitals.
class UpperCase : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

// A line field that draws its text as the LCD does.
class LcdLineField : public QLineEdit, public LcdDrawn {
public:
    using QLineEdit::QLineEdit;

protected:
    void paintEvent(QPaintEvent*) override
    {
        const int caret = hasFocus() && !isReadOnly() ? cursorPosition() : -1;
        const int start = hasSelectedText() ? selectionStart() : 0;
        const int end = hasSelectedText() ? selectionEnd() : 0;
        PaintLcdLine(*this, *this, text(), caret, start, end);
    }
};

// The prompt, drawn as the LCD draws.
class LcdLabel : public QLabel, public LcdDrawn {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override { PaintLcdLine(*this, *this, text(), -1, 0, 0); }
};

QFont FieldFont()
{
    QFont font(QStringLiteral("WenQuanYi Bitmap Song"));
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}  // namespace

namespace {

// Image pixels a panel pixel for glyphs drawn at a zoom: whole, so that cells
// fall on whole pixels (at 1.5 the glyphs are drawn at 2 and shown reduced).
int GlyphRatio(const QWidget& widget, qreal zoom)
{
    return std::clamp(qCeil(widget.devicePixelRatioF() * zoom - 0.01), 1, kLcdMaxRatio);
}

// Cell edges in panel pixels from the line's left: 6 for ASCII, 12 beyond.
std::vector<int> CellEdges(const QList<uint>& codes)
{
    std::vector<int> edges{0};
    for (uint c : codes) edges.push_back(edges.back() + (c >= 0x80 ? 12 : 6));
    return edges;
}

// A line of characters drawn by the core in the LCD's normal font at `ratio`,
// with its top left corner at `at` (panel pixels); those for which `selected`
// holds in inverse video.
template <typename Selected>
void DrawLcdCells(QPainter& p, LcdRenderer& lcd, QPoint at, const QList<uint>& codes, int ratio, Selected selected)
{
    const std::vector<int> edges = CellEdges(codes);
    if (edges.back() == 0) return;
    RgbaFrame line(edges.back() * ratio, CellOf(LcdFont::Normal).height * ratio);
    for (int i = 0; i < codes.size(); ++i)
        lcd.DrawCharacter(codes[i], LcdFont::Normal, selected(i) ? LcdVideo::Inverse : LcdVideo::Normal, ratio, line,
                          edges[i] * ratio, 0);
    p.drawImage(at, FrameImage(line, ratio));
}

}  // namespace

void PaintLcdLine(QWidget& widget, LcdDrawn& drawn, const QString& text, int caret, int selStart, int selEnd)
{
    QPainter p(&widget);
    p.fillRect(widget.rect(), QColor::fromRgb(kLcdBlue));
    p.scale(drawn.zoom, drawn.zoom);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const int ratio = GlyphRatio(widget, drawn.zoom);
    const int width = qRound(widget.width() / drawn.zoom);  // panel pixels
    // Cell edges in pixels, and the scroll that keeps the caret in the field.
    const QList<uint> codes = text.toUcs4();
    const std::vector<int> edges = CellEdges(codes);
    const int caretX = caret >= 0 ? edges[std::min<std::size_t>(caret, edges.size() - 1)] : 0;
    // A field its text fills shows no caret after it.
    const int shift = std::max(0, caretX - width);
    DrawLcdCells(p, drawn.lcd, QPoint(-shift, 0), codes, ratio, [&](int i) { return i >= selStart && i < selEnd; });
    if (caret >= 0 && caretX - shift < width) p.fillRect(QRect(caretX - shift, 0, 1, 12), QColor::fromRgb(kLcdWhite));
}

void StyleAsLcd(QWidget* field)
{
    const QColor blue = QColor::fromRgb(kLcdBlue);
    const QColor white = QColor::fromRgb(kLcdWhite);
    QPalette palette = field->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, blue);
        palette.setColor(group, QPalette::Window, blue);
        palette.setColor(group, QPalette::Text, white);
        palette.setColor(group, QPalette::WindowText, white);
        // A selection shows inverted, as the LCD's inverse video does.
        palette.setColor(group, QPalette::Highlight, white);
        palette.setColor(group, QPalette::HighlightedText, blue);
    }
    field->setPalette(palette);
    field->setAutoFillBackground(true);
    field->setFont(FieldFont());
}

CEditorField::CEditorField(QWidget* parent) : QPlainTextEdit(parent)
{
    StyleAsLcd(this);
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(0);
}

// The lines from the first one scrolled to, 12 pixels apart, each drawn as
// the LCD draws; the caret's line scrolled sideways as a line field is.
void CEditorField::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), QColor::fromRgb(kLcdBlue));
    p.scale(zoom, zoom);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const int ratio = GlyphRatio(*this, zoom);
    const int width = qRound(viewport()->width() / zoom), height = qRound(viewport()->height() / zoom);
    const QTextCursor cursor = textCursor();
    const int caretLine = cursor.blockNumber();
    const int caretColumn = cursor.positionInBlock();
    std::vector<int> caretEdges{0};
    const QString caretText = cursor.block().text();
    for (QChar c : caretText) caretEdges.push_back(caretEdges.back() + (c.unicode() >= 0x80 ? 12 : 6));
    const int caretX = caretEdges[std::min<std::size_t>(caretColumn, caretEdges.size() - 1)];
    const int shift = std::max(0, caretX - width);
    const int first = verticalScrollBar()->value();
    for (QTextBlock block = document()->findBlockByNumber(first); block.isValid(); block = block.next()) {
        const int y = (block.blockNumber() - first) * 12;
        if (y >= height) break;
        // One cell a UTF-16 unit, as the caret counts them.
        const QString line = block.text();
        QList<uint> codes;
        for (QChar c : line) codes.push_back(c.unicode());
        DrawLcdCells(p, lcd, QPoint(-shift, y), codes, ratio, [&](int i) {
            const int at = block.position() + i;
            return at >= cursor.selectionStart() && at < cursor.selectionEnd();
        });
    }
    if (hasFocus() && !cursor.hasSelection() && caretLine >= first && caretX - shift < width)
        p.fillRect(QRect(caretX - shift, (caretLine - first) * 12, 1, 12), QColor::fromRgb(kLcdWhite));
}

void CEditorField::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit returnTyped();
        return;
    }
    const QString upper = event->text().toUpper();
    if (upper == event->text()) return QPlainTextEdit::keyPressEvent(event);
    QKeyEvent capital(event->type(), event->key(), event->modifiers(), upper, event->isAutoRepeat(), event->count());
    QPlainTextEdit::keyPressEvent(&capital);
}

void CEditorField::insertFromMimeData(const QMimeData* source)
{
    QMimeData capitals;
    capitals.setText(source->text().toUpper());
    QPlainTextEdit::insertFromMimeData(&capitals);
}

QLineEdit* NewLineField(QWidget* parent, bool typing)
{
    auto* field = new LcdLineField(parent);
    StyleAsLcd(field);
    field->setFrame(false);
    field->setTextMargins(0, 0, 0, 0);
    if (typing) field->setValidator(new UpperCase(field));
    else field->setReadOnly(true);
    return field;
}

QLabel* NewPromptLabel(QWidget* parent)
{
    auto* label = new LcdLabel(parent);
    StyleAsLcd(label);
    label->setMargin(0);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace zan::gui
