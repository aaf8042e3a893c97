#include "quiz_opener.h"

#include "context.h"
#include "multiple.h"

namespace bt {

void openQuiz(Context& context, const Worksheet& worksheet, const QString& smallPicture) {
    context.screens->open(screen::kQuiz, [&](QWidget* parent) {
        return new multiple(context, QuizSession(worksheet, QStringLiteral("Brambleton")), smallPicture,
                            parent);
    });
}

bool openQuizFile(Context& context, const QString& worksheet, const QString& smallPicture) {
    const std::optional<Worksheet> read = readWorksheetFile(context.paths.resolve(worksheet));
    if (!read) {
        context.dialogs->message(kCorrupted);
        return false;
    }
    openQuiz(context, *read, smallPicture);
    return true;
}

}  // namespace bt
