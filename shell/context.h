#pragma once
// The context handed to every screen: the shared values, the screen registry and the services.

#include <functional>

#include "content_paths.h"
#include "dialogs.h"
#include "printer.h"
#include "screen_registry.h"
#include "shared_state.h"
#include "sound.h"

namespace bt {

struct Context {
    SharedValues shared;
    ScreenRegistry* screens = nullptr;
    Sound* sound = nullptr;
    Dialogs* dialogs = nullptr;
    ContentPaths paths;
    // Makes the printer for one print job (the default printer in the program).
    PrinterFactory printer;
    // Ends the program at once, whatever screens are open.
    std::function<void()> endProgram;
};

// The sound gate: plays the WAV file only while sound is switched on (soundon is 1).
void playSound(Context& context, const QString& relativePath);

inline const QString kClickSound = QStringLiteral("wav\\click.wav");
inline const QString kPrintingProblem = QStringLiteral("There was a problem printing to your printer.");

}  // namespace bt
