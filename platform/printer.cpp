#include "printer.h"

namespace bt {

namespace {
QString num(double v) {
    return QString::number(v, 'g', 10);
}
}  // namespace

void RecordingPrinter::record(const QString& op) {
    if (log_->failAt > 0 && log_->ops.size() + 1 >= log_->failAt) throw PrinterError("printer failed");
    log_->ops.append(op);
}

void RecordingPrinter::setTextColour(int red, int green, int blue) {
    record(QStringLiteral("colour %1 %2 %3").arg(red).arg(green).arg(blue));
}
void RecordingPrinter::setFontName(const QString& name) {
    record(QStringLiteral("font ") + name);
}
void RecordingPrinter::setFontSize(double points) {
    record(QStringLiteral("size ") + num(points));
    size_ = points;
}
void RecordingPrinter::setCurrentX(double twips) {
    record(QStringLiteral("x ") + num(twips));
}
void RecordingPrinter::print(const QString& text, bool lineEnd) {
    record(QStringLiteral("print '") + text + (lineEnd ? QStringLiteral("' end") : QStringLiteral("'")));
}
double RecordingPrinter::textWidth(const QString& text) {
    return 10.0 * size_ * double(text.size());
}
void RecordingPrinter::setLineWidth(int pixels) {
    record(QStringLiteral("width %1").arg(pixels));
}
void RecordingPrinter::line(double x1, double y1, double x2, double y2) {
    record(QStringLiteral("line ") + num(x1) + QLatin1Char(' ') + num(y1) + QLatin1Char(' ') + num(x2) +
           QLatin1Char(' ') + num(y2));
}
void RecordingPrinter::drawPicture(const Metafile&, double x, double y) {
    record(QStringLiteral("picture ") + num(x) + QLatin1Char(' ') + num(y));
}
double RecordingPrinter::printableWidth() {
    return width_;
}
double RecordingPrinter::printableHeight() {
    return height_;
}
void RecordingPrinter::endDocument() {
    record(QStringLiteral("end"));
}

}  // namespace bt
