#include "qt_printer.h"

#include <QFontMetricsF>
#include <QPrinterInfo>

#include "metafile.h"

namespace bt {

QtPrinter::QtPrinter(const QString& pdfPath) : pdfPath_(pdfPath) {
    font_.setFamily(QStringLiteral("Times New Roman"));
    font_.setPointSizeF(12);
}

QtPrinter::~QtPrinter() {
    // A job abandoned part-way (a failure after it began) is not sent.
    if (painter_ && painter_->isActive()) {
        printer_->abort();
        painter_->end();
    }
}

QPainter& QtPrinter::painter() {
    if (painter_) return *painter_;
    if (pdfPath_.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) throw PrinterError("there is no default printer");
        printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    } else {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(pdfPath_);
    }
    printer_->setDocName(QStringLiteral("Brambleton"));
    printer_->setFullPage(false);
    resolution_ = printer_->resolution();
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) throw PrinterError("the printer could not start a page");
    painter_->setRenderHint(QPainter::Antialiasing);
    painter_->setRenderHint(QPainter::TextAntialiasing);
    return *painter_;
}

void QtPrinter::setTextColour(int red, int green, int blue) {
    painter();
    colour_ = QColor(red, green, blue);
}

void QtPrinter::setFontName(const QString& name) {
    painter();
    font_.setFamily(name);
}

void QtPrinter::setFontSize(double points) {
    painter();
    font_.setPointSizeF(points);
}

void QtPrinter::setCurrentX(double twips) {
    painter();
    x_ = twips;
}

double QtPrinter::lineHeight() {
    return toTwips(QFontMetricsF(font_, printer_.get()).height());
}

void QtPrinter::print(const QString& text, bool lineEnd) {
    QPainter& p = painter();
    if (y_ > 0 && y_ + lineHeight() > printableHeight()) {
        if (!printer_->newPage()) throw PrinterError("the printer could not start a new page");
        y_ = 0;
    }
    p.setFont(font_);
    p.setPen(colour_);
    const QFontMetricsF metrics(font_, printer_.get());
    p.drawText(QPointF(toDevice(x_), toDevice(y_) + metrics.ascent()), text);
    if (lineEnd) {
        x_ = 0;
        y_ += lineHeight();
    } else {
        x_ += toTwips(metrics.horizontalAdvance(text));
    }
}

double QtPrinter::textWidth(const QString& text) {
    painter();
    return toTwips(QFontMetricsF(font_, printer_.get()).horizontalAdvance(text));
}

void QtPrinter::setLineWidth(int pixels) {
    painter();
    lineWidth_ = pixels;
}

void QtPrinter::line(double x1, double y1, double x2, double y2) {
    QPainter& p = painter();
    p.setPen(QPen(colour_, lineWidth_, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(QPointF(toDevice(x1), toDevice(y1)), QPointF(toDevice(x2), toDevice(y2)));
}

void QtPrinter::drawPicture(const Metafile& picture, double x, double y) {
    QPainter& p = painter();
    p.save();
    p.translate(toDevice(x), toDevice(y));
    p.scale(resolution_ / 96.0, resolution_ / 96.0);  // the picture's own size is in 96-dpi pixels
    picture.draw(p);
    p.restore();
}

double QtPrinter::printableWidth() {
    painter();
    return toTwips(printer_->pageLayout().paintRectPixels(printer_->resolution()).width());
}

double QtPrinter::printableHeight() {
    painter();
    return toTwips(printer_->pageLayout().paintRectPixels(printer_->resolution()).height());
}

void QtPrinter::endDocument() {
    painter();
    if (!painter_->end()) throw PrinterError("the printer refused the job");
    if (printer_->printerState() == QPrinter::Error) throw PrinterError("the printer refused the job");
}

PrinterFactory defaultPrinter() {
    return [] { return std::make_unique<QtPrinter>(); };
}

}  // namespace bt
