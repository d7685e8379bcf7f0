#include "core/station/script_output.h"

namespace zan {

namespace {

std::string_view FontName(LcdFont font)
{
    switch (font) {
    case LcdFont::Large: return "large";
    case LcdFont::Wide: return "wide";
    default: return "normal";
    }
}

std::string_view VideoName(LcdVideo video) { return video == LcdVideo::Inverse ? "inverse" : "normal"; }

}  // namespace

std::string Quoted(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        default: quoted += c; break;
        }
    }
    return quoted + '"';
}

void WriteFileBytes(std::ostream& out, std::string_view name, const std::optional<std::string>& bytes)
{
    out << "file " << Quoted(name);
    if (!bytes) {
        out << " missing\n";
        return;
    }
    std::string shown;
    for (const char c : *bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            shown += c;
        } else if (c != '\r' && c != '\n') {
            static constexpr char kHex[] = "0123456789ABCDEF";
            shown += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
            continue;
        } else {
            shown += c;
        }
    }
    out << ' ' << bytes->size() << ' ' << Quoted(shown) << '\n';
}

void WriteMessage(std::ostream& out, std::string_view text) { out << "message " << Quoted(text) << '\n'; }

void WriteQuestion(std::ostream& out, std::string_view text, bool ok)
{
    out << "question " << Quoted(text) << (ok ? " ok" : " cancel") << '\n';
}

void WriteScreen(std::ostream& out, const LcdScreen& screen, const PlainFields& fields)
{
    out << "screen\n";
    for (const LcdText& t : screen.Texts())
        out << "text " << t.x << ' ' << t.y << ' ' << FontName(t.font) << ' ' << VideoName(t.video) << ' '
            << Quoted(t.text) << '\n';
    for (const FieldId id : kAllFields) {
        if (!fields.Shown(id)) continue;
        const Rect r = fields.Placement(id);
        out << "field " << static_cast<int>(id) << ' ' << r.left << ' ' << r.top << ' ' << r.right - r.left << ' '
            << r.bottom - r.top << ' ' << Quoted(fields.Text(id)) << '\n';
    }
    out << "end\n";
}

}  // namespace zan
