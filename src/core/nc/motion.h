#pragma once
// Motion primitives: every programmed or manual motion is broken into steps of
// one view unit (one millimetre) and handed to MoveTool, either at once
// (direct mode) or through the path buffer and paced playback.

#include <cstdint>
#include <cstddef>
#include <optional>
#include <vector>

#include "core/nc/path_buffer.h"

namespace zan {

class Lathe;

// Modes of PathStep.
enum class PathMode : int {
    Play = 0,     // play the next recorded point
    Record = 1,   // record a point (or move there at once in direct mode)
    Rewind = -1,  // forget the recorded path
    Clear = -8,   // wipe the buffer
};

// Pace's argument that once meant "wait one step" rather than "set the
// feed": a feed of exactly 33 (an arc's F132 taken as a quarter, say) still
// leaves the pacing feed as it was, as on the controller.
inline constexpr int kPaceOneStep = 33;

// The ways a jog goes; Continue keeps the direction of the jog under way.
enum class JogDirection : int { Continue = -1, None = 0, XMinus = 1, XPlus = 2, ZPlus = 3, ZMinus = 4 };

class Motion {
public:
    explicit Motion(Lathe& lathe) : lathe_(lathe) {}

    bool PathStep(float z, float x, PathMode mode);
    void Pace(int arg);
    bool RapidMove(float z, float x);
    bool LinearMove(float z, float x, int feed);
    bool Dwell(int seconds);
    bool JogStep(JogDirection direction);
    // Plays the next recorded point (PathStep in Play mode): false when the
    // path has ended or a point was refused.
    bool PlayNext() { return PathStep(-1.0f, -1.0f, PathMode::Play); }
    // When the run loop must come back, if it must wait: for the next
    // played point (a dwell or the step's pause), for the end of a dwell
    // before the next block, for the next jog step. nullopt: nothing to wait for.
    std::optional<std::int64_t> PlayDue() const;
    std::optional<std::int64_t> HoldDue() const;
    std::optional<std::int64_t> JogDue() const;
    // The pause before the next played point, ms: the base pace less the
    // feed, stretched by the feed override; a rapid point by the rapid override.
    int StepDelayMs();
    // Back to start-up: no path, start-up pacing, no jog direction, no work done.
    void Reset();

    // Direct steps held back: while holding is on (a block of a run, at the
    // fast speed levels), a direct step that the machine will make as asked
    // is only noted, with the commanded position, and made later by
    // MakeHeldSteps, a few per turn, so that a long path does not keep the
    // window waiting. Any other step (an alarm, a refusal) is made at once,
    // after those held back: every effect keeps its order, and a generator
    // stops on a refused step exactly where it would have.
    void HoldDirectSteps(bool on) { holding_ = on; }
    // Makes up to `count` held-back steps, in order; true when none is left.
    // A step the machine no longer makes as asked (an input changed the
    // machine since it was held back) is made and ends the rest.
    bool MakeHeldSteps(long count);
    // At most this many steps are held back (a path buffer's worth): the
    // next one makes them all first. MakeHeldSteps(kMaxHeldSteps) makes all.
    static constexpr long kMaxHeldSteps = PathBuffer::kCapacity;
    // Forgets the held-back steps (a new run).
    void DropHeldSteps();

    // The work done since the last reset: every path point recorded (or moved
    // to at once) and every point a cycle counted before recording. A run
    // bounded by it ends in bounded time, whatever the program loops over.
    long work() const { return work_; }
    void AddWork(long points) { work_ += points; }

    const PathBuffer& buffer() const { return buffer_; }
    int paceFeed() const { return paceFeed_; }
    int paceBase() const { return paceBase_; }

private:
    bool DirectMode() const;
    bool DirectStep(float z, float x);
    bool StepNow(float z, float x);
    void MakeAllHeldSteps();
    bool Record(float z, float x);
    bool Play();
    void OverflowTest();
    std::int64_t Now() const;

    static constexpr int kStartPaceBase = 200;
    static constexpr int kStartPaceFeed = 100;

    Lathe& lathe_;
    PathBuffer buffer_;
    int paceBase_ = kStartPaceBase;  // ms per step before the feed is taken off
    int paceFeed_ = kStartPaceFeed;  // feed that paces playback; 0 = rapid
    JogDirection jogDirection_ = JogDirection::None;
    long work_ = 0;
    std::optional<std::int64_t> paceDue_;  // ms: the next point plays then
    std::int64_t holdUntil_ = 0;           // ms: a dwell ends then
    std::optional<std::int64_t> jogDue_;   // ms: the next jog step is due then
    bool holding_ = false;
    std::vector<PathPoint> held_;  // direct steps not made yet, in order
    std::size_t heldNext_ = 0;     // the next of them to make
};

}  // namespace zan
