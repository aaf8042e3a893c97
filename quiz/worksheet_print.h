#pragma once
// A paper copy of the worksheet in memory: a header line, the heading and title in large type, then the
// ten questions with their answers in two columns. The right answers are not printed.

#include <QString>

#include "worksheet_files.h"

namespace bt {

class Printer;

// Prints the worksheet under the quiz's heading and ends the document. Throws PrinterError when the printer
// fails.
void printWorksheet(Printer& printer, const QString& heading, const Worksheet& worksheet);

}  // namespace bt
