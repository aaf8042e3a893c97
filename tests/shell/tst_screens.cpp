#include <QPointer>
#include <QTest>

#include "grey.h"
#include "screens.h"
#include "test_program.h"

using namespace bt;
using namespace bt::test;

namespace {

// Two screens of the program stand in for any.
constexpr ScreenName kA = screen::kWizard;
constexpr ScreenName kB = screen::kGuide;

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
    int loadsA_ = 0;
    int loadsB_ = 0;

    Screens& screens() { return t_->program().screens(); }

  private Q_SLOTS:
    void init() {
        t_ = std::make_unique<TestProgram>();
        loadsA_ = loadsB_ = 0;
        screens().define(kA, [this](Context&, QWidget* p) {
            return new ProbeScreen(kA, QStringLiteral("Caption A"), p, loadsA_);
        });
        screens().define(kB, [this](Context&, QWidget* p) {
            return new ProbeScreen(kB, QStringLiteral("Caption B"), p, loadsB_);
        });
        t_->program().grey().show();
        QVERIFY(QTest::qWaitForWindowExposed(&t_->program().grey()));
    }
    void cleanup() { t_.reset(); }

    void createdOnFirstTouchOnly() {
        QVERIFY(!screens().isLoaded(kA));
        QWidget* first = screens().touch(kA);
        QVERIFY(first);
        QVERIFY(!first->isVisible());  // touching loads, it does not show
        QCOMPARE(loadsA_, 1);
        QCOMPARE(screens().touch(kA), first);
        screens().show(kA);
        QCOMPARE(loadsA_, 1);
        QVERIFY(first->isVisible());
    }

    void unloadDestroysAndTouchRebuilds() {
        screens().show(kA);
        QPointer<QWidget> first = screens().touch(kA);
        screens().unload(kA);
        QVERIFY(!screens().isLoaded(kA));
        settle();
        QVERIFY(first.isNull());
        QWidget* again = screens().touch(kA);
        QVERIFY(again);
        QCOMPARE(loadsA_, 2);  // loading step runs afresh
    }

    void stackingAndCaption() {
        Grey& grey = t_->program().grey();
        screens().show(kA);
        QCOMPARE(grey.windowTitle(), QStringLiteral("Caption A"));
        screens().show(kB);
        QCOMPARE(screens().topMost(), kB);
        QCOMPARE(grey.windowTitle(), QStringLiteral("Caption B"));
        QWidget* b = screens().touch(kB);
        QCOMPARE(grey.childAt(grey.rect().center()), b);
        screens().unload(kB);
        QCOMPARE(screens().topMost(), kA);
        QCOMPARE(grey.windowTitle(), QStringLiteral("Caption A"));
        QCOMPARE(grey.childAt(grey.rect().center()), screens().touch(kA));
        // Showing a screen that is already open brings it to the top.
        screens().show(kB);
        screens().show(kA);
        QCOMPARE(screens().topMost(), kA);
        screens().hide(kA);
        QCOMPARE(screens().topMost(), kB);
        QVERIFY(screens().isLoaded(kA));
    }

    void captionFollowsChanges() {
        screens().show(kA);
        screens().touch(kA)->setWindowTitle(QStringLiteral("Renamed"));
        QCOMPARE(t_->program().grey().windowTitle(), QStringLiteral("Renamed"));
        screens().touch(kB)->setWindowTitle(QStringLiteral("Not on top"));
        QCOMPARE(t_->program().grey().windowTitle(), QStringLiteral("Renamed"));
    }

    void greyComesInFrontOfOpenScreens() {
        Grey& grey = t_->program().grey();
        screens().show(kA);
        screens().showGrey();
        QCOMPARE(grey.childAt(grey.rect().center()), grey.curtain());
        screens().show(kB);
        QCOMPARE(grey.childAt(grey.rect().center()), screens().touch(kB));
        screens().show(kA);  // shown again: in front of the backdrop
        QCOMPARE(grey.childAt(grey.rect().center()), screens().touch(kA));
    }

    void unknownScreenIsNothing() {
        const ScreenName nowhere(ScreenName::Kind::Topic, "nowhere");
        QTest::ignoreMessage(QtWarningMsg, "There is no screen named nowhere");
        QCOMPARE(screens().touch(nowhere), nullptr);
        QTest::ignoreMessage(QtWarningMsg, "There is no screen named nowhere");
        screens().show(nowhere);
        screens().unload(nowhere);
        QCOMPARE(screens().topMost(), ScreenName());
    }

    void screensStayCentredWhenTheWindowGrows() {
        Grey& grey = t_->program().grey();
        screens().show(kA);
        QWidget* a = screens().touch(kA);
        QCOMPARE(a->geometry(), QRect(0, 0, 800, 600));
        grey.resize(1280, 1024);
        QTRY_COMPARE(a->geometry(), QRect(240, 212, 800, 600));
        QTRY_COMPARE(grey.curtain()->size(), QSize(1280, 1024));
    }

    void f11SwitchesFullScreen() {
        Grey& grey = t_->program().grey();
        screens().show(kA);
        QTest::keyClick(screens().touch(kA),
                        Qt::Key_F11);  // reaches the window from a screen
        QVERIFY(grey.windowState() & Qt::WindowFullScreen);
        QTest::keyClick(&grey, Qt::Key_F11);
        QVERIFY(!(grey.windowState() & Qt::WindowFullScreen));
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
