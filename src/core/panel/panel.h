#pragma once
// The operator panel: the controller's keys and modes, the LCD it draws and
// the fields laid over it. It is the machine's PanelLink (lamps, the LCD and
// the panel's own key actions) and acts on the machine only through machine
// commands and panel events.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "core/files/program_folder.h"
#include "core/lathe/codes.h"
#include "core/lathe/lathe.h"
#include "core/lcd/lcd_screen.h"
#include "core/panel/lcd_screens.h"
#include "core/panel/overlay_fields.h"
#include "core/panel/panel_lamps.h"
#include "core/panel/panel_lcd.h"
#include "core/panel/panel_ports.h"
#include "core/panel/panel_state.h"
#include "core/panel/save_reports.h"
#include "core/programs/program_store.h"
#include "core/text/controller_random.h"

namespace zan {

struct PanelPorts {
    Alerts& alerts;
    PanelWindow& window;
    PanelFields& fields;
};

class Panel : public PanelLink {
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
    void RefreshLcd(ScreenCode code);
    // The student changed the text of a field.
    void FieldChanged(FieldId id);

    const PanelState& state() const { return state_; }
    PanelState& state() { return state_; }
    const PageState& pages() const { return pages_; }
    const LcdScreen& screen() const { return lcd_.screen(); }
    bool LampOn(KeyId key) const;
    Rect FieldPlace(FieldId id) const;
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

    // How a key reaches its handler: the mouse button went down on it (jog
    // keys only), came up over it, or the second key pad sent its code.
    enum class KeyPress { Down, Up, PadCode };
    using KeyHandler = void (Panel::*)(KeyId, KeyPress);
    // A key and its handler.
    struct KeyRoute {
        KeyId key;
        KeyHandler handler;
    };

    // key_dispatch.cpp
    static const KeyRoute kRoutes[];
    static const KeyRoute* RouteOf(KeyId key);
    void RunKey(KeyId key, KeyPress press);
    // mode_keys.cpp
    void ModeKeyPressed(KeyId key, KeyPress press);
    void SwitchMode(PanelMode next);
    bool ModeKeyRefused(PanelMode next) const;
    void LeaveInputState(PanelMode next);
    void RunChecker();
    void LoadProgramForRun();
    // auto_run.cpp
    void CycleStartKey(KeyId key, KeyPress press);
    void FeedHoldKey(KeyId key, KeyPress press);
    void LoadCurrentProgram();
    // auto_keys.cpp: the lock switch (DRY), single block, and the choice of
    // the block a run starts from (INPUT, then the cursor keys).
    void LockSwitchKey(KeyId key, KeyPress press);
    void SingleBlockKey(KeyId key, KeyPress press);
    void AskStartBlock();
    void SelectBlock(int step);
    bool SelectingBlock() const;
    void EndBlockSelection();
    // panel.cpp: what a drawing of the LCD reads and changes; a drawing over
    // the screen as it stands (its position display is jittered outside Manual).
    ScreenContext MakeContext(std::string_view listing);
    void DrawOver(void (*draw)(LcdScreen&, const ScreenContext&));
    // esc_key.cpp
    void EscKey(KeyId key, KeyPress press);
    void CancelInput();
    void CancelEdit();
    void CancelManual();
    void CancelAuto();
    // list_keys.cpp
    void PageKey(KeyId key, KeyPress press);
    void CursorUpDownKey(KeyId key, KeyPress press);
    void BitCursorKey(KeyId key, KeyPress press);
    // direct_keys.cpp
    void ResetKey(KeyId key, KeyPress press);
    void ToolChangeKey(KeyId key, KeyPress press);
    void HandwheelKey(KeyId key, KeyPress press);
    void LubricationKey(KeyId key, KeyPress press);
    void StepKey(KeyId key, KeyPress press);
    void JogKey(KeyId key, KeyPress press);
    // manual_keys.cpp: jog and step in Manual, the step size, rapid, the
    // overrides, the reference returns, and the moves typed in Manual that
    // cycle start carries out.
    void ManualJogKey(KeyId key, KeyPress press);
    void StartJog(KeyId key);
    void StepOnce(KeyId key);
    void StepSizeKey(KeyId key, KeyPress press);
    void RapidKey(KeyId key, KeyPress press);
    void OverrideKey(KeyId key, KeyPress press);
    void ReferenceKey(KeyId key, KeyPress press);
    // Cycle start with a typed move (Z, X, U or W) waiting: true when it ran one.
    bool RunTypedMove();
    // entry_keys.cpp: the letter, digit, INPUT, ENTER, REW and DLE keys and
    // the caret keys, and what they do in each mode.
    void LetterKey(KeyId key, KeyPress press);
    void DigitKey(KeyId key, KeyPress press);
    void InputKeyPressed(KeyId key, KeyPress press);
    void EnterKeyPressed(KeyId key, KeyPress press);
    void RewriteKey(KeyId key, KeyPress press);
    void DeleteKey(KeyId key, KeyPress press);
    void CaretKey(KeyId key, KeyPress press);
    void InsertKeyText(std::string_view text);
    void InsertDigit(char ch);
    void EnterKey();
    void InputKey();
    // Text typed into a field at its caret, replacing its selection.
    void InsertInto(FieldId id, std::string_view text);
    // editor.cpp: the program editor of Edit.
    void ToggleOverwrite();
    void DeleteCharacter();
    void StartNewBlock();
    void ScrollEditor(int lines);
    void MoveCaret(int step);
    void EditorChanged();
    // program_keys.cpp: the program store's keys in Edit.
    void AskProgramNumber();
    bool NumberBoxShown() const;
    void NumberBoxChanged();
    ProgramStore Store() const;
    void OpenProgram();
    void LoadIntoEditor();
    void CopyProgram();
    void RefuseNumber(const std::string& number);
    void RenameProgram();
    void DeleteProgram();
    void SaveProgram();
    void ShowProgramLength(int length);
    void ShowCurrentProgramLength();
    // manual_entry.cpp: the commands typed in Manual (entry states 1..12).
    // A command letter I, K, Z, X, U, W, T or M opens its entry: true when
    // `letter` did.
    bool StartManualCommand(char letter);
    // "0" on an empty coordinate box asks for the program reference point:
    // true when it did (the digit is then not typed).
    bool AskReferencePoint(char ch);
    void ManualEnter();
    void ManualInput();
    // What ENTER does in each entry state.
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
    // spindle_keys.cpp: the spindle keys and coolant.
    void SpindleKey(KeyId key, KeyPress press);
    void CoolantKey(KeyId key, KeyPress press);
    // value_entry.cpp: values typed on the parameter and offset screens.
    // A digit, point or minus key in Parameter: true when it is to be typed
    // into the entry field (bit setting on P11 and P12 types it too).
    bool ParameterDigit(char ch);
    void ParameterEnter();
    void ParameterInput();
    void OffsetEnter();
    void OffsetInput();
    void SaveParameters();
    void SaveOffsets();

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
    bool windowOpen_ = false;
};

}  // namespace zan
