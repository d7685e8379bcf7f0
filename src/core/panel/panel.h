#pragma once
// The operator panel: the controller's keys and modes, the LCD it draws and
// the fields laid over it. It is the machine's PanelLink (lamps, the LCD and
// the panel's own key actions) and acts on the machine only through machine
// commands and panel events.
//
// The panel dispatches every key (key_table.cpp gives each key its action,
// key_dispatch.cpp each action its owner) and keeps the modes, ESC, the
// typing keys and the redraws; the parts below own their own state and reach
// only what they are given. What several parts read, and the LCD draws, is
// the shared PanelState.

#include <string>
#include <string_view>

#include "core/files/program_folder.h"
#include "core/lathe/codes.h"
#include "core/lathe/lathe.h"
#include "core/lcd/lcd_screen.h"
#include "core/panel/auto_run.h"
#include "core/panel/key_table.h"
#include "core/panel/lcd_screens.h"
#include "core/panel/manual_entry.h"
#include "core/panel/manual_motion.h"
#include "core/panel/overlay_fields.h"
#include "core/panel/panel_host.h"
#include "core/panel/panel_lamps.h"
#include "core/panel/panel_lcd.h"
#include "core/panel/panel_ports.h"
#include "core/panel/panel_state.h"
#include "core/panel/program_editor.h"
#include "core/panel/save_reports.h"
#include "core/panel/value_entry.h"
#include "core/text/controller_random.h"

namespace zan {

struct PanelPorts {
    Alerts& alerts;
    PanelWindow& window;
    PanelFields& fields;
};

class Panel : public PanelLink, private PanelHost {
public:
    // Reads Pset.dat and Dset.dat and the program listing of `programs`.
    // The position display's jitter draws from `random`.
    Panel(PanelPorts ports, Lathe& lathe, MachineBridge& bridge, ProgramFolder programs, ControllerRandom& random);
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    // A click on a key: pressed and released. Jog keys act on both halves;
    // every other key acts on the release.
    void Click(KeyId key);
    void KeyDown(KeyId key);  // the left button went down on the key
    void KeyUp(KeyId key);    // and came up over it
    // The panel key code entry point of the second key pad: 1 done, 0
    // refused ("1".."4" outside Manual), 100 for a code no key has.
    int KeyCode(char code);

    // The window paints: the LCD is redrawn for the current mode.
    void Paint();
    void RefreshLcd(ScreenCode code) override;
    // The student changed the text of a field.
    void FieldChanged(FieldId id);

    const PanelState& state() const { return state_; }
    PanelState& state() { return state_; }
    const PageState& pages() const { return pages_; }
    // The command being typed in Manual.
    ManualCommand& manualCommand() { return manual_.command(); }
    const LcdScreen& screen() const { return lcd_.screen(); }
    bool LampOn(KeyId key) const { return lamps_.On(key); }
    Rect FieldPlace(FieldId id) const { return fields_.PlaceOf(id); }
    const ProgramFolder& programs() const { return programs_; }

    // PanelLink: what the machine reads from the panel and asks of it.
    PanelOverrides Overrides() override;
    OffsetPair ToolOffset(int pair) override;
    void ShowOffset(float z, float x) override;
    void ShowPanel() override;
    void ShowSecondKeyPad() override;
    void ShowSpindle(int state) override;
    void ShowRunLines() override;
    void ShowRunComplete() override;
    void ResetKeys() override;
    void CycleStartLampOff() override;
    void ShowCoolant(bool on) override;
    void RefreshPosition() override;
    void PressEnter() override;
    void PressCycleStart() override;
    void PressFeedHold() override;
    void PressSpindleToggle(bool spindleRunning) override;
    void PressRapidFeed() override;

private:
    // Tests light lamps that no key sequence lights together.
    friend struct PanelProbe;

    // PanelHost: what the parts ask of the panel as a whole.
    void DrawOver(ScreenOverlay draw) override;
    void CancelInput() override;
    void Press(KeyId key) override { RunKey(key, KeyPress::Up); }
    void TypeKeyText(std::string_view text) override { InsertKeyText(text); }
    void TypeDigit(char ch) override { InsertDigit(ch); }
    void InsertInto(FieldId id, std::string_view text) override;

    // key_dispatch.cpp: a key to the part that owns its action.
    void RunKey(KeyId key, KeyPress press);
    void RunAction(KeyAction action, KeyId key, KeyPress press);
    // mode_keys.cpp
    void SwitchMode(PanelMode next);
    bool ModeKeyRefused(PanelMode next) const;
    void LeaveInputState(PanelMode next);
    void RunChecker();
    // panel.cpp: what a drawing of the LCD reads and changes.
    ScreenContext MakeContext(std::string_view listing);
    // esc_key.cpp
    void CancelEdit();
    // list_keys.cpp
    void PageKey(KeyId key);
    void CursorUpDownKey(KeyId key);
    void CaretKey(KeyId key);
    // direct_keys.cpp
    void ResetKey();
    void ToolChangeKey();
    void HandwheelKey();
    void CycleStartKey();
    // entry_keys.cpp: the letter, digit, INPUT and ENTER keys, and what they
    // do in each mode.
    void LetterKey(KeyId key);
    void DigitKey(KeyId key);
    void InsertKeyText(std::string_view text);
    void InsertDigit(char ch);
    void EnterKey();
    void InputKey();

    PanelPorts ports_;
    Lathe& lathe_;
    MachineBridge& bridge_;
    const ProgramFolder programs_;
    ControllerRandom& random_;
    PanelState state_;
    PageState pages_;
    PanelLcd lcd_;
    OverlayFields fields_;
    PanelLamps lamps_;
    SaveReports saves_;
    // The parts, each with the state it alone uses.
    ProgramEditor editor_;
    ManualEntry manual_;
    ManualMotion motion_;
    ValueEntry values_;
    AutoRun auto_;
    // The letter keys' second legends: the letter of the last letter key (0
    // for none) and its presses in a row, less one.
    char lastLetter_ = 0;
    int letterRepeat_ = 0;
    bool windowOpen_ = false;
};

}  // namespace zan
