// The page's entry points into the core (embind): the live controller, a key
// script session, and the panel's key table. Everything the page shows comes
// out of here as plain JavaScript values; the page keeps no state of the
// controller's.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "core/files/program_load.h"
#include "core/lathe/workpiece_image.h"
#include "core/station/headless.h"
#include "core/panel/key_table.h"
#include "core/station/lcd_frame_window.h"
#include "web/page_frames.h"
#include "web/script_session.h"
#include "web/web_controller.h"

namespace zan::web {

namespace {

using emscripten::val;

// The patch's bytes are a view of the core's memory, not a copy: the page
// puts them on its canvas at once, before it calls the core again.
val PatchValue(RgbaFrame& frame, bool whole, FramePatch& patch)
{
    TakePatch(frame, whole, patch);
    if (patch.rect.empty()) return val::null();
    val out = val::object();
    out.set("x", patch.rect.left);
    out.set("y", patch.rect.top);
    out.set("width", patch.rect.width());
    out.set("height", patch.rect.height());
    out.set("rgba", emscripten::typed_memory_view(patch.rgba.size(), patch.rgba.data()));
    return out;
}

val IntList(const std::vector<int>& values)
{
    val list = val::array();
    for (int v : values) list.call<void>("push", v);
    return list;
}

val FieldsValue(const PlainFields& fields)
{
    val list = val::array();
    for (const FieldView& f : FieldViews(fields)) {
        val item = val::object();
        item.set("id", f.id);
        item.set("shown", f.shown);
        item.set("focused", f.focused);
        item.set("x", f.place.left);
        item.set("y", f.place.top);
        item.set("width", f.place.right - f.place.left);
        item.set("height", f.place.bottom - f.place.top);
        item.set("text", f.text);
        item.set("selStart", f.selection.start);
        item.set("selEnd", f.selection.end);
        item.set("firstLine", f.firstLine);
        list.call<void>("push", item);
    }
    return list;
}

val KeyRectValue(const DialogRect& place)
{
    const PixelRect r = ToPixels(place);
    val out = val::object();
    out.set("x", r.x);
    out.set("y", r.y);
    out.set("width", r.width);
    out.set("height", r.height);
    return out;
}

// The panel's keys and the second pad's, with their places in panel pixels.
val KeyTable()
{
    val keys = val::array();
    for (const KeyInfo& key : PanelKeys()) {
        val item = KeyRectValue(key.place);
        item.set("id", static_cast<int>(key.id));
        item.set("face", key.face);
        item.set("faceLeft", key.faceLeft);
        item.set("name", std::string(key.name));
        item.set("code", key.code == '\0' ? std::string() : std::string(1, key.code));
        item.set("lamp", key.lamp);
        item.set("jog", IsJogKey(key.id));
        keys.call<void>("push", item);
    }
    val pad = val::array();
    for (const PadKeyInfo& key : SecondPadKeys()) {
        val item = KeyRectValue(key.place);
        item.set("id", static_cast<int>(key.id));
        pad.call<void>("push", item);
    }
    val table = val::object();
    table.set("keys", keys);
    table.set("pad", pad);
    table.set("jogRelease", std::string(1, kJogReleaseCode));
    table.set("lcd", val::array());
    table["lcd"].call<void>("push", kLcdPixels.left);
    table["lcd"].call<void>("push", kLcdPixels.top);
    return table;
}

// A part program run to its end without a window, as the runner runs it:
// for measuring the core's speed in the browser. Returns the turns taken,
// or -1 when the file could not be read.
double RunProgramAlone(std::string data, std::string program)
{
    const ProgramLoad load = LoadProgramFile(program);
    if (!load.text) return -1;
    HeadlessSetup setup;
    setup.folder = ProgramFolder(data);
    HeadlessMachine machine(setup);
    machine.LoadProgram(*load.text);
    machine.Run(RunLimits{});
    return static_cast<double>(machine.turns());
}

// The live controller as the page drives it.
class LivePage {
public:
    LivePage(std::string data, std::string programs) : c_(data, programs) {}

    int advance(int budget) { return c_.Advance(budget); }
    void keyDown(int key) { c_.KeyDown(key); }
    void keyUp(int key) { c_.KeyUp(key); }
    void padCode(std::string code)
    {
        if (code.size() == 1) c_.PadCode(code[0]);
    }
    void fieldEdited(int id, std::string text, int start, int end) { c_.FieldEdited(id, text, start, end); }
    void returnTyped() { c_.ReturnTyped(); }
    void command(std::string name) { c_.Command(name); }
    bool loadProgram(std::string path) { return c_.LoadProgram(path); }
    void answer(bool ok) { c_.Answer(ok); }
    val takeAlerts()
    {
        val list = val::array();
        for (const PageAlert& alert : c_.TakeAlerts()) {
            val item = val::object();
            item.set("question", alert.question);
            item.set("text", alert.text);
            list.call<void>("push", item);
        }
        return list;
    }
    bool takePadAsked() { return std::exchange(c_.window().padAsked, false); }
    bool takeFolderAsked() { return std::exchange(c_.window().folderAsked, false); }
    bool running() { return c_.station().running(); }

    // The dialogs: each may be refused by the machine (its message queued).
    bool mayEditBlank() { return c_.station().lathe.MayEditBlank(); }
    val blank()
    {
        const LatheState& s = c_.station().lathe.state;
        val out = val::object();
        out.set("diameter", s.blankDiameter);
        out.set("length", s.blankEnd - s.layout.chuckFace());
        return out;
    }
    bool setBlank(std::string diameter, std::string length) { return c_.station().SetBlank(diameter, length); }
    bool maySetSpeed() { return c_.station().lathe.MaySetSpeed(); }
    int speedLevel() { return c_.station().speedLevel(); }
    void setSpeedLevel(int level) { c_.station().SetSpeedLevel(level); }

