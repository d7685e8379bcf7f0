// Motion primitives and path playback. Generators compute a block's whole
// path at once and record it; the run loop plays it one point per turn, with a
// pause before each point that the feed and the override switches set.

#include "core/nc/motion.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/lathe/lathe.h"
#include "core/lathe/messages.h"
#include "core/nc/path_context.h"
#include "core/nc/stepped_run.h"
#include "core/text/read_number.h"

namespace zan {

namespace {

constexpr int kMaxPaceFeed = 200;      // feeds above this play without a pause
constexpr int kFastPaceBase = 100;     // ms per step once speed level 2 was chosen
constexpr double kRapidStepMs = 10.0;  // ms per rapid step at 100 % rapid override
constexpr int kJogFeed = 100;
constexpr long kMaxSteps = kMaxRunSteps;
// Room for the held-back steps of a long cycle at the first one, so that the
// list seldom grows while a block is computed.
constexpr std::size_t kFirstHeldCapacity = 4096;

int TruncMs(double ms)
{
    // A negative delay (feeds above the base pace) waits nothing.
    if (!(ms > 0.0)) return 0;
    return SaturatedInt(ms);
}

float Toward(float from, float to) { return to >= from ? from + 1.0f : from - 1.0f; }

}  // namespace

bool Motion::DirectMode() const
{
    return lathe_.state.directMove || lathe_.state.speedLevel > 1;
}

bool Motion::PathStep(float z, float x, PathMode mode)
{
    // Rewind and clear only ever act on the buffer: they must never move the
    // tool, even when moves are going direct.
    if (mode == PathMode::Rewind) {
        buffer_.writeIndex = buffer_.readIndex = 0;
        DropHeldSteps();
        // Nor does a pause or a dwell of the forgotten path hold the next one.
        paceDue_.reset();
        holdUntil_ = 0;
        return false;
    }
    if (mode == PathMode::Clear) {
        std::fill(buffer_.points.begin(), buffer_.points.end(), PathPoint{});
        OverflowTest();
        return true;
    }
    if (mode == PathMode::Play) return DirectMode() ? false : Play();
    ++work_;
    return DirectMode() ? DirectStep(z, x) : Record(z, x);
}

bool Motion::DirectStep(float z, float x)
{
    LatheState& s = lathe_.state;
    if (holding_ && held_.size() < static_cast<std::size_t>(kMaxHeldSteps) && lathe_.CutsFreely(z, x)) {
        // The generator goes on from the commanded position, as after the step.
        if (held_.empty()) held_.reserve(kFirstHeldCapacity);
        held_.push_back(PathPoint{z, x});
        s.posZ = z;
        s.posX = x;
        return true;
    }
    MakeAllHeldSteps();
    return StepNow(z, x);
}

bool Motion::StepNow(float z, float x)
{
    lathe_.state.posZ = z;
    lathe_.state.posX = x;
    lathe_.PanelEvent(PanelEventCode::JogRatesAndPosition);
    return lathe_.MoveTool(z, x, MoveMode::Cut);
}

bool Motion::MakeHeldSteps(long count)
{
    // A step may reset the run (a severe error), which drops the rest: the
    // index is checked against the steps left before each one.
    for (; count > 0 && heldNext_ < held_.size(); --count) {
        const PathPoint p = held_[heldNext_++];
        const bool foreseen = lathe_.CutsFreely(p.z, p.x);
        if (!StepNow(p.z, p.x) || !foreseen) DropHeldSteps();
    }
    if (heldNext_ >= held_.size()) DropHeldSteps();
    return held_.empty();
}

void Motion::MakeAllHeldSteps()
{
    if (!held_.empty()) MakeHeldSteps(kMaxHeldSteps);
}

void Motion::DropHeldSteps()
{
    held_.clear();
    heldNext_ = 0;
}

bool Motion::Record(float z, float x)
{
    // A point recorded for playback comes after the steps held back before it.
    MakeAllHeldSteps();
    PathBuffer& b = buffer_;
    LatheState& s = lathe_.state;
    // A full buffer keeps moving the tool directly rather than write past it.
    if (b.writeIndex >= PathBuffer::kCapacity) {
        s.directMove = true;
        return DirectStep(z, x);
    }
    if (b.savePending) {
        b.savedDrawnZ = s.drawnZ;
        b.savedDrawnX = s.drawnX;
        b.savePending = false;
    }
    // A move before any Z target after a reset starts from the -1 placeholder.
    if (z == -1.0f) lathe_.ports.alerts.Message(msg::kMinusOneTranslate);
    // Every point is stored, even outside the travel window: playback then
    // raises the travel alarm instead of stalling on an unwritten slot.
    b.points[b.writeIndex] = PathPoint{z, x};
    s.posZ = z;
    s.posX = x;
    ++b.writeIndex;
    OverflowTest();
    return true;
}

bool Motion::Play()
{
    PathBuffer& b = buffer_;
    LatheState& s = lathe_.state;
    if (!b.savePending) {
        s.drawnZ = b.savedDrawnZ;
        s.drawnX = b.savedDrawnX;
        b.savePending = true;
    }
    if (b.readIndex >= b.writeIndex) return false;  // nothing to play

    // A dwell holds the path; then each point waits its pause, and the run
    // loop comes back for it when the pause is over (PlayDue).
    const std::int64_t now = Now();
    if (now < holdUntil_) return true;
    if (!paceDue_) paceDue_ = now + StepDelayMs();
    if (now < *paceDue_) return true;
    paceDue_.reset();
    const PathPoint p = b.points[b.readIndex];
    s.posZ = p.z;
    s.posX = p.x;
    lathe_.PanelEvent(PanelEventCode::JogRatesAndPosition);
    if (!lathe_.MoveTool(p.z, p.x, MoveMode::Cut)) return false;  // stays on this point

    if (++b.readIndex == b.writeIndex) {
        b.readIndex = b.writeIndex = 0;
        if (s.singleBlock) {
            s.runFlag = false;
            lathe_.PanelEvent(PanelEventCode::CycleStartLampOff);
        }
        return false;
    }
    OverflowTest();
    return true;
}

void Motion::OverflowTest()
{
    if (buffer_.writeIndex >= PathBuffer::kCapacity) lathe_.state.directMove = true;
}

void Motion::Pace(int arg)
{
    const LatheState& s = lathe_.state;
    if (s.speedLevel > 2) return;
    if (s.speedLevel == 2) paceBase_ = kFastPaceBase;  // for the rest of the session
    if (arg != kPaceOneStep) paceFeed_ = std::min(arg, kMaxPaceFeed);
}

// The pause before the next played point (ms): the base pace less the feed,
// stretched by the feed override; rapid points by the rapid override.
int Motion::StepDelayMs()
{
    const LatheState& s = lathe_.state;
    if (s.speedLevel > 2) return 0;
    if (s.speedLevel == 2) paceBase_ = kFastPaceBase;
    // A feed may be as low as int's minimum: the difference is taken in double.
    const double ms = paceFeed_ != 0 ? double(static_cast<float>(double(paceBase_) - paceFeed_) / s.feedFactor)
                                     : kRapidStepMs / s.rapidFactor;
    return TruncMs(ms);
}

std::int64_t Motion::Now() const { return lathe_.ports.clock.NowMs(); }

std::optional<std::int64_t> Motion::PlayDue() const
{
    const std::int64_t now = Now();
    if (now < holdUntil_) return holdUntil_;
    if (paceDue_ && now < *paceDue_) return paceDue_;
    return std::nullopt;
}

std::optional<std::int64_t> Motion::HoldDue() const
{
    if (Now() < holdUntil_) return holdUntil_;
    return std::nullopt;
}

std::optional<std::int64_t> Motion::JogDue() const
{
    if (jogDue_ && Now() < *jogDue_) return jogDue_;
    return std::nullopt;
}

// Positioning: 45-degree steps until the shorter axis arrives, then straight on.
bool Motion::RapidMove(float z, float x)
{
    MakeAllHeldSteps();  // it starts where the tool is drawn
    const LatheState& s = lathe_.state;
    float zc = static_cast<float>(s.drawnZ);
    float xc = static_cast<float>(s.drawnX);
    const bool zIsShort = std::fabs(z - zc) < std::fabs(x - xc);
    const bool zUp = z >= zc;
    const bool xUp = x >= xc;
    auto shortOf = [](float c, float target, bool up) { return up ? c < target : c > target; };

    long steps = 0;
    while (steps < kMaxSteps && (zIsShort ? shortOf(zc, z, zUp) : shortOf(xc, x, xUp))) {
        zc = Toward(zc, z);
        xc = Toward(xc, x);
        ++steps;
        if (!PathStep(zc, xc, PathMode::Record)) return false;
    }
    while (steps < kMaxSteps && (zIsShort ? shortOf(xc, x, xUp) : shortOf(zc, z, zUp))) {
        if (zIsShort)
            xc = Toward(xc, x);
        else
            zc = Toward(zc, z);
        ++steps;
        if (!PathStep(zc, xc, PathMode::Record)) return false;
    }
    if (!PathStep(z, x, PathMode::Record)) return false;
    Pace(0);
    return true;
}

// Linear interpolation in unit steps along the major axis; the minor axis is
// always computed from the start point, so errors do not accumulate.
bool Motion::LinearMove(float z, float x, int feed)
{
    Pace(feed);
    PathContext ctx{lathe_, *this};
    return LinearSteps(ctx, lathe_.state.posZ, lathe_.state.posX, z, x);
}

bool Motion::Dwell(int seconds)
{
    MakeAllHeldSteps();  // its point is where the tool is drawn
    // A negative dwell waits nothing; a huge one waits as long as a wait can.
    // Nothing moves on before it is over: the next point, the next block.
    if (seconds > 0) holdUntil_ = Now() + TruncMs(seconds * 1000.0);
    const LatheState& s = lathe_.state;
    PathStep(static_cast<float>(s.drawnZ), static_cast<float>(s.drawnX), PathMode::Record);
    return true;
}

void Motion::Reset()
{
    // The points keep their storage: each is recorded before it is played,
    // so those past writeIndex are never read.
    buffer_ = PathBuffer{std::move(buffer_.points)};
    paceBase_ = kStartPaceBase;
    paceFeed_ = kStartPaceFeed;
    jogDirection_ = JogDirection::None;
    work_ = 0;
    paceDue_.reset();
    jogDue_.reset();
    holdUntil_ = 0;
    DropHeldSteps();
}

bool Motion::JogStep(JogDirection direction)
{
    LatheState& s = lathe_.state;
    if (direction != JogDirection::Continue) jogDirection_ = direction;
    MakeAllHeldSteps();  // a jog goes on from where the tool is drawn
    const float z0 = static_cast<float>(s.drawnZ);
    const float x0 = static_cast<float>(s.drawnX);
    float z = z0;
    float x = x0;
    switch (jogDirection_) {
    case JogDirection::XMinus: x = x0 - 1; break;
    case JogDirection::XPlus: x = x0 + 1; break;
    case JogDirection::ZPlus: z = z0 + 1; break;
    case JogDirection::ZMinus: z = z0 - 1; break;
    default: return true;  // no jog direction yet
    }
    s.directMove = true;
    if (!LinearMove(z, x, kJogFeed)) {
        s.jogActive = false;
        s.directMove = false;  // a refused jog must not leave later runs unpaced
        return false;
    }
    lathe_.PanelEvent(PanelEventCode::JogRatesAndPosition);
    s.directMove = false;
    const int rate = (jogDirection_ == JogDirection::ZPlus || jogDirection_ == JogDirection::ZMinus) ? s.jogRateZ : s.jogRateX;
    if (rate == 0) {
        s.jogActive = false;
        return true;
    }
    // The next step is due one unit's time later (JogDue).
    jogDue_ = Now() + (rate > 0 ? 1000 / rate : 0);
    return true;
}

}  // namespace zan
