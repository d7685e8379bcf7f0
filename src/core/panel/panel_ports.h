#pragma once
// What the operator panel needs of its window: the panel and the second key
// pad appear, the LCD was redrawn, a lamp changed; and the edit fields laid
// over the LCD. The desktop program implements them with Qt widgets; runs
// without a window use the quiet window and the plain text fields.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/lathe/geometry.h"
#include "core/lcd/lcd_screen.h"
#include "core/panel/panel_codes.h"

namespace zan {

class PanelWindow {
public:
    virtual ~PanelWindow() = default;
    // Shows the panel window, creating it on the first call at screen
    // (0, 0), 290 x 350 pixels.
    virtual void OpenPanel() = 0;
    // Shows the second key pad, creating it on the first call at (0, 350), 290 x 370.
    virtual void OpenSecondPad() = 0;
    // The LCD was redrawn (or drawn on); render it now. With repaintArea the
    // screen area is repainted from the background first.
    virtual void ScreenChanged(const LcdScreen& screen, bool repaintArea) = 0;
    // A key's lamp was lit or put out: repaint the key.
    virtual void LampChanged(KeyId key, bool on) = 0;
    // Opens the desktop's file manager on a folder (the student deletes
    // programs there).
    virtual void ShowFolder(const std::filesystem::path& folder) = 0;
};

// A selection in a field: offsets in characters (not bytes) from the start
// of the text, start <= end; equal when it is only the caret.
struct Selection {
    int start = 0;
    int end = 0;
    friend bool operator==(const Selection&, const Selection&) = default;
};

// Where the hidden fields are kept: moved to (500, 500) with size 0 x 0.
inline constexpr Rect kHiddenField{500, 500, 500, 500};

// The edit fields over the LCD. Places are decided by the panel; the text
// belongs to the field, which the student may type into. Texts are UTF-8,
// lines separated by "\n".
class PanelFields {
public:
    virtual ~PanelFields() = default;
    virtual void Place(FieldId id, const Rect& rect) = 0;
    virtual std::string Text(FieldId id) const = 0;
    virtual void SetText(FieldId id, std::string_view text) = 0;
    virtual void Focus(FieldId id) = 0;
    virtual int LineCount(FieldId id) const = 0;
    virtual std::string Line(FieldId id, int line) const = 0;
    virtual int CaretLine(FieldId id) const = 0;
    virtual Selection GetSelection(FieldId id) const = 0;
    virtual void SetSelection(FieldId id, Selection selection) = 0;
    virtual void ReplaceSelection(FieldId id, std::string_view text) = 0;
    // Scrolls the field by whole lines (down for positive), leaving the caret.
    virtual void Scroll(FieldId id, int lines) = 0;
};

// The editor and the entry field turn typed letters into capitals, as the
// controller's keyboard has capitals only.
inline bool TypesCapitals(FieldId id) { return id == FieldId::Editor || id == FieldId::Entry; }

// A window that shows nothing.
class QuietPanelWindow : public PanelWindow {
public:
    void OpenPanel() override {}
    void OpenSecondPad() override {}
    void ScreenChanged(const LcdScreen&, bool) override {}
    void LampChanged(KeyId, bool) override {}
    void ShowFolder(const std::filesystem::path&) override {}
};

}  // namespace zan
