#include "worksheet_check.h"

#include "content_paths.h"
#include "numtext.h"

namespace bt {

QString checkWorksheet(const WizardContent& content) {
    if (content.title.isEmpty()) return QStringLiteral("You have not chosen a title for your worksheet");
    if (const QString problem = titleProblem(content.title); !problem.isEmpty()) return problem;
    for (int q = 0; q < kQuestions; ++q) {
        const QString number = numText(q + 1);
        const QString incomplete = QStringLiteral("You have not completed Question") + number;
        if (content.questions[q].isEmpty()) return incomplete;
        int ticked = 0;
        for (int j = 0; j < 4; ++j) {
            if (content.answers[4 * q + j].isEmpty()) return incomplete;
            if (content.ticks[4 * q + j]) ++ticked;
        }
        if (ticked == 0)
            return QStringLiteral("You have not ticked the correct answer for Question") + number;
        if (ticked > 1)
            return QStringLiteral("You have ticked more than one correct answer for Question") + number;
    }
    return {};
}

Worksheet worksheetOf(const WizardContent& content) {
    Worksheet worksheet;
    worksheet.title = content.title;
    for (int q = 0; q < kQuestions; ++q) {
        Question& question = worksheet.questions[q];
        question.text = content.questions[q];
        for (int j = 0; j < 4; ++j) {
            question.answers[j] = content.answers[4 * q + j];
            if (content.ticks[4 * q + j]) question.correct = j + 1;
        }
    }
    return worksheet;
}

WizardContent contentOf(const Worksheet& worksheet) {
    WizardContent content;
    content.title = worksheet.title;
    for (int q = 0; q < kQuestions; ++q) {
        const Question& question = worksheet.questions[q];
        content.questions[q] = question.text;
        for (int j = 0; j < 4; ++j) content.answers[4 * q + j] = question.answers[j];
        if (question.correct >= 1 && question.correct <= 4)
            content.ticks[4 * q + question.correct - 1] = true;
    }
    return content;
}

QString saveWorksheet(const ContentPaths& paths, SharedValues& shared, const WizardContent& content) {
    if (!titleProblem(content.title).isEmpty()) return kSaveProblem;
    if (!writeWorksheet(worksheetPath(paths, content.title), worksheetOf(content))) return kSaveProblem;
    if (!trackworksheets(registerPath(paths), content.title, shared)) return kSaveProblem;
    return kSaved;
}

CatalogPage catalogPage(const SharedValues& shared, int page) {
    CatalogPage out;
    out.previous = page > 0;
    out.next = page < CatalogPage::kLastPage;
    out.caption = QStringLiteral("Page") + numText(page + 1);
    int last = CatalogPage::kSlots * page + CatalogPage::kSlots;
    if (shared.worksheetcount < CatalogPage::kSlots * page + CatalogPage::kSlots + 1) {
        last = shared.worksheetcount;
        out.next = false;
    }
    for (int i = CatalogPage::kSlots * page + 1; i <= last && i <= kMaxWorksheets; ++i)
        out.names << shared.worksheetnames[i];
    return out;
}

}  // namespace bt