    void beginMeasurement(int mode) { c_.station().BeginMeasurement(static_cast<MeasureMode>(mode)); }
    int measureMode() { return static_cast<int>(c_.station().measureMode()); }
    void measureClick(int x, int y)
    {
        const std::string result = c_.station().MeasureClick(Point{x, y});
        c_.station().view()->ShowMeasureResult(result);
    }
    void showPointer(int x, int y) { c_.station().view()->ShowPointer(Point{x, y}); }

    int beginCustomTool() { return c_.BeginCustomTool(); }
    // The outline's points as x0, y0, x1, y1, ... in editor pixels.
    void shapeCustomTool(val xy)
    {
        const std::vector<int> flat = emscripten::vecFromJSArray<int>(xy);
        std::vector<Point> points;
        for (std::size_t i = 0; i + 1 < flat.size(); i += 2) points.push_back(Point{flat[i], flat[i + 1]});
        c_.ShapeCustomTool(points);
    }
    void endCustomTool(int previous, bool kept) { c_.EndCustomTool(previous, kept); }

    // A part saved to / read from a file of the page's file system.
    bool saveMap(std::string path)
    {
        return SaveWorkpieceImage(c_.station().lathe, [&path] { return std::optional<std::filesystem::path>(path); })
            .has_value();
    }
    bool openMap(std::string path)
    {
        return OpenWorkpieceImage(c_.station().lathe, [&path] { return std::optional<std::filesystem::path>(path); })
            .has_value();
    }

    val lcdPatch(bool whole) { return PatchValue(c_.window().frame(), whole, lcd_); }
    val viewPatch(bool whole) { return PatchValue(c_.station().view()->frame(), whole, view_); }
    val lamps() { return IntList(LitLamps(*c_.station().panel())); }
    val fields() { return FieldsValue(c_.fields()); }

private:
    WebController c_;
    FramePatch lcd_;
    FramePatch view_;
};

// A key script played on a fresh controller (see script_session.h).
class ScriptPage {
public:
    ScriptPage(std::string data, std::string programs, std::string script, bool trace, std::string offsets,
               int speedLevel)
        : s_(data, programs, script,
             ScriptOptions{trace, offsets.empty() ? std::nullopt : std::optional<std::string>(offsets), speedLevel})
    {
    }
    bool play(int budget) { return s_.Play(budget); }
    std::string output() { return s_.output(); }
    std::string failure() { return s_.failure(); }
    int lineNumber() { return s_.lineNumber(); }
    val lcdPatch(bool whole) { return PatchValue(s_.controller().lcd(), whole, lcd_); }
    val viewPatch(bool whole) { return PatchValue(s_.controller().station().view()->frame(), whole, view_); }
    val lamps() { return IntList(LitLamps(s_.controller().panel())); }
    val fields() { return FieldsValue(s_.controller().fields()); }

private:
    ScriptSession s_;
    FramePatch lcd_;
    FramePatch view_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(zan400lt)
{
    using namespace emscripten;
    function("keyTable", &KeyTable);
    function("runProgramAlone", &RunProgramAlone);
    class_<LivePage>("LivePage")
        .constructor<std::string, std::string>()
        .function("advance", &LivePage::advance)
        .function("keyDown", &LivePage::keyDown)
        .function("keyUp", &LivePage::keyUp)
        .function("padCode", &LivePage::padCode)
        .function("fieldEdited", &LivePage::fieldEdited)
        .function("returnTyped", &LivePage::returnTyped)
        .function("command", &LivePage::command)
        .function("loadProgram", &LivePage::loadProgram)
        .function("answer", &LivePage::answer)
        .function("takeAlerts", &LivePage::takeAlerts)
        .function("takePadAsked", &LivePage::takePadAsked)
        .function("takeFolderAsked", &LivePage::takeFolderAsked)
        .function("running", &LivePage::running)
        .function("mayEditBlank", &LivePage::mayEditBlank)
        .function("blank", &LivePage::blank)
        .function("setBlank", &LivePage::setBlank)
        .function("maySetSpeed", &LivePage::maySetSpeed)
        .function("speedLevel", &LivePage::speedLevel)
        .function("setSpeedLevel", &LivePage::setSpeedLevel)
        .function("beginMeasurement", &LivePage::beginMeasurement)
        .function("measureMode", &LivePage::measureMode)
        .function("measureClick", &LivePage::measureClick)
        .function("showPointer", &LivePage::showPointer)
        .function("beginCustomTool", &LivePage::beginCustomTool)
        .function("shapeCustomTool", &LivePage::shapeCustomTool)
        .function("endCustomTool", &LivePage::endCustomTool)
        .function("saveMap", &LivePage::saveMap)
        .function("openMap", &LivePage::openMap)
        .function("lcdPatch", &LivePage::lcdPatch)
        .function("viewPatch", &LivePage::viewPatch)
        .function("lamps", &LivePage::lamps)
        .function("fields", &LivePage::fields);
    class_<ScriptPage>("ScriptPage")
        .constructor<std::string, std::string, std::string, bool, std::string, int>()
        .function("play", &ScriptPage::play)
        .function("output", &ScriptPage::output)
        .function("failure", &ScriptPage::failure)
        .function("lineNumber", &ScriptPage::lineNumber)
        .function("lcdPatch", &ScriptPage::lcdPatch)
        .function("viewPatch", &ScriptPage::viewPatch)
        .function("lamps", &ScriptPage::lamps)
        .function("fields", &ScriptPage::fields);
}

}  // namespace zan::web
