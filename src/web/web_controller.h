#pragma once
// The controller a web page shows: the same Station as the desktop's, with
// ports a page can serve without ever waiting. Time is the browser's
// monotonic clock (performance.now), read whenever the machine asks, so that
// an advance's budget runs out in real time. Message boxes and questions are queued for the
// page to show as dialogs; a question is answered by playing the input that
// asked it once more with the answer given (every question comes first in
// what asks it, so nothing has changed before it). The LCD and the lathe view
// are drawn into frames whose changed rectangles the page puts on canvases.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/panel/plain_fields.h"
#include "core/station/lcd_frame_window.h"
#include "core/station/station.h"

namespace zan::web {

// A message box or a question for the page to show.
struct PageAlert {
    bool question = false;
    std::string text;
};

// What the panel asks of its window, kept for the page: the LCD's pixels,
// and whether the second key pad or the program folder should be shown.
class PageWindow : public LcdFrameWindow {
public:
    PageWindow() : LcdFrameWindow(true) {}
    void OpenSecondPad() override { padAsked = true; }
    void ShowFolder(const std::filesystem::path&) override { folderAsked = true; }
    bool padAsked = false;
    bool folderAsked = false;
};

class WebController : Alerts, Clock {
public:
    // `data`: the turret pictures and help text; `programs`: the student's
    // program folder (programs, Pset.dat, Dset.dat).
    WebController(const std::string& data, const std::string& programs);
    WebController(const WebController&) = delete;
    WebController& operator=(const WebController&) = delete;

    Station& station() { return station_; }
    PlainFields& fields() { return fields_; }
    PageWindow& window() { return window_; }

    // Work due by now, for at most budgetMs: -1 when nothing waits for
    // time, else milliseconds until more is due (0: come back at once).
    int Advance(int budgetMs);

    // The student's input. Each is one call; a question it raises is queued.
    void KeyDown(int key);
    void KeyUp(int key);
    void PadCode(char code);
    // The student typed into a field: its whole text and selection now
    // (character offsets).
    void FieldEdited(int field, const std::string& text, int start, int end);
    void ReturnTyped();
    void Command(const std::string& name);
    // Loads a program of the folder into the machine, as the desktop's
    // command line does; false (and said so) when it could not be read.
    bool LoadProgram(const std::string& path);

    // The custom tool editor: opening it mounts the custom tool and gives
    // the station mounted before; a shape drawn (editor pixels, 3 a
    // millimetre) is set as the current tool's; closing it keeps the custom
    // tool only when the student kept it (saved, or set it as current).
    int BeginCustomTool();
    void ShapeCustomTool(const std::vector<Point>& points);
    void EndCustomTool(int previousStation, bool kept);

    // The queued alerts, oldest first, emptied.
    std::vector<PageAlert> TakeAlerts();
    // The answer to the question shown: OK plays the input that asked once
    // more, answered OK; Cancel leaves things as the question left them.
    void Answer(bool ok);

private:
    // Alerts
    void Message(std::string_view text) override;
    bool Question(std::string_view text) override;
    // Clock
    std::int64_t NowMs() const override;
    // Runs one input, remembered in case it asks a question.
    void Input(std::function<void()> input);

    PageWindow window_;
    PlainFields fields_;
    Station station_;
    std::vector<PageAlert> alerts_;
    std::function<void()> asking_;        // the input that asked the question shown
    std::function<void()> current_;       // the input being run
    std::optional<bool> answer_;          // while an input is played again
};

}  // namespace zan::web
