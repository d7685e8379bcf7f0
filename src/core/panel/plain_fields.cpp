#include "core/panel/plain_fields.h"

#include <algorithm>

namespace zan {

int CharCount(std::string_view utf8)
{
    int n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::size_t ByteOffset(std::string_view utf8, int character)
{
    int n = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;
        if (n == character) return i;
        ++n;
    }
    return utf8.size();
}

int FirstDifference(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    // Back to the start of the character the bytes differ in.
    while (i > 0 && i < a.size() && (static_cast<unsigned char>(a[i]) & 0xC0) == 0x80) --i;
    return CharCount(a.substr(0, i));
}

int PlainFields::Index(FieldId id)
{
    for (int i = 0; i < 5; ++i)
        if (kAllFields[i] == id) return i;
    return 0;
}

void PlainFields::SetText(FieldId id, std::string_view text)
{
    Field& f = At(id);
    f.text = std::string(text);
    const int end = CharCount(f.text);
    f.selection = Selection{end, end};
}

int PlainFields::LineCount(FieldId id) const
{
    return 1 + static_cast<int>(std::count(At(id).text.begin(), At(id).text.end(), '\n'));
}

std::string PlainFields::Line(FieldId id, int line) const
{
    const std::string& text = At(id).text;
    std::size_t start = 0;
    for (int k = 0; k < line; ++k) {
        start = text.find('\n', start);
        if (start == std::string::npos) return {};
        ++start;
    }
    const std::size_t end = text.find('\n', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

int PlainFields::CaretLine(FieldId id) const
{
    const Field& f = At(id);
    const std::size_t caret = ByteOffset(f.text, f.selection.end);
    return static_cast<int>(std::count(f.text.begin(), f.text.begin() + static_cast<std::ptrdiff_t>(caret), '\n'));
}

void PlainFields::SetSelection(FieldId id, Selection selection)
{
    Field& f = At(id);
    const int n = CharCount(f.text);
    selection.start = std::clamp(selection.start, 0, n);
    selection.end = std::clamp(selection.end, selection.start, n);
    f.selection = selection;
}

void PlainFields::ReplaceSelection(FieldId id, std::string_view text)
{
    Field& f = At(id);
    const std::size_t from = ByteOffset(f.text, f.selection.start);
    const std::size_t to = ByteOffset(f.text, f.selection.end);
    f.text.replace(from, to - from, text);
    const int caret = f.selection.start + CharCount(text);
    f.selection = Selection{caret, caret};
}

// Like a field of the window, the view cannot scroll past its first or last line.
void PlainFields::Scroll(FieldId id, int lines)
{
    Field& f = At(id);
    f.firstLine = std::clamp(f.firstLine + lines, 0, std::max(0, LineCount(id) - 1));
}

}  // namespace zan
