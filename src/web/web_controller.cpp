#include "web/web_controller.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "core/files/file_replace.h"
#include "core/files/program_file.h"
#include "core/files/program_load.h"
#include "core/lathe/tool_shapes.h"
#include "web/page_commands.h"

namespace zan::web {

namespace {

constexpr std::string_view kProgramUnreadable = "不能打开代码文件";

// Only what was typed turns into capitals; what was there before is kept
// as it was.
std::string WithTypedCapitals(std::string_view before, std::string after)
{
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    for (std::size_t i = prefix; i < after.size() - suffix; ++i)
        if (after[i] >= 'a' && after[i] <= 'z') after[i] = static_cast<char>(after[i] - 'a' + 'A');
    return after;
}

bool KnownField(int id)
{
    return std::any_of(std::begin(kAllFields), std::end(kAllFields),
                       [id](FieldId field) { return static_cast<int>(field) == id; });
}

}  // namespace

namespace {

// Saves killed half-way (a tab closed during a save) leave files to remove
// before the store reads the folder.
const std::string& WithoutLeftovers(const std::string& programs)
{
    RemoveSaveLeftovers(programs);
    return programs;
}

}  // namespace

WebController::WebController(const std::string& data, const std::string& programs)
    : station_(ControllerPorts{*this, *this, window_, fields_, nullptr},
               StationOptions{false, ProgramFolder(data), ProgramFolder(WithoutLeftovers(programs))})
{
    // As the desktop starts: the view's first repaint shows the panel, whose
    // first paint draws the LCD.
    station_.PanelEvent(PanelEventCode::ShowPanel);
    station_.panel()->Paint();
}

std::int64_t WebController::NowMs() const
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int WebController::Advance(int budgetMs)
{
    const std::optional<std::int64_t> due = station_.Advance(budgetMs);
    if (!due) return -1;
    return static_cast<int>(std::clamp<std::int64_t>(*due - NowMs(), 0, 1000));
}

void WebController::Input(std::function<void()> input)
{
    current_ = std::move(input);
    current_();
    current_ = nullptr;
}

void WebController::KeyDown(int key)
{
    Input([this, key] { station_.panel()->KeyDown(static_cast<KeyId>(key)); });
}

void WebController::KeyUp(int key)
{
    Input([this, key] { station_.panel()->KeyUp(static_cast<KeyId>(key)); });
}

void WebController::PadCode(char code)
{
    Input([this, code] { station_.panel()->KeyCode(code); });
}

void WebController::FieldEdited(int field, const std::string& text, int start, int end)
{
    if (!KnownField(field)) return;
    const auto id = static_cast<FieldId>(field);
    const std::string typed = TypesCapitals(id) ? WithTypedCapitals(fields_.Text(id), text) : text;
    fields_.SetText(id, typed);
    fields_.SetSelection(id, Selection{std::min(start, end), std::max(start, end)});
    Input([this, id] { station_.panel()->FieldChanged(id); });
}

void WebController::ReturnTyped()
{
    Input([this] { station_.PanelEvent(PanelEventCode::PressEnter); });
}

void WebController::Command(const std::string& name)
{
    Input([this, name] { RunPageCommand(station_, name); });
}

bool WebController::LoadProgram(const std::string& path)
{
    const ProgramLoad program = LoadProgramFile(path);
    if (!program.text) {
        Message(kProgramUnreadable);
        return false;
    }
    station_.LoadProgram(*program.text);
    if (program.linesLeftOut) Message(kTooManyLinesMessage);
    return !program.linesLeftOut;
}

// The editor's fixed sizes: a 70 mm shank, a 30 mm wide tool.
constexpr int kCustomToolWidth = 30;   // mm
constexpr int kCustomShankLength = 70; // mm

int WebController::BeginCustomTool()
{
    return station_.lathe.SelectCustomTool();
}

void WebController::ShapeCustomTool(const std::vector<Point>& points)
{
    StoreCustomShape(station_.lathe.state.custom, points.data(), static_cast<int>(points.size()), kCustomToolWidth,
                     kCustomShankLength);
    station_.view()->RepaintAll();
}

void WebController::EndCustomTool(int previousStation, bool kept)
{
    station_.lathe.EndCustomTool(previousStation, kept);
    station_.view()->RepaintAll();
}

std::vector<PageAlert> WebController::TakeAlerts() { return std::exchange(alerts_, {}); }

void WebController::Answer(bool ok)
{
    std::function<void()> asking = std::exchange(asking_, nullptr);
    if (!ok || !asking) return;
    answer_ = true;
    Input(std::move(asking));
    answer_.reset();
}

void WebController::Message(std::string_view text) { alerts_.push_back({false, std::string(text)}); }

// Without an answer yet the question is queued and counts as cancelled for
// now; the page plays the input again when the student chooses OK.
bool WebController::Question(std::string_view text)
{
    if (answer_) return *answer_;
    alerts_.push_back({true, std::string(text)});
    asking_ = current_;
    return false;
}

}  // namespace zan::web
