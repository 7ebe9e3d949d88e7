#pragma once

#include "mono_clip.h"

// The game's five sound cues. Each ends in silence long enough that a player which drops the
// tail of a clip still plays all of the sound.
MonoClip silenceCue();
MonoClip humCue();
MonoClip turn2Cue();
MonoClip turn3Cue();
MonoClip crashCue();
