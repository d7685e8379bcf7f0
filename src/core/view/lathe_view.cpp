#include "core/view/lathe_view.h"

#include "core/lathe/measurement.h"
#include "core/view/view_text.h"

namespace zan {

namespace {

constexpr Pixel kToolPixel = kOpaqueAlpha | kToolGrey;
constexpr Pixel kTracePixel = kOpaqueAlpha | kTraceRed;
constexpr Pixel kReadoutInk = kOpaqueAlpha | 0x00FF00u;
constexpr Pixel kWhitePixel = kOpaqueAlpha | 0xFFFFFFu;

// Where the texts go on the view.
constexpr Point kErrorAt{0, 0};
constexpr Point kModeAt{0, 0};
constexpr Point kMouseAt{0, 18};
constexpr Point kResultAt{0, 438};

}  // namespace

LatheView::LatheView(bool smallLayout)
    : smallLayout_(smallLayout), frame_(kWidth, kHeight, kBlackPixel), raster_(frame_), painter_(smallLayout)
{
    frame_.MarkDirty(frame_.bounds());
}

void LatheView::Attach(Lathe& lathe)
{
    lathe_ = &lathe;
    Repaint(frame_.bounds(), false);
}

void LatheView::Flush()
{
    if (screen_ != nullptr && !frame_.dirty().empty()) screen_->FrameChanged();
}

// Background, workpiece, jaws, chuck, tailstock, then the tool in place and
// the operator panel.
void LatheView::Repaint(const FrameRect& area, bool showPanel)
{
    if (lathe_ == nullptr) return;  // the machine is still being built; Attach paints it
    const FrameRect target = Intersection(area, frame_.bounds());
    const LatheState& s = lathe_->state;
    if (painting_) {
        // Asked for while the tool is being redrawn in place (a refused redraw
        // asks for the whole view): paint the machine there, but do not call
        // the machine again, which would ask again without end.
        const FrameRect outer = raster_.clip();
        raster_.SetClip(target);
        painter_.PaintMachine(raster_, s);
        raster_.SetClip(outer);
        return;
    }
    painting_ = true;
    raster_.SetClip(target);
    painter_.PaintMachine(raster_, s);
    if (!s.runFlag && !s.traceMode) lathe_->MoveTool(0.0f, 0.0f, MoveMode::Redraw);
    raster_.ResetClip();
    painting_ = false;
    Flush();
    if (showPanel && !showingPanel_) {
        showingPanel_ = true;
        lathe_->PanelEvent(PanelEventCode::ShowPanel);
        showingPanel_ = false;
    }
}

void LatheView::RepaintAll() { Repaint(frame_.bounds(), true); }

void LatheView::Refresh(const Rect& rect) { Repaint(ToFrameRect(rect), true); }

void LatheView::EraseTool(const ToolErase& erase)
{
    raster_.FillPolygon(erase.oldOutline, kBlackPixel);
    if (erase.hasHolder) raster_.FillRect(ToFrameRect(erase.oldHolder), kBlackPixel);
    for (const Rect& band : erase.bands)
        if (!band.empty()) raster_.FillRect(ToFrameRect(band), kBlackPixel);
    Flush();
}

void LatheView::FillReflected(const Polygon& outline, const Rect* holder)
{
    raster_.FillPolygon(outline, kBlackPixel);
    if (holder) raster_.FillRect(ToFrameRect(*holder), kBlackPixel);
    Flush();
}

void LatheView::DrawTool(const ToolDrawing& tool)
{
    raster_.FillPolygon(tool.outline, kToolPixel);
    if (tool.hasHolder) raster_.FillRect(ToFrameRect(tool.holder), kToolPixel);
    raster_.Blit(painter_.TurretPicture(tool.turretPicture), tool.pictureAt);
    Flush();
}

void LatheView::DrawTraceLine(Point from, Point to)
{
    raster_.Line(from, to, kTracePixel);
    Flush();
}

void LatheView::DrawErrorText(std::string_view text) { WriteText(kErrorAt, text, kBlackPixel, kWhitePixel); }

void LatheView::RepaintUnderTool(const UnderTool& under)
{
    if (lathe_ == nullptr) return;  // the first repaint paints the workpiece anyway
    painter_.PaintUnderTool(raster_, lathe_->state, under);
    Flush();
}

void LatheView::ShowTurretFrame(const TurretFrame& turret)
{
    const FrameRect area = Intersection(FrameRect{turret.topLeft.x, turret.topLeft.y, turret.topLeft.x + turret.width,
                                                  turret.topLeft.y + turret.height},
                                        raster_.clip());
    if (area.empty() || turret.pixels.size() < static_cast<std::size_t>(turret.width) * turret.height) return;
    Pixel palette[256];
    for (int i = 0; i < 256; ++i) palette[i] = Opaque(turret.palette[i]);
    for (int y = area.top; y < area.bottom; ++y) {
        Pixel* line = frame_.Row(y);
        const std::uint8_t* source =
            turret.pixels.data() + static_cast<std::size_t>(y - turret.topLeft.y) * turret.width;
        for (int x = area.left; x < area.right; ++x) line[x] = palette[source[x - turret.topLeft.x]];
    }
    raster_.MarkDirty(area);
    Flush();
}

void LatheView::FillBlack(const Rect& rect)
{
    raster_.FillRect(ToFrameRect(rect), kBlackPixel);
    Flush();
}

void LatheView::ShowPointer(Point at)
{
    if (lathe_ == nullptr) return;
    WriteText(kMouseAt, MouseText(at.x, at.y), kReadoutInk, kBlackPixel);
    WriteText(kModeAt, ModeText(lathe_->state.traceMode), kReadoutInk, kBlackPixel);
}

void LatheView::ShowMeasureResult(std::string_view result)
{
    if (!result.empty()) WriteText(kResultAt, result, kReadoutInk, kBlackPixel);
}

void LatheView::WriteText(Point at, std::string_view text, Pixel ink, Pixel paper)
{
    DrawViewText(raster_, at, text, ink, paper);
    Flush();
}

}  // namespace zan
