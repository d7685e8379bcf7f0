#pragma once
// The edit fields as plain text, for runs without a window and for tests:
// each field keeps its text, its place and its selection; typing replaces
// the selection as a field of the window would.

#include <array>
#include <string>

#include "core/panel/panel_ports.h"

namespace zan {

class PlainFields : public PanelFields {
public:
    void Place(FieldId id, const Rect& rect) override { At(id).rect = rect; }
    std::string Text(FieldId id) const override { return At(id).text; }
    void SetText(FieldId id, std::string_view text) override;
    void Focus(FieldId id) override { focused_ = id; }
    int LineCount(FieldId id) const override;
    std::string Line(FieldId id, int line) const override;
    int CaretLine(FieldId id) const override;
    Selection GetSelection(FieldId id) const override { return At(id).selection; }
    void SetSelection(FieldId id, Selection selection) override;
    void ReplaceSelection(FieldId id, std::string_view text) override;
    void Scroll(FieldId id, int lines) override;

    Rect Placement(FieldId id) const { return At(id).rect; }
    bool Shown(FieldId id) const { return !(At(id).rect == kHiddenField) && !At(id).rect.empty(); }
    FieldId focused() const { return focused_; }
    int firstLine(FieldId id) const { return At(id).firstLine; }

private:
    struct Field {
        Rect rect = kHiddenField;
        std::string text;
        Selection selection;
        int firstLine = 0;  // the line at the top of the field
    };
    static int Index(FieldId id);
    Field& At(FieldId id) { return fields_[Index(id)]; }
    const Field& At(FieldId id) const { return fields_[Index(id)]; }

    std::array<Field, 5> fields_;
    FieldId focused_ = FieldId::Editor;
};

// Characters (code points) of a UTF-8 text, and the byte offset of character n.
int CharCount(std::string_view utf8);
std::size_t ByteOffset(std::string_view utf8, int character);
// The character index at which two UTF-8 texts first differ (the shorter
// one's length when one begins the other).
int FirstDifference(std::string_view a, std::string_view b);

}  // namespace zan
