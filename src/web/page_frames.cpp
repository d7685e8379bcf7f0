#include "web/page_frames.h"

#include "core/panel/key_table.h"

namespace zan::web {

void TakePatch(RgbaFrame& frame, bool whole, FramePatch& patch)
{
    patch.rect = frame.TakeDirty();
    if (whole) patch.rect = frame.bounds();
    if (patch.rect.empty()) return;
    patch.rgba.resize(static_cast<std::size_t>(patch.rect.width()) * patch.rect.height() * 4);
    std::uint8_t* out = patch.rgba.data();
    for (int y = patch.rect.top; y < patch.rect.bottom; ++y) {
        const std::uint32_t* row = frame.Row(y);
        for (int x = patch.rect.left; x < patch.rect.right; ++x) {
            const std::uint32_t word = row[x];  // 0xFFRRGGBB
            *out++ = static_cast<std::uint8_t>(word >> 16);
            *out++ = static_cast<std::uint8_t>(word >> 8);
            *out++ = static_cast<std::uint8_t>(word);
            *out++ = 0xFF;
        }
    }
}

std::vector<int> LitLamps(Panel& panel)
{
    std::vector<int> lit;
    for (const KeyInfo& key : PanelKeys())
        if (key.lamp && panel.LampOn(key.id)) lit.push_back(static_cast<int>(key.id));
    return lit;
}

std::vector<FieldView> FieldViews(const PlainFields& fields)
{
    std::vector<FieldView> views;
    for (const FieldId id : kAllFields)
        views.push_back(FieldView{static_cast<int>(id), fields.Placement(id), fields.Shown(id),
                                  fields.focused() == id, fields.Text(id), fields.GetSelection(id),
                                  fields.firstLine(id)});
    return views;
}

}  // namespace zan::web
