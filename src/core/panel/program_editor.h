#pragma once
// Edit: the program store's keys and the program editor. INPUT asks for a
// program number in the number box, ENTER opens (or creates) the program,
// INPUT again copies it, REW and DLE rename and delete it; with a program
// open the keys edit it and every change is saved at once. This part owns
// the number box and overwrite; the current and open program are shared
// (the LCD shows them, AUTO loads the current one).

#include <string>

#include "core/files/program_folder.h"
#include "core/lathe/ports.h"
#include "core/panel/overlay_fields.h"
#include "core/panel/panel_host.h"
#include "core/panel/panel_lcd.h"
#include "core/panel/panel_state.h"
#include "core/panel/save_reports.h"
#include "core/programs/program_store.h"

namespace zan {

// What the editor needs besides the shared state: the fields and the LCD it
// writes on, where messages and the file manager go, the folder and the
// reports of failed saves, and the panel's redraws, cancel and typing.
struct EditorContext {
    PanelState& panel;
    OverlayFields& fields;
    PanelLcd& lcd;
    Alerts& alerts;
    PanelWindow& window;
    const ProgramFolder& programs;
    SaveReports& saves;
    PanelHost& host;
};

class ProgramEditor {
public:
    explicit ProgramEditor(EditorContext context) : c_(context) {}

    // ENTER and INPUT in Edit.
    void Enter();
    void Input();
    // REW and DLE in Edit: overwrite and delete in an open program, rename
    // and delete of the typed number in the number box.
    void Rewrite();
    void Delete();
    // The caret keys (one character) and the page and cursor keys (lines).
    void MoveCaret(int step);
    void Scroll(int lines);
    // The student changed the editor's text.
    void EditorChanged();
    // Closes the open program, saving it (the checker looked it over).
    void Cancel();
    void SaveProgram();
    // The length of the current program's file, written on the Edit screen
    // being redrawn.
    void ShowCurrentProgramLength();
    // ENTER or INPUT was pressed last, in whatever mode: the number box
    // waits for ENTER only after INPUT.
    void SetEnterBusy(bool busy) { enterBusy_ = busy; }

private:
    ProgramStore Store() const { return ProgramStore(c_.programs.dir()); }
    // editor.cpp
    void ToggleOverwrite();
    void DeleteCharacter();
    void StartNewBlock();
    // program_keys.cpp
    void AskProgramNumber();
    bool NumberBoxShown() const;
    void NumberBoxChanged();
    void OpenProgram();
    void LoadIntoEditor();
    void CopyProgram();
    void RefuseNumber(const std::string& number);
    void RenameProgram();
    void DeleteProgram();
    void ShowProgramLength(int length);

    EditorContext c_;
    bool overwriteOn_ = false;
    bool enterBusy_ = false;           // set by ENTER, cleared by INPUT: the number box waits for ENTER
    bool numberEntryPending_ = false;  // the number box asks for a program number
};

}  // namespace zan
