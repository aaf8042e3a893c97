// The register and the worksheets survive a program killed at any moment, and two copies of the program
// saving into one folder at once. The test runs copies of itself as the programs that save ("--churn",
// "--add"), each working in the folder through the same functions the wizard and the catalogue use.
#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdio>

#include "content_paths.h"
#include "test_files.h"
#include "worksheet_check.h"

using namespace bt;
using namespace bt::test;
using namespace Qt::StringLiterals;

namespace {

// A worksheet whose every text names its title, so that a file read back whole is recognised.
WizardContent sheetFor(const QString& title) {
    WizardContent c;
    c.title = title;
    for (int q = 0; q < kQuestions; ++q) {
        c.questions[q] = title + u" question "_s + QString::number(q + 1);
        for (int j = 0; j < 4; ++j) c.answers[4 * q + j] = title + u", answer & "_s + QChar(u'A' + j);
        c.ticks[4 * q + q % 4] = true;
    }
    return c;
}

ContentPaths pathsIn(const QString& folder) {
    return ContentPaths(folder, folder + u"/multiple"_s);
}

// Saves and deletes worksheets among twelve titles for ever, saying "done" after each change.
int churn(const QString& folder, quint32 seed) {
    const ContentPaths paths = pathsIn(folder);
    QRandomGenerator random(seed);
    SharedValues shared;
    for (;;) {
        const QString title = u"Churn "_s + QString::number(random.bounded(12));
        readRegister(registerPath(paths), shared);
        if (isRegistered(shared, title))
            delworksheet(registerPath(paths), title, shared);
        else
            saveWorksheet(paths, shared, sheetFor(title));
        std::puts("done");
        std::fflush(stdout);
    }
}

// Saves n worksheets named prefix 1 to prefix n; the exit code counts the saves that failed.
int add(const QString& folder, const QString& prefix, int n) {
    const ContentPaths paths = pathsIn(folder);
    SharedValues shared;
    int failed = 0;
    for (int i = 1; i <= n; ++i)
        failed += saveWorksheet(paths, shared, sheetFor(prefix + QString::number(i))) != kSaved;
    return failed;
}

QStringList registered(const QString& folder) {
    SharedValues shared;
    if (!readRegister(registerPath(pathsIn(folder)), shared)) return {u"(the register does not read)"_s};
    return QStringList(shared.worksheetnames.begin() + 1,
                       shared.worksheetnames.begin() + 1 + shared.worksheetcount);
}

}  // namespace

class TestRegisterSafety : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    const QStringList kept_{u"Pond life"_s, u"Plants, pots & soil"_s, u"Minibeasts & more"_s};

    QProcess* worker(const QStringList& arguments) {
        auto* p = new QProcess(this);
        p->start(QCoreApplication::applicationFilePath(), arguments);
        return p;
    }

    // Every name the register lists has its worksheet, read back whole; the names saved before are there.
    void everythingReadsBack(const QString& why) {
        const QStringList names = registered(dir_.path());
        for (const QString& name : kept_)
            QVERIFY2(names.contains(name), qPrintable(why + u": lost "_s + name));
        for (const QString& name : names) {
            const std::optional<Worksheet> read =
                readWorksheetFile(worksheetPath(pathsIn(dir_.path()), name));
            QVERIFY2(read && *read == worksheetOf(sheetFor(name)),
                     qPrintable(why + u": "_s + name + u" is damaged"_s));
        }
    }

  private Q_SLOTS:
    void cleanup() {
        for (QProcess* p : findChildren<QProcess*>()) delete p;  // killed, if still running
    }

    void init() {
        QDir(dir_.path()).removeRecursively();
        QVERIFY(writeFile(dir_.path() + u"/multiple/track.txt"_s, " 0 \r\n"));
        SharedValues shared;
        for (const QString& name : kept_)
            QCOMPARE(saveWorksheet(pathsIn(dir_.path()), shared, sheetFor(name)), kSaved);
    }

    // A program saving and deleting, killed outright at a random moment, again and again
    // (BRAMBLETON_KILL_RUNS times, 300 unless told).
    void killedAtAnyMoment() {
        const int runs = qEnvironmentVariableIsSet("BRAMBLETON_KILL_RUNS")
                             ? qEnvironmentVariableIntValue("BRAMBLETON_KILL_RUNS")
                             : 300;
        QRandomGenerator random(20261208);
        int changes = 0;
        for (int run = 1; run <= runs; ++run) {
            QProcess* p = worker({u"--churn"_s, dir_.path(), QString::number(random.generate())});
            QVERIFY(p->waitForStarted());
            // Killed after a random number of changes (none to ten), a random moment into the next one.
            const int after = int(random.bounded(11));
            QVERIFY(QTest::qWaitFor([&] { return p->bytesAvailable() >= 5 * after; }, 30000));
            QThread::usleep(random.bounded(3000));
            ::kill(pid_t(p->processId()), SIGKILL);
            QVERIFY(p->waitForFinished());
            changes += int(p->readAllStandardOutput().count('\n'));
            delete p;
            everythingReadsBack(u"run "_s + QString::number(run));
            if (QTest::currentTestFailed()) return;
        }
        qInfo("%d programs killed after %d changes to the register between them", runs, changes);
    }

    // Two programs saving 40 worksheets each into the folder at the same time: all 80 are listed.
    void twoCopiesAtOnce() {
        QProcess* one = worker({u"--add"_s, dir_.path(), u"First "_s, u"40"_s});
        QProcess* two = worker({u"--add"_s, dir_.path(), u"Second "_s, u"40"_s});
        QVERIFY(one->waitForFinished(60000) && two->waitForFinished(60000));
        QCOMPARE(one->exitCode(), 0);
        QCOMPARE(two->exitCode(), 0);
        const QStringList names = registered(dir_.path());
        QCOMPARE(names.size(), kept_.size() + 80);
        for (int i = 1; i <= 40; ++i)
            QVERIFY(names.contains(u"First "_s + QString::number(i)) &&
                    names.contains(u"Second "_s + QString::number(i)));
        everythingReadsBack(u"two copies"_s);
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == u"--churn") return churn(args.value(2), args.value(3).toUInt());
    if (args.value(1) == u"--add") return add(args.value(2), args.value(3), args.value(4).toInt());
    TestRegisterSafety test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_register_safety.moc"
