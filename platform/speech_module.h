#pragma once
// The interface of the read-aloud module (brambleton_speech), which holds everything that needs the flite
// voice and Qt Multimedia. create() returns a reader; destroy() frees it.

#include "speech.h"

namespace bt {

using SpeechModuleCreate = Speech* (*)();
using SpeechModuleDestroy = void (*)(Speech* reader);

inline constexpr const char* kSpeechModuleCreate = "brambleton_speech_create";
inline constexpr const char* kSpeechModuleDestroy = "brambleton_speech_destroy";

}  // namespace bt
