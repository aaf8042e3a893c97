#include "test_program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include "grey.h"
#include "screens.h"
#include "titlefrm.h"

namespace bt::test {

QString sourceContent() {
    return QStringLiteral(BRAMBLETON_SOURCE_CONTENT);
}

bool copyTree(const QString& from, const QString& to) {
    QDir source(from);
    if (!QDir().mkpath(to)) return false;
    bool ok = true;
    for (const QFileInfo& entry : source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        ok = (entry.isDir() ? copyTree(entry.filePath(), target) : QFile::copy(entry.filePath(), target)) &&
             ok;
    }
    return ok;
}

namespace {

// Hands every operation of a job to the test's one recording printer.
class ForwardingPrinter final : public Printer {
  public:
    explicit ForwardingPrinter(RecordingPrinter& to) : to_(to) {}
    void setTextColour(int r, int g, int b) override { to_.setTextColour(r, g, b); }
    void setFontName(const QString& name) override { to_.setFontName(name); }
    void setFontSize(double points) override { to_.setFontSize(points); }
    void setCurrentX(double twips) override { to_.setCurrentX(twips); }
    void print(const QString& text, bool lineEnd) override { to_.print(text, lineEnd); }
    double textWidth(const QString& text) override { return to_.textWidth(text); }
    void setLineWidth(int pixels) override { to_.setLineWidth(pixels); }
    void line(double x1, double y1, double x2, double y2) override { to_.line(x1, y1, x2, y2); }
    void drawPicture(const Metafile& picture, double x, double y) override { to_.drawPicture(picture, x, y); }
    double printableWidth() override { return to_.printableWidth(); }
    double printableHeight() override { return to_.printableHeight(); }
    void endDocument() override { to_.endDocument(); }

  private:
    RecordingPrinter& to_;
};

}  // namespace

TestProgram::TestProgram(bool withRegister) {
    copyTree(sourceContent(), dir_.path());
    if (!withRegister) QFile::remove(worksheets() + QStringLiteral("/track.txt"));
    program_ = std::make_unique<Brambleton>(
        ContentPaths(dir_.path(), worksheets()), sound, dialogs,
        [this] {
            ++printJobs;
            return std::unique_ptr<Printer>(std::make_unique<ForwardingPrinter>(printer));
        },
        [this] { ++ended; });
}

TestProgram::~TestProgram() {
    program_.reset();
    settle();
}

bool TestProgram::start() {
    program_->start();
    return QTest::qWaitForWindowExposed(&program_->grey());
}

bool TestProgram::startAtMenu() {
    if (!start()) return false;
    auto* title = qobject_cast<Titlefrm*>(screen(screen::kTitle));
    if (!title) return false;
    QTest::mouseClick(title->command1(), Qt::LeftButton);
    settle();
    return program_->screens().topMost() == screen::kMenu;
}

QWidget* TestProgram::screen(const QString& name) const {
    return program_->screens().isLoaded(name) ? program_->screens().touch(name) : nullptr;
}

LabelButton* labelOf(QWidget* screen, const QString& name, int index) {
    if (!screen) return nullptr;
    for (LabelButton* label : screen->findChildren<LabelButton*>(name))
        if (label->index() == index) return label;
    return nullptr;
}

void pointAt(QWidget* widget, QPoint at) {
    QTest::mouseMove(widget, at.x() < 0 ? widget->rect().center() : at);
    QCoreApplication::processEvents();
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace bt::test
