#include <QPointer>
#include <QTest>

#include "grey.h"
#include "screens.h"
#include "test_program.h"

using namespace bt;
using namespace bt::test;

namespace {

// Two screens of the program stand in for any: A is shown by name, B opened with a value (its caption).
constexpr ScreenName kA = screen::kWizard;
constexpr ScreenName kB = screen::kTeacher;

// A screen that counts how often it was built and loaded.
class ProbeScreen : public Screen {
  public:
    ProbeScreen(ScreenName name, const QString& caption, QWidget* parent, int& loads)
        : Screen(name.text(), parent), loads_(loads) {
        setWindowTitle(caption);
    }
    void load() override {
        ++loads_;
        setupform(this);
    }

  private:
    int& loads_;
};

}  // namespace

class TestScreens : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> t_;
    int loads_ = 0;

    Screens& screens() { return t_->program().screens(); }
    Grey& grey() { return t_->program().grey(); }
    ScreenRegistry::Make probe(ScreenName name, const QString& caption) {
        return [this, name, caption](QWidget* p) { return new ProbeScreen(name, caption, p, loads_); };
    }
    void openB(const QString& caption) { screens().open(kB, probe(kB, caption)); }

  private Q_SLOTS:
    void init() {
        t_ = std::make_unique<TestProgram>();
        loads_ = 0;
        screens().define(kA,
                         [this](Context&, QWidget* p) { return probe(kA, QStringLiteral("Caption A"))(p); });
        grey().show();
        QVERIFY(QTest::qWaitForWindowExposed(&grey()));
    }
    void cleanup() { t_.reset(); }

    void builtOnceUntilUnloaded() {
        screens().prepare(kB, probe(kB, QStringLiteral("B")));
        QPointer<QWidget> b = screens().loaded(kB);
        QVERIFY(b && !b->isVisible());           // prepared: loaded, not shown
        openB(QStringLiteral("another value"));  // a loaded screen is only brought to the front
        QCOMPARE(screens().loaded(kB), b.data());
        QCOMPARE(b->windowTitle(), QStringLiteral("B"));
        QVERIFY(b->isVisible());
        QCOMPARE(loads_, 1);
        screens().unload(kB);
        QVERIFY(!screens().isLoaded(kB));
        settle();
        QVERIFY(b.isNull());
        openB(QStringLiteral("B"));  // built and loaded afresh
        QCOMPARE(loads_, 2);
    }

    void stackingAndCaption() {
        screens().show(kA);
        QCOMPARE(grey().windowTitle(), QStringLiteral("Caption A"));
        openB(QStringLiteral("Caption B"));
        QCOMPARE(screens().topMost(), kB);
        QCOMPARE(grey().windowTitle(), QStringLiteral("Caption B"));
        QCOMPARE(grey().childAt(grey().rect().center()), screens().loaded(kB));
        screens().loaded(kB)->setWindowTitle(QStringLiteral("Renamed"));  // the caption follows
        QCOMPARE(grey().windowTitle(), QStringLiteral("Renamed"));
        screens().unload(kB);
        QCOMPARE(screens().topMost(), kA);
        QCOMPARE(grey().windowTitle(), QStringLiteral("Caption A"));
        QCOMPARE(grey().childAt(grey().rect().center()), screens().loaded(kA));
        openB(QStringLiteral("Caption B"));
        screens().show(kA);  // shown again: to the top
        QCOMPARE(screens().topMost(), kA);
        screens().hide(kA);
        QCOMPARE(screens().topMost(), kB);
        QVERIFY(screens().isLoaded(kA));
    }

    void screensStayCentredAndF11SwitchesFullScreen() {
        screens().show(kA);
        QWidget* a = screens().loaded(kA);
        QCOMPARE(a->geometry(), QRect(0, 0, 800, 600));
        grey().resize(1280, 1024);
        QTRY_COMPARE(a->geometry(), QRect(240, 212, 800, 600));
        QTRY_COMPARE(grey().curtain()->size(), QSize(1280, 1024));
        QTest::keyClick(a, Qt::Key_F11);  // reaches the window from a screen
        QVERIFY(grey().windowState() & Qt::WindowFullScreen);
        QTest::keyClick(&grey(), Qt::Key_F11);
        QVERIFY(!(grey().windowState() & Qt::WindowFullScreen));
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
