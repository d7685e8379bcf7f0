#pragma once
// What the panel's windows hand on: the student's clicks on keys, the codes
// of the second key pad, typing into the fields, and the first paint. The
// desktop program passes them to the controller's panel (StationPanelInput);
// tests record them.

#include "core/panel/panel_codes.h"

namespace zan::gui {

class PanelInput {
public:
    virtual ~PanelInput() = default;
    virtual void KeyDown(KeyId key) = 0;     // a jog key went down
    virtual void KeyUp(KeyId key) = 0;       // a key came up over itself
    virtual void KeyCode(char code) = 0;     // a key of the second key pad
    virtual void FieldChanged(FieldId id) = 0;
    virtual void ReturnTyped() = 0;          // Return in the editor field: the ENTER key
    virtual void FirstPaint() = 0;           // the panel window is on screen for the first time
};

// Goes nowhere: the windows' input before the controller exists.
class NoPanelInput : public PanelInput {
public:
    void KeyDown(KeyId) override {}
    void KeyUp(KeyId) override {}
    void KeyCode(char) override {}
    void FieldChanged(FieldId) override {}
    void ReturnTyped() override {}
    void FirstPaint() override {}
};

}  // namespace zan::gui
