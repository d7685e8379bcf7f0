#pragma once
// How a key script's run reads on its output: one line for each thing the
// controller showed, so that a run can be compared with an expected text and
// its differences read line by line.
//
//   message "TEXT"               a message box
//   question "TEXT" ok|cancel    a question and how it was answered
//   screen                       the LCD as it stands:
//   text X Y FONT VIDEO "TEXT"     each text drawn since the last full redraw
//   field ID X Y W H "TEXT"        each overlaid field that is shown
//   end
//   lamps ID ...                 the lamp keys that are lit (the "lamps" command)
//
// Texts are UTF-8 between double quotes, every space kept; a double quote or
// a backslash is preceded by a backslash, and line breaks are written \n
// (carriage returns \r), so that each item stays on one line.

#include <ostream>
#include <string>
#include <optional>
#include <string_view>

#include "core/lcd/lcd_screen.h"
#include "core/panel/plain_fields.h"

namespace zan {

std::string Quoted(std::string_view text);

void WriteMessage(std::ostream& out, std::string_view text);
void WriteQuestion(std::ostream& out, std::string_view text, bool ok);
void WriteScreen(std::ostream& out, const LcdScreen& screen, const PlainFields& fields);
// A file of the program folder byte for byte: file "NAME" N "BYTES", where
// bytes outside printable ASCII are \xNN (and \r, \n, \", \\ as in
// texts); file "NAME" missing when there is no such file.
void WriteFileBytes(std::ostream& out, std::string_view name, const std::optional<std::string>& bytes);

}  // namespace zan
