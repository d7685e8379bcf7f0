#include "gui/panel/panel_field_widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <algorithm>

#include "gui/panel/field_widgets.h"

namespace zan::gui {

namespace {

// Character offsets and UTF-16 positions: a character beyond the BMP is two
// UTF-16 units.
int Utf16Index(const QString& s, int characters)
{
    int i = 0;
    for (int n = 0; n < characters && i < s.size(); ++n) i += s[i].isHighSurrogate() && i + 1 < s.size() ? 2 : 1;
    return i;
}

int CharacterIndex(const QString& s, int utf16)
{
    int n = 0;
    for (int i = 0; i < utf16 && i < s.size(); ++n) i += s[i].isHighSurrogate() ? 2 : 1;
    return n;
}

Selection Clamped(const QString& s, Selection selection)
{
    const int n = CharacterIndex(s, static_cast<int>(s.size()));
    selection.start = std::clamp(selection.start, 0, n);
    selection.end = std::clamp(selection.end, selection.start, n);
    return selection;
}

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The editor holds lines, not carriage returns.
QString EditorText(std::string_view text) { return FromUtf8(text).remove(QLatin1Char('\r')); }

}  // namespace

PanelFieldWidgets::PanelFieldWidgets(QWidget* window)
    : QObject(window),
      editor_(new CEditorField(window)),
      entry_(NewLineField(window, true)),
      prompt_(NewPromptLabel(window)),
      blockLines_{NewLineField(window, false), NewLineField(window, false)}
{
    for (FieldId id : kAllFields) Place(id, kHiddenField);
    // The number box lies inside the prompt's place, after its text: the
    // boxes stand above the prompt.
    prompt_->lower();
    connect(editor_, &QPlainTextEdit::textChanged, this, [this] { Announce(FieldId::Editor); });
    connect(entry_, &QLineEdit::textChanged, this, [this] { Announce(FieldId::Entry); });
    connect(editor_, &CEditorField::returnTyped, this, &PanelFieldWidgets::returnTyped);
}

void PanelFieldWidgets::Announce(FieldId id)
{
    if (!applying_) emit changed(id);
}

QWidget* PanelFieldWidgets::Widget(FieldId id) const
{
    switch (id) {
    case FieldId::Editor: return editor_;
    case FieldId::Entry: return entry_;
    case FieldId::Prompt: return prompt_;
    case FieldId::BlockLine1: return blockLines_[0];
    case FieldId::BlockLine2: return blockLines_[1];
    }
    return editor_;
}

QLineEdit* PanelFieldWidgets::LineField(FieldId id) const
{
    return id == FieldId::Entry ? entry_ : id == FieldId::BlockLine1 ? blockLines_[0] : id == FieldId::BlockLine2 ? blockLines_[1] : nullptr;
}

// Hidden fields go to (500, 500) with no size, as the panel keeps them.
void PanelFieldWidgets::Place(FieldId id, const Rect& rect)
{
    for (std::size_t i = 0; i < std::size(kAllFields); ++i)
        if (kAllFields[i] == id) places_[i] = rect;
    const QRectF at(rect.left, rect.top, std::max(0, rect.right - rect.left), std::max(0, rect.bottom - rect.top));
    Widget(id)->setGeometry(QRectF(at.topLeft() * zoom_, at.size() * zoom_).toAlignedRect());
}

void PanelFieldWidgets::SetZoom(qreal zoom)
{
    zoom_ = zoom;
    for (std::size_t i = 0; i < std::size(kAllFields); ++i) {
        if (auto* drawn = dynamic_cast<LcdDrawn*>(Widget(kAllFields[i]))) drawn->zoom = zoom;
        Place(kAllFields[i], places_[i]);
        Widget(kAllFields[i])->update();
    }
}

std::string PanelFieldWidgets::Text(FieldId id) const
{
    if (id == FieldId::Editor) return editor_->toPlainText().toStdString();
    if (id == FieldId::Prompt) return prompt_->text().toStdString();
    return LineField(id)->text().toStdString();
}

void PanelFieldWidgets::SetText(FieldId id, std::string_view text)
{
    QScopedValueRollback guard(applying_, true);
    if (id == FieldId::Editor) {
        editor_->setPlainText(EditorText(text));
        editor_->moveCursor(QTextCursor::End);  // the caret after the text, as a field's own text puts it
    } else if (id == FieldId::Prompt) {
        prompt_->setText(FromUtf8(text));
        const int end = CharacterIndex(prompt_->text(), static_cast<int>(prompt_->text().size()));
        promptSelection_ = {end, end};
    } else {
        LineField(id)->setText(FromUtf8(text));
    }
}

// Typing lands in the field whichever window's key opened it (the second key
// pad has no digit keys): the panel's window comes up and takes the keyboard.
void PanelFieldWidgets::Focus(FieldId id)
{
    QWidget* window = Widget(id)->window();
    if (window->isVisible() && !window->isActiveWindow()) {
        window->raise();
        window->activateWindow();
    }
    Widget(id)->setFocus(Qt::OtherFocusReason);
}

int PanelFieldWidgets::LineCount(FieldId id) const
{
    return id == FieldId::Editor ? editor_->document()->blockCount() : 1;
}

std::string PanelFieldWidgets::Line(FieldId id, int line) const
{
    if (id != FieldId::Editor) return line == 0 ? Text(id) : std::string();
    const QTextBlock block = editor_->document()->findBlockByNumber(line);
    return block.isValid() ? block.text().toStdString() : std::string();
}

int PanelFieldWidgets::CaretLine(FieldId id) const
{
    return id == FieldId::Editor ? editor_->textCursor().blockNumber() : 0;
}

Selection PanelFieldWidgets::GetSelection(FieldId id) const
{
    if (id == FieldId::Prompt) return promptSelection_;
    if (id == FieldId::Editor) {
        const QTextCursor c = editor_->textCursor();
        const QString text = editor_->toPlainText();
        return {CharacterIndex(text, c.selectionStart()), CharacterIndex(text, c.selectionEnd())};
    }
    const QLineEdit* field = LineField(id);
    const QString text = field->text();
    if (!field->hasSelectedText()) {
        const int caret = CharacterIndex(text, field->cursorPosition());
        return {caret, caret};
    }
    return {CharacterIndex(text, field->selectionStart()), CharacterIndex(text, field->selectionEnd())};
}

void PanelFieldWidgets::SetSelection(FieldId id, Selection selection)
{
    if (id == FieldId::Prompt) {
        promptSelection_ = Clamped(prompt_->text(), selection);
        return;
    }
    if (id == FieldId::Editor) {
        const QString text = editor_->toPlainText();
        selection = Clamped(text, selection);
        QTextCursor c = editor_->textCursor();
        c.setPosition(Utf16Index(text, selection.start));
        c.setPosition(Utf16Index(text, selection.end), QTextCursor::KeepAnchor);
        editor_->setTextCursor(c);
        editor_->ensureCursorVisible();
        return;
    }
    QLineEdit* field = LineField(id);
    const QString text = field->text();
    selection = Clamped(text, selection);
    const int start = Utf16Index(text, selection.start), end = Utf16Index(text, selection.end);
    if (start == end) field->setCursorPosition(start);
    else field->setSelection(start, end - start);
}

// The text takes the selection's place and the caret follows it. The line
// fields are rewritten whole, so that the block lines take text although
// the student cannot type into them.
void PanelFieldWidgets::ReplaceSelection(FieldId id, std::string_view text)
{
    QScopedValueRollback guard(applying_, true);
    if (id == FieldId::Editor) {
        QTextCursor c = editor_->textCursor();
        c.insertText(EditorText(text));
        editor_->setTextCursor(c);
        return;
    }
    const Selection s = GetSelection(id);
    const QString inserted = FromUtf8(text);
    QString whole = id == FieldId::Prompt ? prompt_->text() : LineField(id)->text();
    const int from = Utf16Index(whole, s.start);
    whole.replace(from, Utf16Index(whole, s.end) - from, inserted);
    const int caret = s.start + CharacterIndex(inserted, static_cast<int>(inserted.size()));
    if (id == FieldId::Prompt) {
        prompt_->setText(whole);
        promptSelection_ = {caret, caret};
        return;
    }
    LineField(id)->setText(whole);
    LineField(id)->setCursorPosition(Utf16Index(whole, caret));
}

// Whole lines: the editor's vertical scroll bar counts lines of text.
void PanelFieldWidgets::Scroll(FieldId id, int lines)
{
    if (id != FieldId::Editor) return;
    QScrollBar* bar = editor_->verticalScrollBar();
    bar->setValue(bar->value() + lines);
}

}  // namespace zan::gui
