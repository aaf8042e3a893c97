#include <QRegularExpression>
#include <QTest>

#include "qt_services.h"

using namespace bt;

// The real player: without a sound device Qt reports the effect ready and "plays" it for ever, so nothing
// here may wait for a sound to end.
class TestSoundModule : public QObject {
    Q_OBJECT
    const ContentPaths paths_{QStringLiteral(BRAMBLETON_SOURCE_CONTENT), QString()};

  private Q_SLOTS:
    void loadsOnFirstPlayAndPlays() {
        QtSound sound(paths_, QStringLiteral(BRAMBLETON_MODULE_DIR));
        QVERIFY(!sound.hasPlayer());  // nothing loaded at start
        sound.preload(QStringLiteral("wav\\click.wav"));
        QVERIFY(sound.hasPlayer());
        sound.play(QStringLiteral("wav\\click.wav"));
        QVERIFY(sound.hasPlayer());
        sound.play(QStringLiteral("wav\\click.wav"));  // again while still "playing"
        sound.play(QStringLiteral("WAV/Click.wav"));
        sound.play(QStringLiteral("wav\\missing.wav"));  // silent, no error
        QTest::qWait(50);
    }

    void noModuleMeansSilence() {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Sound is off")));
        QtSound sound(paths_, QStringLiteral("/nonexistent"));
        sound.play(QStringLiteral("wav\\click.wav"));
        sound.play(QStringLiteral("wav\\click.wav"));  // tried once only: one warning
        QVERIFY(!sound.hasPlayer());
    }
};

QTEST_MAIN(TestSoundModule)
#include "tst_sound_module.moc"
