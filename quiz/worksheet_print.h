#pragma once
// A paper copy of the worksheet in memory: a header line, the heading and title in large type, then the
// ten questions with their answers in two columns. The right answers are not printed.

#include <QString>

#include "shared_state.h"

namespace bt {

class Printer;

// Prints the worksheet and ends the document. Throws PrinterError when the printer fails.
void printWorksheet(Printer& printer, const QString& heading, const QString& title,
                    const SharedValues& shared);

}  // namespace bt
