#pragma once
// The lathe view: the machine's display port, drawn into a frame of
// 1024 x 768 view pixels (one pixel is one millimetre). Everything the
// machine asks to draw is painted into the frame at once and marked changed;
// a front end (the Qt window, a web page) shows the changed part when told,
// and the same frame serves runs without a window. The machine it shows is
// attached once it is built.

#include <string_view>

#include "core/files/rgba_frame.h"
#include "core/lathe/lathe.h"
#include "core/view/machine_painter.h"
#include "core/view/raster.h"

namespace zan {

// Where the frame is shown: told after every drawing that changed it, so
// that it takes the frame's changed rectangle (RgbaFrame::TakeDirty) and
// shows it.
class ViewScreen {
public:
    virtual ~ViewScreen() = default;
    virtual void FrameChanged() = 0;
};

class LatheView : public LatheDisplay {
public:
    static constexpr int kWidth = 1024;  // view pixels
    static constexpr int kHeight = 768;

    // The pictures are those of the layout the machine is built with.
    explicit LatheView(bool smallLayout);
    LatheView(const LatheView&) = delete;
    LatheView& operator=(const LatheView&) = delete;

    // The machine this view shows; it must outlive the view's use of it. The
    // view paints it at once (the operator panel comes with the first
    // repaint on screen, RepaintAll).
    void Attach(Lathe& lathe);
    // Null: nobody is told.
    void SetScreen(ViewScreen* screen) { screen_ = screen; }

    const RgbaFrame& frame() const { return frame_; }
    RgbaFrame& frame() { return frame_; }
    bool smallLayout() const { return smallLayout_; }

    // The full repaint: machine, tool in place, then the operator panel is shown.
    void RepaintAll();
    // The same within `area` only.
    void Repaint(const FrameRect& area, bool showPanel);

    // The mouse read-outs, green on black: the mouse's view pixel with the
    // drawing mode, and a measurement's result (nothing when empty).
    void ShowPointer(Point at);
    void ShowMeasureResult(std::string_view result);

    // LatheDisplay
    void EraseTool(const ToolErase& erase) override;
    void FillReflected(const Polygon& outline, const Rect* holder) override;
    void DrawTool(const ToolDrawing& tool) override;
    void DrawTraceLine(Point from, Point to) override;
    void DrawErrorText(std::string_view text) override;
    void RepaintUnderTool(const UnderTool& under) override;
    void Refresh(const Rect& rect) override;
    void ShowTurretFrame(const TurretFrame& frame) override;
    void FillBlack(const Rect& rect) override;

private:
    void WriteText(Point at, std::string_view text, Pixel ink, Pixel paper);
    void Flush();  // tells the screen what was painted

    const bool smallLayout_;
    RgbaFrame frame_;
    Raster raster_;
    MachinePainter painter_;
    Lathe* lathe_ = nullptr;         // not owned
    ViewScreen* screen_ = nullptr;   // not owned
    bool painting_ = false;          // a repaint is drawing the tool in place
    bool showingPanel_ = false;
};

}  // namespace zan
