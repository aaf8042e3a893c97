#pragma once
// The certificate for full marks: centred lines of Times New Roman, two bands of "Well Done", a border of
// five nested rectangles and an inner frame of three, printed with the printer's own operations.

#include <QString>
#include <functional>

namespace bt {

class Printer;

// The repeated words of the certificate's two bands (59 characters; printed doubled).
inline const QString kWellDoneBand =
    QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ");

// Prints the whole certificate and ends the document. screenWidth measures the title line as the results
// screen's own 8-point font shows it, in twips: a title wider than a quarter of the printable width prints
// at 28 points instead of 36. Throws PrinterError when the printer fails.
void printCertificate(Printer& printer, const QString& certtitle, const QString& name, int score, int outof,
                      const std::function<double(const QString&)>& screenWidth);

}  // namespace bt
