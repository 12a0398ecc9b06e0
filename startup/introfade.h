#pragma once
// The intro's fade: the studio name goes from black to white and back in
// steps of 2 grey levels, one step a tick, and the word under it follows one
// tick behind. The turn comes at level 256 (white, as a part above 255 counts
// as 255) and the end at level 0, 256 ticks after the start.

#include <cstdint>

class IntroFade {
public:
    enum class Phase { Brightening = 1, Darkening = 2, Ended };

    // Both texts black, level 0, brightening.
    void load();

    // One step. Returns true on the step that ends the fade; a step after the
    // end does nothing.
    bool tick();

    int level() const { return level_; }
    Phase phase() const { return phase_; }
    std::uint32_t logoColour() const { return logoColour_; }
    std::uint32_t studioCaptionColour() const { return studioCaptionColour_; }

private:
    std::int16_t level_ = 0;
    Phase phase_ = Phase::Brightening;
    std::uint32_t logoColour_ = 0;
    std::uint32_t studioCaptionColour_ = 0;
};
