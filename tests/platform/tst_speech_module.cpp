#include <sys/prctl.h>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "qt_services.h"

using namespace bt;
using namespace Qt::StringLiterals;

// The real read-aloud module with the flite voice. Qt meets the sound server once per process, so CTest
// runs each function in a process of its own.
class TestSpeechModule : public QObject {
    Q_OBJECT
    const QString modules_ = QStringLiteral(BRAMBLETON_MODULE_DIR);

    // The streams now playing into the sound server.
    static int streams() {
        QProcess pactl;
        pactl.start(u"pactl"_s, {u"list"_s, u"short"_s, u"sink-inputs"_s});
        pactl.waitForFinished();
        return int(pactl.readAllStandardOutput().count('\n'));
    }

  private Q_SLOTS:
    // An engine is installed, but with nowhere to play there is no voice: silent, never an error. Without
    // the module there is no read-aloud at all.
    void withoutASoundDevice() {
        qputenv("PULSE_SERVER", "unix:/nonexistent");
        QtSpeech speech(modules_);
        QVERIFY(!speech.hasReader());  // nothing loaded at start
        QVERIFY(speech.available());
        QVERIFY(!speech.prepare());
        QVERIFY(!speech.available());
        speech.say({u"Nothing is said."_s});
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Read-aloud is off"_s));
        QtSpeech none(u"/nonexistent"_s);
        QVERIFY(!none.available() && !none.prepare());
    }

    // One real utterance through the flite voice into a sound server of the test's own whose only output
    // is a null sink: the speech plays as a stream into it, to its end, and what the sink heard is speech
    // (loud for most of a second at least, where silence or noise of the wrong format would not be).
    void throughFliteToNowhere() {
        QTemporaryDir runtime;
        const QString socket = runtime.path() + u"/pulse/native"_s;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        qputenv("PULSE_SERVER", "unix:" + socket.toLocal8Bit());  // this server, whatever else is running
        QProcess server;
        server.setStandardOutputFile(QProcess::nullDevice());
        server.setStandardErrorFile(QProcess::nullDevice());
        server.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });  // never outlives the test
        server.start(u"pulseaudio"_s,
                     {u"-n"_s, u"--daemonize=no"_s, u"--exit-idle-time=-1"_s, u"--use-pid-file=no"_s, u"-L"_s,
                      u"module-null-sink"_s, u"-L"_s, u"module-native-protocol-unix"_s});
        QVERIFY2(server.waitForStarted(), "pulseaudio is not installed");
        const auto stopServer = qScopeGuard([&server] {
            server.terminate();
            server.waitForFinished();
        });
        QTRY_VERIFY(QFile::exists(socket));
        QProcess heard;
        heard.start(u"parec"_s, {u"--device=null.monitor"_s, u"--raw"_s, u"--format=s16le"_s,
                                 u"--rate=16000"_s, u"--channels=1"_s});
        QVERIFY(heard.waitForStarted());
        QtSpeech speech(modules_);
        QVERIFY(speech.prepare());
        speech.say({u"Roots."_s, u"Leaves."_s});
        QTRY_COMPARE_WITH_TIMEOUT(streams(), 1, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(streams(), 0, 10000);
        heard.terminate();
        heard.waitForFinished();
        const QByteArray pcm = heard.readAllStandardOutput();
        const auto* samples = reinterpret_cast<const qint16*>(pcm.constData());
        const qsizetype loud =
            std::count_if(samples, samples + pcm.size() / 2, [](qint16 s) { return qAbs(int(s)) > 1000; });
        QVERIFY2(loud > 16000 / 4, qPrintable(QString::number(loud)));
    }
};

QTEST_MAIN(TestSpeechModule)
#include "tst_speech_module.moc"
