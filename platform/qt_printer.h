#pragma once
// The printer service on Qt: the system's default printer through QPrinter (CUPS on Linux), without a
// dialog, or a PDF file. The job starts with the first operation and goes to the spooler at endDocument().

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <memory>

#include "printer.h"

namespace bt {

class QtPrinter final : public Printer {
  public:
    // The default printer; with a path, a PDF file there instead.
    explicit QtPrinter(const QString& pdfPath = QString());
    ~QtPrinter() override;

    void setTextColour(int red, int green, int blue) override;
    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setCurrentX(double twips) override;
    void print(const QString& text, bool lineEnd) override;
    double textWidth(const QString& text) override;
    void setLineWidth(int pixels) override;
    void line(double x1, double y1, double x2, double y2) override;
    void drawPicture(const Metafile& picture, double x, double y) override;
    double printableWidth() override;
    double printableHeight() override;
    void endDocument() override;

  private:
    // Starts the job on first use; throws when there is no printer or the page cannot be started.
    QPainter& painter();
    double toDevice(double twips) const { return twips * resolution_ / 1440.0; }
    double toTwips(double device) const { return device * 1440.0 / resolution_; }
    double lineHeight();

    QString pdfPath_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    double resolution_ = 1200;
    QFont font_;
    QColor colour_{Qt::black};
    int lineWidth_ = 1;
    double x_ = 0;
    double y_ = 0;
};

// The factory main() hands to the program: a job on the default printer.
PrinterFactory defaultPrinter();

}  // namespace bt
