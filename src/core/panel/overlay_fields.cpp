// The fields over the LCD: their places, and the editor's limit and the
// characters a program may hold.

#include "core/panel/overlay_fields.h"

#include "core/files/program_file.h"
#include "core/panel/plain_fields.h"

namespace zan {

std::size_t OverlayFields::IndexOf(FieldId id)
{
    for (std::size_t i = 0; i < std::size(kAllFields); ++i)
        if (kAllFields[i] == id) return i;
    return 0;
}

void OverlayFields::Place(FieldId id, const Rect& rect)
{
    places_[IndexOf(id)] = rect;
    io_.Place(id, rect);
}

void OverlayFields::Hide(std::span<const FieldId> ids)
{
    for (FieldId id : ids) Hide(id);
}

Rect OverlayFields::PlaceOf(FieldId id) const { return places_[IndexOf(id)]; }

void OverlayFields::SetEditorText(std::string_view text)
{
    io_.SetText(FieldId::Editor, text);
    editorKept_ = std::string(text);
}

// Nothing is ever cut off the end of a program. A program that is longer
// already (written elsewhere) keeps every character; it may be made
// shorter, never longer.
bool OverlayFields::KeepEditorWithinLimit()
{
    const std::string text = io_.Text(FieldId::Editor);
    const int count = CharCount(text);
    if (count <= kEditorLimit || count <= CharCount(editorKept_)) {
        editorKept_ = text;
        return true;
    }
    const int at = FirstDifference(editorKept_, text);
    io_.SetText(FieldId::Editor, editorKept_);
    io_.SetSelection(FieldId::Editor, Selection{at, at});
    return false;
}

// A program holds printable characters and line breaks; a control
// character (a NUL would end the program where it stands when it is next
// opened) pasted into the field is dropped, the rest of the text kept.
void OverlayFields::DropControlCharacters()
{
    const std::string text = io_.Text(FieldId::Editor);
    const Selection caret = io_.GetSelection(FieldId::Editor);
    std::string kept;
    int index = 0, droppedBefore = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool starts = (byte & 0xC0) != 0x80;
        if (starts && !ProgramCanHold(byte)) {
            if (index < caret.end) ++droppedBefore;
            ++index;
            continue;
        }
        if (starts) ++index;
        kept += text[i];
    }
    if (kept.size() == text.size()) return;
    io_.SetText(FieldId::Editor, kept);
    const int at = caret.end - droppedBefore;
    io_.SetSelection(FieldId::Editor, Selection{at, at});
}

}  // namespace zan
