#include "worksheet_check.h"

#include <QFile>

#include "content_paths.h"
#include "numtext.h"
#include "topics.h"

namespace bt {

namespace {

enum class Change { None, LineBreak, Broken, Quotes };

// Makes the text fit a worksheet file; what was changed first.
Change fit(QString& text) {
    Change change = Change::None;
    const auto note = [&change](Change c) {
        if (change == Change::None) change = c;
    };
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'))) {
        text.replace(QLatin1String("\r\n"), QLatin1String(" "));
        text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        note(Change::LineBreak);
    }
    if (!text.isValidUtf16()) {
        QString whole;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                whole += c;
                whole += text[++i];
            } else if (!c.isSurrogate()) {
                whole += c;
            }
        }
        text = whole;
        note(Change::Broken);
    }
    if (!textFitsFile(text)) {  // quotes in a text that must itself be quoted
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] != u'"') continue;
            const bool opening =
                i == 0 || text[i - 1].isSpace() || QStringLiteral("([{").contains(text[i - 1]);
            text[i] = opening ? QChar(0x201C) : QChar(0x201D);
        }
        note(Change::Quotes);
    }
    return change;
}

}  // namespace

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

QString fitToFile(WizardContent& content) {
    for (int q = 0; q < kQuestions; ++q) {
        Change change = fit(content.questions[q]);
        for (int j = 0; j < 4; ++j) {
            const Change c = fit(content.answers[4 * q + j]);
            if (change == Change::None) change = c;
        }
        const QString question = QStringLiteral("Question") + numText(q + 1);
        switch (change) {
            case Change::None:
                continue;
            case Change::LineBreak:
                return question + QStringLiteral(
                                      " had a line break in it, which has been changed to a space. Please "
                                      "check it and save again.");
            case Change::Broken:
                return question + QStringLiteral(
                                      " had a character that cannot be saved, which has been taken out. "
                                      "Please check it and save again.");
            case Change::Quotes:
                return question + QStringLiteral(
                                      " had double quotes that a worksheet cannot keep there, which have "
                                      "been changed to \u201C and \u201D. Please check it and save again.");
        }
    }
    return {};
}

QString replaceQuestion(const ContentPaths& paths, const SharedValues& shared, const QString& title) {
    const QString file = worksheetPath(paths, title);
    if (!QFile::exists(file) && !isRegistered(shared, title)) return {};
    QString question = QStringLiteral("A worksheet called \"%1\" already exists.").arg(title);
    for (const Topic& topic : topics())
        if (paths.resolve(QString::fromLatin1(topic.worksheet)) == file)
            question +=
                QStringLiteral(" It is the quiz of the topic \"%1\".").arg(QString::fromLatin1(topic.title));
    return question + QStringLiteral(" Replace it?");
}

QString saveWorksheet(const ContentPaths& paths, SharedValues& shared, const WizardContent& content) {
    if (!titleProblem(content.title).isEmpty()) return kSaveProblem;
    const Worksheet worksheet = worksheetOf(content);
    const QString file = worksheetPath(paths, content.title);
    if (!writeWorksheet(file, worksheet) || readWorksheetFile(file) != worksheet) return kSaveProblem;
    const QString reg = registerPath(paths);
    SharedValues check;
    if (!trackworksheets(reg, content.title, shared) || !readRegister(reg, check)) return kSaveProblem;
    return isRegistered(check, content.title) ? kSaved : kSaveProblem;
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
