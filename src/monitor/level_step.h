#pragma once
// The level panel's Add and Sub: one item of a level box up or down. The
// device takes at most index 9 for the speaker and 15 for the microphone,
// whatever a model's box lists, and a box with no item chosen has no level
// to step from.

#include <optional>

namespace mervadin {

inline constexpr int kSpeakerTopLevel = 9;
inline constexpr int kMicrophoneTopLevel = 15;

// The index to choose after a step of +1 or -1 from `current` in a box of
// `count` items whose highest level is `top`: Add stops at `top`, Sub at 0
// (either choosing the same level again). Nothing when no item is chosen
// or the step would leave the box.
std::optional<int> SteppedLevel(int current, int step, int top, int count);

} // namespace mervadin
