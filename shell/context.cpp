#include "context.h"

namespace bt {

void playSound(Context& context, const QString& relativePath) {
    if (context.shared.soundon == 1 && context.sound) context.sound->play(relativePath);
}

void readAloud(Context& context, const QObject* screen, const QStringList& texts) {
    if (context.shared.readaloud != 1 || !context.speech) return;
    QStringList said;
    for (const QString& text : texts)
        if (!text.trimmed().isEmpty()) said << text;
    context.reading = screen;
    context.speech->say(said);
}

void stopReading(Context& context, const QObject* screen) {
    if (!context.reading || (screen && screen != context.reading)) return;
    context.reading = nullptr;
    if (context.speech) context.speech->stop();
}

bool printJob(Context& context, const std::function<void(Printer&)>& job) {
    try {
        std::unique_ptr<Printer> printer = context.printer();
        job(*printer);
        return true;
    } catch (const PrinterError&) {
        context.dialogs->message(kPrintingProblem);
        return false;
    }
}

}  // namespace bt
