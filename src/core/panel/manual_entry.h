#pragma once
// The commands typed in Manual: INPUT sets the work coordinates (or the
// program reference point), I and K measure tool offsets, Z, X, U and W
// arm a move that cycle start carries out, T changes the tool and its
// offset, M switches the spindle, coolant and chuck. This part owns the
// command being typed; it changes the machine and the tool offsets.

#include <string>

#include "core/lathe/lathe.h"
#include "core/panel/overlay_fields.h"
#include "core/panel/panel_host.h"
#include "core/panel/panel_lcd.h"
#include "core/panel/panel_state.h"

namespace zan {

// The command being typed in Manual.
struct ManualCommand {
    EntryState entryState = EntryState::None;
    std::string entryText;        // its value, up to 8 characters
    // ENTER armed a typed move (Z, X, U or W) with a valid value, shown as
    // "运行?": cycle start runs it. Any other command, INPUT, ESC or a mode
    // change disarms it, so that no move runs that is not on the screen.
    bool moveArmed = false;
    int currentOffsetNumber = 0;  // offset applied by the last T command, 0..9
};

class ManualEntry {
public:
    ManualEntry(PanelState& panel, OverlayFields& fields, PanelLcd& lcd, Lathe& lathe, MachineBridge& bridge,
                PanelHost& host)
        : panel_(panel), fields_(fields), lcd_(lcd), lathe_(lathe), bridge_(bridge), host_(host) {}
    ManualEntry(const ManualEntry&) = delete;
    ManualEntry& operator=(const ManualEntry&) = delete;

    ManualCommand& command() { return command_; }
    const ManualCommand& command() const { return command_; }

    // A command letter I, K, Z, X, U, W, T or M opens its entry: true when
    // `letter` did.
    bool StartCommand(char letter);
    // "0" on an empty coordinate box asks for the program reference point:
    // true when it did (the digit is then not typed).
    bool AskReferencePoint(char ch);
    void Enter();
    void Input();
    // ESC, or a mode change: the command ends, a move armed with it too.
    void Cancel();
    // Cycle start with a typed move (Z, X, U or W) armed: true when it ran one.
    bool RunTypedMove();

private:
    void SetWorkCoordinate();
    void AskMeasuredTool(EntryState next);
    void StoreMeasuredOffset();
    void ArmManualMove();
    void ToolCommand();
    void SetReferencePoint();
    void MCommand();
    // Hides the entry field and keeps its value in entryText.
    void TakeEntryText();
    // The same for a value that must be one number: false (the box emptied
    // and left open) when it is not.
    bool TakeTypedValue();

    PanelState& panel_;
    OverlayFields& fields_;
    PanelLcd& lcd_;
    Lathe& lathe_;
    MachineBridge& bridge_;
    PanelHost& host_;
    ManualCommand command_;
};

}  // namespace zan
