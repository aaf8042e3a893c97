#include "worksheet_print.h"

#include "numtext.h"
#include "printer.h"

namespace bt {

void printWorksheet(Printer& p, const QString& heading, const QString& title, const SharedValues& m) {
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
        p.setCurrentX(w / 16);
        p.print(QStringLiteral("Question") + numText(i) + QStringLiteral("    ") + m.questtext[i], true);
        p.setCurrentX(2 * w / 6);
        p.print(QStringLiteral("A. ") + m.answera[i], false);
        p.setCurrentX(4 * w / 6);
        p.print(QStringLiteral("B. ") + m.answerb[i], true);
        p.setCurrentX(2 * w / 6);
        p.print(QStringLiteral("C. ") + m.answerc[i], false);
        p.setCurrentX(4 * w / 6);
        p.print(QStringLiteral("D. ") + m.answerd[i], true);
        p.print(blank, true);
    }
    p.endDocument();
}

}  // namespace bt
