#include "quiz_opener.h"

#include "context.h"
#include "multiple.h"
#include "picture_box.h"
#include "worksheet_files.h"

namespace bt {

bool openQuiz(Context& context, const QString& worksheet, const QString& smallPicture) {
    if (!readWorksheetFile(context.paths.resolve(worksheet), context.shared)) {
        context.dialogs->message(kCorrupted);
        return false;
    }
    return showQuiz(context, smallPicture);
}

bool showQuiz(Context& context, const QString& smallPicture) {
    auto* quiz = qobject_cast<multiple*>(context.screens->touch(screen::kQuiz));
    if (!quiz) return false;
    quiz->picture()->setPicture(context.paths, smallPicture);
    quiz->setHeading(QStringLiteral("Brambleton"));
    context.screens->show(screen::kQuiz);
    return true;
}

}  // namespace bt
