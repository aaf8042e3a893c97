#include "test_program.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "grey.h"
#include "screens.h"

namespace bt::test {

QString sourceContent() {
    return QStringLiteral(BRAMBLETON_SOURCE_CONTENT);
}

QByteArray testSheet(const QString& title) {
    QByteArray out = title.toLatin1() + "\r\n \r\n";
    for (int q = 1; q <= 10; ++q)
        out += "What is question " + QByteArray::number(q) +
               " about?\r\nAnswer A\r\nAnswer B\r\nAnswer C\r\n" + "Answer D\r\n" +
               QByteArray::number(rightAnswer(q)) + "\r\n \r\n";
    return out;
}

namespace {

bool copyTree(const QString& from, const QString& to) {
    bool ok = QDir().mkpath(to);
    for (const QFileInfo& entry : QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        ok = (entry.isDir() ? copyTree(entry.filePath(), target) : QFile::copy(entry.filePath(), target)) &&
             ok;
    }
    return ok;
}

}  // namespace

TestProgram::TestProgram(bool withRegister) {
    copyTree(sourceContent(), dir_.path());
    if (!withRegister) QFile::remove(worksheets() + QStringLiteral("/track.txt"));
    program_ = std::make_unique<Brambleton>(
        ContentPaths(dir_.path(), worksheets()), sound, speech, dialogs,
        [this] {
            ++printJobs;
            return std::unique_ptr<Printer>(std::make_unique<RecordingPrinter>(printer));
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
    return start() && click(kTitle, "Command1") && top() == kMenu;
}

bool TestProgram::addWorksheets(const QStringList& titles, bool withFiles) {
    bool ok = true;
    for (const QString& title : titles)
        if (withFiles)
            ok = writeFile(worksheets() + QLatin1Char('/') + title + ".txt", testSheet(title)) && ok;
    return writeFile(worksheets() + QStringLiteral("/track.txt"), registerBytes(titles)) && ok;
}

bool TestProgram::openFromCatalogue(int slot) {
    return click(kMenu, "Label2", 18) && click(kCatalogue, "Label2", slot);
}

bool TestProgram::answerQuiz(const QList<int>& wrong, bool blank) {
    bool ok = true;
    for (int q = 1; q <= 10; ++q) {
        if (!wrong.contains(q) || !blank)
            ok = click(kQuiz, "Option1", wrong.contains(q) ? wrongAnswer(q) : rightAnswer(q)) && ok;
        ok = click(kQuiz, "Label3", 1) && ok;
    }
    return ok;
}

bool TestProgram::printThreeJobs() {
    if (!addWorksheets({QStringLiteral("Pond life")}) || !startAtMenu() || !openFromCatalogue()) return false;
    if (!click(kQuiz, "Label3", 3) || !answerQuiz()) return false;  // Print Worksheet
    if (!QTest::qWaitFor([this] { return QApplication::focusWidget() == find(kResults, "Text1"); }))
        return false;
    QTest::keyClicks(find(kResults, "Text1"), QStringLiteral("Amy Jones"));
    return click(kResults, "Label3", 0) && click(kResults, "Label3", 1) &&  // Print Certificate, Exit
           click(kCatalogue, "Label2", 0) && click(kMenu, "Label2", 15) && click(kTeacher, "Label3", 0);
}

QWidget* TestProgram::screen(const QString& name) const {
    return program_->screens().loaded(name);
}

QString TestProgram::top() const {
    return program_->screens().topMost().text();
}

bool TestProgram::click(const QString& on, const QString& name, int index) {
    QWidget* c = find(on, name, index);
    if (!c || !c->isVisible()) return false;
    const bool indicator = c->inherits("QRadioButton") || c->inherits("QCheckBox");
    QTest::mouseClick(c, Qt::LeftButton, {}, indicator ? QPoint(8, c->height() / 2) : c->rect().center());
    settle();
    return true;
}

QString TestProgram::text(const QString& on, const QString& name, int index) const {
    QWidget* c = find(on, name, index);
    if (auto* label = qobject_cast<QLabel*>(c)) return label->text();
    if (auto* button = qobject_cast<LabelButton*>(c)) return button->caption();
    if (auto* box = qobject_cast<QLineEdit*>(c)) return box->text();
    if (auto* button = qobject_cast<QAbstractButton*>(c)) return button->text();
    return {};
}

bool TestProgram::shown(const QString& on, const QString& name, int index) const {
    QWidget* c = find(on, name, index);
    return c && c->isVisibleTo(screen(on));
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
