#include "certificate.h"

#include "numtext.h"
#include "printer.h"

namespace bt {

namespace {

const QString kTimes = QStringLiteral("Times New Roman");
const QString kBlank = QStringLiteral(" ");

void centred(Printer& p, const QString& text) {
    p.setCurrentX((p.printableWidth() - p.textWidth(text)) / 2);
    p.print(text, true);
}

void blankLines(Printer& p, int n) {
    for (int i = 0; i < n; ++i) p.print(kBlank, true);
}

// A rectangle as four lines: top, left, right, bottom.
void rectangle(Printer& p, float left, float top, float right, float bottom) {
    p.line(left, top, right, top);
    p.line(left, top, left, bottom);
    p.line(right, top, right, bottom);
    p.line(left, bottom, right, bottom);
}

}  // namespace

void printCertificate(Printer& printer, const QString& certtitle, const QString& name, int score, int outof,
                      const std::function<double(const QString&)>& screenWidth) {
    const QString product = QStringLiteral("Brambleton");
    const QString heading = QStringLiteral("Excellent Work");
    const QString scoreLine = QStringLiteral("You have scored") + numText(score) + QStringLiteral(" out of") +
                              numText(outof) + QLatin1Char('.');
    Printer& p = printer;

    p.setTextColour(0, 0, 255);
    p.setFontSize(25);
    p.setFontName(kTimes);
    p.setCurrentX(p.printableWidth() / 8);
    p.print(kBlank, true);
    p.print(kWellDoneBand + kWellDoneBand, false);
    p.print(kBlank, true);
    blankLines(p, 2);

    p.setTextColour(255, 0, 0);
    p.setFontSize(36);
    p.setFontName(kTimes);
    centred(p, product);
    blankLines(p, 1);

    p.setTextColour(0, 0, 255);
    p.setFontSize(36);
    if (screenWidth(certtitle) > p.printableWidth() / 4) p.setFontSize(28);
    centred(p, certtitle);
    centred(p, QString());

    p.setFontSize(36);
    blankLines(p, 3);
    p.setTextColour(0, 0, 128);
    p.setFontSize(28);
    centred(p, heading);
    p.setFontSize(28);
    blankLines(p, 1);
    centred(p, name);
    centred(p, QString());
    p.setFontSize(28);
    centred(p, scoreLine);
    blankLines(p, 1);
    p.setFontSize(36);
    blankLines(p, 2);

    p.setTextColour(0, 0, 255);
    p.setFontSize(25);
    p.setFontName(kTimes);
    blankLines(p, 1);
    p.setTextColour(0, 0, 0);
    p.print(kWellDoneBand + kWellDoneBand, false);

    p.setLineWidth(2);
    const float w = float(p.printableWidth());
    const float h = float(p.printableHeight());
    for (int i = 1; i <= 5; ++i) {
        const float a = 45.0f * float(i);
        const float b = 225.0f + 45.0f * float(i);
        rectangle(p, a, b, w - a, h - b);
        if (i <= 3) rectangle(p, a + 600.0f, b + 7050.0f, w - a - 600.0f, h - b - 3750.0f);
    }
    p.endDocument();
}

}  // namespace bt
