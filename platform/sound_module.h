#pragma once
// The interface of the sound module (brambleton_sound), which holds everything that needs Qt Multimedia.
// create() returns a player for content found through paths (which must outlive it); destroy() frees it.

#include "content_paths.h"
#include "sound.h"

namespace bt {

using SoundModuleCreate = Sound* (*)(const ContentPaths* paths);
using SoundModuleDestroy = void (*)(Sound* player);
using SoundModulePreload = void (*)(Sound* player, const QString& relativePath);

inline constexpr const char* kSoundModuleCreate = "brambleton_sound_create";
inline constexpr const char* kSoundModuleDestroy = "brambleton_sound_destroy";
inline constexpr const char* kSoundModulePreload = "brambleton_sound_preload";

}  // namespace bt
