#include "test_program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include "grey.h"
#include "screens.h"

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

TestProgram::TestProgram(bool withRegister) {
    copyTree(sourceContent(), dir_.path());
    if (!withRegister) QFile::remove(worksheets() + QStringLiteral("/track.txt"));
    program_ = std::make_unique<Brambleton>(ContentPaths(dir_.path(), worksheets()), sound, dialogs,
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
