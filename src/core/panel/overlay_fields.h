#pragma once
// The fields laid over the LCD as the panel places them: where each one is
// (the panel tells the number box from the other uses of the editor field by
// its height) and the editor's text as the panel last set or accepted it.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "core/panel/panel_codes.h"
#include "core/panel/panel_ports.h"

namespace zan {

// Characters the editor field holds at the most.
inline constexpr int kEditorLimit = 32767;

class OverlayFields {
public:
    explicit OverlayFields(PanelFields& io) : io_(io) {}
    OverlayFields(const OverlayFields&) = delete;
    OverlayFields& operator=(const OverlayFields&) = delete;

    // The fields themselves: text, caret, focus.
    PanelFields& io() { return io_; }
    const PanelFields& io() const { return io_; }

    // Every placement goes through here; kHiddenField hides the field.
    void Place(FieldId id, const Rect& rect);
    void Hide(FieldId id) { Place(id, kHiddenField); }
    void Hide(std::span<const FieldId> ids);
    Rect PlaceOf(FieldId id) const;

    // The editor's text as the panel sets it; it is also the text a change
    // past the limit is undone to.
    void SetEditorText(std::string_view text);
    // A change that takes the editor past kEditorLimit characters (and past
    // its length before the change) is undone whole, caret and all: false.
    bool KeepEditorWithinLimit();
    // Drops the control characters pasted into the editor, keeping the rest.
    void DropControlCharacters();

private:
    static std::size_t IndexOf(FieldId id);

    PanelFields& io_;
    std::array<Rect, std::size(kAllFields)> places_{kHiddenField, kHiddenField, kHiddenField, kHiddenField,
                                                     kHiddenField};
    // The editor's text before the student's last change.
    std::string editorKept_;
};

}  // namespace zan
