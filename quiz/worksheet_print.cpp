#include "worksheet_print.h"

#include "numtext.h"
#include "printer.h"

namespace bt {

void printWorksheet(Printer& p, const QString& heading, const Worksheet& worksheet) {
    const QString& title = worksheet.title;
    const QString blank = QStringLiteral(" ");
    p.setFontName(QStringLiteral("Times New Roman"));
    p.setFontSize(16);
    const double w = p.printableWidth();
    p.setCurrentX(w / 8);
    p.print(blank, true);
    p.setCurrentX(w / 16);
    p.print(QStringLiteral("Brambleton") + QString(57, u' ') + QStringLiteral("Corvane Publishing Ltd"),
            false);
    p.print(blank, true);
    p.print(blank, true);

    p.setFontSize(32);
    p.setCurrentX((w - p.textWidth(heading)) / 2);
    p.print(heading, true);
    p.setCurrentX((w - p.textWidth(title)) / 2);
    p.print(title, true);
    p.print(blank, true);

    p.setFontSize(12);
    for (int i = 1; i <= kQuestions; ++i) {
        const Question& q = worksheet.questions[i - 1];
        p.setCurrentX(w / 16);
        p.print(QStringLiteral("Question") + numText(i) + QStringLiteral("    ") + q.text, true);
        // A and C in the middle of the page, B and D on the right.
        static const char* const kLetters[] = {"A. ", "B. ", "C. ", "D. "};
        for (int j = 0; j < 4; ++j) {
            p.setCurrentX((j % 2 ? 4 : 2) * w / 6);
            p.print(QLatin1String(kLetters[j]) + q.answers[j], j % 2 == 1);
        }
        p.print(blank, true);
    }
    p.endDocument();
}

}  // namespace bt
