#ifndef ENGINE_ZE_HOLD_H
#define ENGINE_ZE_HOLD_H

// Holds Allegro's bitmap drawing for one scope, so a run of draws from one sheet goes to the
// renderer as one batch (the difference between 14 and 43 ms per frame for 3000 sprites here).
// Only bitmap and text draws may happen while held: release() before any primitive, blender,
// clipping or target change, or they break the batch's order (a target change even aborts).
// Nests: a scope that finds drawing already held leaves the outer hold alone.
class ZE_Hold {
public:
    ZE_Hold();
    ~ZE_Hold();
    ZE_Hold(const ZE_Hold&) = delete;
    ZE_Hold& operator=(const ZE_Hold&) = delete;

    // Flushes and ends the hold early, if this scope started it.
    void release();

private:
    bool owner;
};

// The opposite, for a primitive drawn in the middle of someone's held run: flushes the pending
// batch so the primitive lands on top of it, and holds again afterwards for the holder.
class ZE_Unhold {
public:
    ZE_Unhold();
    ~ZE_Unhold();
    ZE_Unhold(const ZE_Unhold&) = delete;
    ZE_Unhold& operator=(const ZE_Unhold&) = delete;

private:
    bool wasHeld;
};

#endif
