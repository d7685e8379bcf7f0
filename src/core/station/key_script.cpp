#include "core/station/key_script.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

#include "core/files/program_file.h"
#include "core/panel/key_table.h"

namespace zan {

namespace {

using Handler = ScriptStop (*)(ScriptedController&, std::string_view argument);

struct Command {
    std::string_view name;
    Handler handler;
    bool verbatim;  // the argument keeps its spaces (text to type)
};

ScriptStop Bad(std::string reason) { return ScriptStop{ScriptEnd::BadLine, 0, {}, std::move(reason)}; }

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<long> Number(std::string_view text)
{
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Acts on a key of the panel's table (only a jog key, when jogOnly); anything
// else is refused with the reason.
ScriptStop OnKey(ScriptedController& c, std::string_view command, std::string_view argument, bool jogOnly,
                 void (ScriptedController::*act)(KeyId))
{
    const std::optional<long> id = Number(argument);
    if (!id) return Bad(std::string(command) + " wants a panel key id (1000..1079)");
    if (*id < kFirstKeyId || *id > kLastKeyId || FindKey(static_cast<KeyId>(*id)) == nullptr)
        return Bad("no panel key has the id " + std::string(argument));
    const auto key = static_cast<KeyId>(*id);
    if (jogOnly && !IsJogKey(key)) return Bad(std::string(command) + " wants a jog key (1069..1072)");
    (c.*act)(key);
    return {};
}

ScriptStop NoArgument(std::string_view command, std::string_view argument)
{
    if (argument.empty()) return {};
    return Bad(std::string(command) + " takes no argument");
}

ScriptStop KeyCommand(ScriptedController& c, std::string_view argument)
{
    return OnKey(c, "key", argument, false, &ScriptedController::Key);
}

ScriptStop PressCommand(ScriptedController& c, std::string_view argument)
{
    return OnKey(c, "press", argument, true, &ScriptedController::Press);
}

ScriptStop ReleaseCommand(ScriptedController& c, std::string_view argument)
{
    return OnKey(c, "release", argument, true, &ScriptedController::Release);
}

// Any printable character: codes that no key has are the panel's to refuse.
ScriptStop PadCommand(ScriptedController& c, std::string_view argument)
{
    if (argument.size() != 1 || argument[0] <= ' ' || argument[0] > '~')
        return Bad("pad wants one key code character");
    c.Pad(argument[0]);
    return {};
}

// A keyboard types printable characters; a control character (a NUL, a
// lone CR, a tab) is nothing a student can type into the panel's fields.
ScriptStop TypeCommand(ScriptedController& c, std::string_view argument)
{
    if (argument.empty()) return Bad("type wants the text to type");
    for (const char ch : argument)
        if (!ProgramCanHold(static_cast<unsigned char>(ch)))
            return Bad("type takes printable text only, not the control character " +
                       std::to_string(static_cast<unsigned char>(ch)));
    c.Type(argument);
    return {};
}

ScriptStop ReturnCommand(ScriptedController& c, std::string_view argument)
{
    if (ScriptStop bad = NoArgument("return", argument); bad.end != ScriptEnd::Done) return bad;
    c.Return();
    return {};
}

ScriptStop IdleCommand(ScriptedController& c, std::string_view argument)
{
    const std::optional<long> turns = Number(argument);
    if (!turns || *turns < 0) return Bad("idle wants a number of turns (0 or more)");
    c.Idle(*turns);
    return {};
}

ScriptStop RunCommand(ScriptedController& c, std::string_view argument)
{
    if (ScriptStop bad = NoArgument("run", argument); bad.end != ScriptEnd::Done) return bad;
    if (c.RunProgram()) return {};
    return StillRunning(c.maxTurns());
}

ScriptStop AnswerCommand(ScriptedController& c, std::string_view argument)
{
    if (argument != "ok" && argument != "cancel") return Bad("answer wants ok or cancel");
    c.AnswerQuestions(argument == "ok");
    return {};
}

ScriptStop ScreenCommand(ScriptedController& c, std::string_view argument)
{
    if (ScriptStop bad = NoArgument("screen", argument); bad.end != ScriptEnd::Done) return bad;
    c.WriteScreen();
    return {};
}

ScriptStop LampsCommand(ScriptedController& c, std::string_view argument)
{
    if (ScriptStop bad = NoArgument("lamps", argument); bad.end != ScriptEnd::Done) return bad;
    c.WriteLamps();
    return {};
}

// Only a file of the program folder, named without a folder.
// A file's name in the program folder, with no way out of it.
bool PlainFileName(std::string_view name)
{
    return !name.empty() && name.find('/') == std::string_view::npos && name != "." && name != "..";
}

ScriptStop FileCommand(ScriptedController& c, std::string_view argument)
{
    if (!PlainFileName(argument)) return Bad("file wants the name of a file in the program folder");
    c.WriteFile(argument);
    return {};
}

ScriptStop SizeCommand(ScriptedController& c, std::string_view argument)
{
    if (!PlainFileName(argument)) return Bad("size wants the name of a file in the program folder");
    c.WriteFileSize(argument);
    return {};
}

constexpr Command kCommands[] = {
    {"key", KeyCommand, false},       {"press", PressCommand, false}, {"release", ReleaseCommand, false},
    {"pad", PadCommand, false},       {"type", TypeCommand, true},    {"return", ReturnCommand, false},
    {"idle", IdleCommand, false},     {"run", RunCommand, false},     {"answer", AnswerCommand, false},
    {"screen", ScreenCommand, false}, {"lamps", LampsCommand, false},   {"file", FileCommand, false},
    {"size", SizeCommand, false},
};

std::string_view WithoutCr(std::string_view line)
{
    return line.ends_with('\r') ? line.substr(0, line.size() - 1) : line;
}

}  // namespace

namespace {

struct SplitLine {
    std::string_view word;  // empty for a blank line or a comment
    std::string_view rest;  // after the one space or tab that ends the word
};

SplitLine Split(std::string_view line)
{
    line = WithoutCr(line);
    const auto start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos || line[start] == '#') return {};
    line.remove_prefix(start);
    const auto wordEnd = std::min(line.find_first_of(" \t"), line.size());
    const std::string_view rest = wordEnd < line.size() ? line.substr(wordEnd + 1) : std::string_view();
    return {line.substr(0, wordEnd), rest};
}

}  // namespace

ScriptStop StillRunning(long maxTurns)
{
    return ScriptStop{ScriptEnd::TurnLimit, 0, {}, "still running after " + std::to_string(maxTurns) + " turns"};
}

std::optional<ScriptTurns> TurnsOfLine(std::string_view line)
{
    const SplitLine split = Split(line);
    const std::string_view argument = Trimmed(split.rest);
    if (split.word == "run" && argument.empty()) return ScriptTurns{0, true};
    if (split.word != "idle") return std::nullopt;
    const std::optional<long> turns = Number(argument);
    if (!turns || *turns < 0) return std::nullopt;
    return ScriptTurns{*turns, false};
}

ScriptStop RunScriptLine(ScriptedController& controller, std::string_view line)
{
    const SplitLine split = Split(line);
    if (split.word.empty()) return {};
    for (const Command& command : kCommands)
        if (command.name == split.word)
            return command.handler(controller, command.verbatim ? split.rest : Trimmed(split.rest));
    return Bad("unknown command \"" + std::string(split.word) + "\"");
}

ScriptStop RunScript(ScriptedController& controller, std::istream& script)
{
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        ScriptStop stop = RunScriptLine(controller, line);
        if (stop.end == ScriptEnd::Done) continue;
        stop.lineNumber = number;
        stop.line = std::string(WithoutCr(line));
        return stop;
    }
    return {};
}

}  // namespace zan
