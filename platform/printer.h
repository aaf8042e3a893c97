#pragma once
// The default printer, as the program's printing routines use it: positions in twips (1440 to the inch)
// from the top-left corner of the printable area; text printed line by line from a current position.
//
// Every operation throws PrinterError when the printer cannot do it (no default printer, a job the
// spooler refuses, a page that cannot be started); a routine that prints catches it and tells the user.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <stdexcept>

namespace bt {

class Metafile;

struct PrinterError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Printer {
  public:
    virtual ~Printer() = default;

    virtual void setTextColour(int red, int green, int blue) = 0;
    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(double points) = 0;
    // Where the next text starts across the line.
    virtual void setCurrentX(double twips) = 0;
    // Prints the text at the current position. With a line end the position goes to the start of the
    // next line (whose height is the current font's; past the page's foot a new page starts); without one
    // it stays just after the text.
    virtual void print(const QString& text, bool lineEnd) = 0;
    // The width of the text in the current font, in twips.
    virtual double textWidth(const QString& text) = 0;
    // The width of lines drawn from here on, in printer pixels.
    virtual void setLineWidth(int pixels) = 0;
    // A straight line in the current text colour and line width.
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    // A metafile page at its own size with its top-left corner at x, y.
    virtual void drawPicture(const Metafile& picture, double x, double y) = 0;
    virtual double printableWidth() = 0;
    virtual double printableHeight() = 0;
    // Closes the page and hands the job to the spooler.
    virtual void endDocument() = 0;
};

// Makes the printer for one print job.
using PrinterFactory = std::function<std::unique_ptr<Printer>()>;

// Test double: records every operation as a line of text ("size 25", "x 1440", "print 'Brambleton' end",
// "line 45 270 11955 270", "end"). Text is 10 twips a character per point of size, so widths are easy to
// work out by hand. failAt makes the given operation number (counting from 1) throw, as a printer that
// fails part-way; failAt 1 is a machine with no printer.
class RecordingPrinter final : public Printer {
  public:
    RecordingPrinter(double width = 11000, double height = 15000) : width_(width), height_(height) {}
    // A printer for one more job that records into the same list as `log`, and fails as it does.
    explicit RecordingPrinter(RecordingPrinter& log) : RecordingPrinter(log.width_, log.height_) {
        log_ = &log;
    }

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

    QStringList ops;
    int failAt = 0;

  private:
    void record(const QString& op);
    RecordingPrinter* log_ = this;
    double width_;
    double height_;
    double size_ = 12;
};

}  // namespace bt
