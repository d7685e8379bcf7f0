#include "gui/panel/field_widgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QTextDocument>
#include <QValidator>

#include "core/lcd/lcd_screen.h"

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

QFont FieldFont()
{
    QFont font(QStringLiteral("WenQuanYi Bitmap Song"));
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}  // namespace

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
    auto* field = new QLineEdit(parent);
    StyleAsLcd(field);
    field->setFrame(false);
    field->setTextMargins(0, 0, 0, 0);
    if (typing) field->setValidator(new UpperCase(field));
    else field->setReadOnly(true);
    return field;
}

QLabel* NewPromptLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    StyleAsLcd(label);
    label->setMargin(0);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace zan::gui
