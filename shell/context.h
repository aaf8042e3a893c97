#pragma once
// The context handed to every screen: the shared values, the screen registry and the services.

#include <QObject>
#include <functional>

#include "content_paths.h"
#include "dialogs.h"
#include "printer.h"
#include "screen_registry.h"
#include "shared_state.h"
#include "sound.h"
#include "speech.h"

namespace bt {

struct Context {
    SharedValues shared;
    ScreenRegistry* screens = nullptr;
    Sound* sound = nullptr;
    Speech* speech = nullptr;
    // The screen whose texts are being read aloud; compared, never followed.
    const QObject* reading = nullptr;
    Dialogs* dialogs = nullptr;
    ContentPaths paths;
    // Makes the printer for one print job (the default printer in the program).
    PrinterFactory printer;
    // Ends the program at once, whatever screens are open.
    std::function<void()> endProgram;
};

// The sound gate: plays the WAV file only while sound is switched on (soundon is 1).
void playSound(Context& context, const QString& relativePath);

// Read-aloud: a screen reads its texts only while read-aloud is switched on (readaloud is 1), empty ones
// left out, cutting short whatever was being read. The reading stops when its screen goes or another screen
// comes over it (the screen registry sees to that).
void readAloud(Context& context, const QObject* screen, const QStringList& texts);
// Stops the reading if it is this screen's, or whosever it is when screen is null.
void stopReading(Context& context, const QObject* screen = nullptr);

// Runs one print job on a fresh printer from the context. A printer failure stops it there and is reported
// with the printing-problem sentence. True when the job has gone to the spooler.
bool printJob(Context& context, const std::function<void(Printer&)>& job);

inline const QString kClickSound = QStringLiteral("wav\\click.wav");
inline const QString kPrintingProblem = QStringLiteral("There was a problem printing to your printer.");

}  // namespace bt
