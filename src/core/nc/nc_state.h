#pragma once
// The interpreter's modal state. The line to execute next is not part of it:
// it is the machine's lineIndex, which the panel shows and may move.

namespace zan {

struct NcState {
    int gCode = 0;          // modal G code; -1 after a reset: a motion block then does nothing
    int lastMotionG = 0;    // last G00..G03 outside contour collection; one-shot codes revert to it
    float targetZ = 0;      // block end point in view units, offset and origin applied
    float targetX = 0;      // radius
    float wordI = -1.0f;    // I and K as read, halved; -1 = not written
    float wordK = -1.0f;
    float wordR = 0;
    float wordP = -1.0f;
    float wordE = 0;
    int feedF = 0;
    int wordD = 0;          // dwell, seconds
    int wordL = 0;
    int seekBlock = -1;     // block number searched for after M97/M98; -1 = none
    int repeatCount = -1;   // remaining passes of an M98 section; -1 = none
    int contourCount = -1;  // contour elements collected for G71/G72; -1 = not collecting
    int returnLine = -1;    // line after the G71/G72 block
    float cycleStart = 0;   // G71: X target of its block; G72: Z target
    float cycleI = 0;
    float cycleK = 0;
    bool faceCycle = false;  // the contour belongs to G72
    int loopStartLine = -1;  // line of the last G22 block
    int loopCount = 0;
    // An X, Z, U, W or G word appeared: the block is a motion block.
    bool presentX = false, presentZ = false, presentU = false, presentW = false, presentG = false;
    bool motionLatch = false;  // the run loop is playing back a recorded path

    bool AnyMotionWord() const { return presentX || presentZ || presentU || presentW || presentG; }
    void ClearMotionWords() { presentX = presentZ = presentU = presentW = presentG = false; }
    bool Collecting() const { return contourCount != -1; }
};

}  // namespace zan
