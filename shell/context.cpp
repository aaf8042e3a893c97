#include "context.h"

namespace bt {

void playSound(Context& context, const QString& relativePath) {
    if (context.shared.soundon == 1 && context.sound) context.sound->play(relativePath);
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
