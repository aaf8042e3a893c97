#include <QPointer>
#include <QTest>

#include "grey.h"
#include "screens.h"
#include "test_program.h"

using namespace bt;
using namespace bt::test;

// Two screens of the program stand in for any: A is shown by name, B opened with a value (its caption).
constexpr ScreenName kA = screen::kWizard;
constexpr ScreenName kB = screen::kTeacher;

class TestScreens : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> t_;

    Screens& screens() { return t_->program().screens(); }
    Grey& grey() { return t_->program().grey(); }
    static ScreenRegistry::Make probe(ScreenName name, const QString& caption) {
        return [name, caption](QWidget* p) {
            auto* s = new Screen(name.text(), p);
            setupform(s);
            s->setWindowTitle(caption);
            return s;
        };
    }
    void openB(const QString& caption) { screens().open(kB, probe(kB, caption)); }
    QWidget* inFront() { return grey().childAt(grey().rect().center()); }

  private Q_SLOTS:
    void init() {
        t_ = std::make_unique<TestProgram>();
        screens().define(kA, [](Context&, QWidget* p) { return probe(kA, QStringLiteral("A"))(p); });
        grey().show();
        QVERIFY(QTest::qWaitForWindowExposed(&grey()));
    }
    void cleanup() { t_.reset(); }

    // Built once until unloaded; the window's caption is the top screen's, and follows it.
    void lifeAndStacking() {
        screens().show(kA);
        screens().prepare(kB, probe(kB, QStringLiteral("B")));
        QPointer<QWidget> b = screens().loaded(kB);
        QVERIFY(b && !b->isVisible());  // prepared: loaded, not shown
        QCOMPARE(screens().topMost(), kA);
        openB(QStringLiteral("another value"));  // a loaded screen is only brought to the front
        QCOMPARE(screens().loaded(kB), b.data());
        QCOMPARE(inFront(), b.data());
        QCOMPARE(grey().windowTitle(), QStringLiteral("B"));
        b->setWindowTitle(QStringLiteral("Renamed"));
        QCOMPARE(grey().windowTitle(), QStringLiteral("Renamed"));
        screens().show(kA);  // shown again: to the top
        QCOMPARE(screens().topMost(), kA);
        screens().hide(kA);
        QCOMPARE(screens().topMost(), kB);
        QVERIFY(screens().isLoaded(kA));
        screens().unload(kB);
        settle();
        QVERIFY(b.isNull() && !screens().isLoaded(kB));
        openB(QStringLiteral("B again"));  // built afresh from the value
        QCOMPARE(grey().windowTitle(), QStringLiteral("B again"));
    }

    // The screens fill the largest 4:3 area of the window, centred, never below their design size.
    void screensFillTheWindowAndF11SwitchesFullScreen_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QRect>("screen");
        QTest::newRow("as designed") << QSize(800, 600) << QRect(0, 0, 800, 600);
        QTest::newRow("taller") << QSize(1280, 1024) << QRect(0, 32, 1280, 960);
        QTest::newRow("wide") << QSize(1920, 1080) << QRect(240, 0, 1440, 1080);
        QTest::newRow("smaller") << QSize(700, 500) << QRect(-50, -50, 800, 600);
    }
    void screensFillTheWindowAndF11SwitchesFullScreen() {
        QFETCH(QSize, window);
        QFETCH(QRect, screen);
        screens().show(kA);
        QWidget* a = screens().loaded(kA);
        QCOMPARE(a->geometry(), QRect(0, 0, 800, 600));
        grey().setMinimumSize(0, 0);
        grey().resize(window);
        QTRY_COMPARE(a->geometry(), screen);
        QCOMPARE(grey().curtain()->size(), window);
        QTest::keyClick(a, Qt::Key_F11);  // reaches the window from a screen
        QVERIFY(grey().windowState() & Qt::WindowFullScreen);
        QTest::keyClick(&grey(), Qt::Key_F11);
        QVERIFY(!(grey().windowState() & Qt::WindowFullScreen));
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
