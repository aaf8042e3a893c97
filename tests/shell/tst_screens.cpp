#include <QPointer>
#include <QTest>

#include "grey.h"
#include "screens.h"
#include "test_program.h"

using namespace bt;
using namespace bt::test;

namespace {

// A screen that counts how often it was built and loaded.
class ProbeScreen : public Screen {
  public:
    ProbeScreen(const QString& name, const QString& caption, QWidget* parent, int& loads)
        : Screen(name, parent), loads_(loads) {
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
        screens().define(QStringLiteral("probeA"), [this](Context&, QWidget* p) {
            return new ProbeScreen(QStringLiteral("probeA"), QStringLiteral("Caption A"), p, loadsA_);
        });
        screens().define(QStringLiteral("probeB"), [this](Context&, QWidget* p) {
            return new ProbeScreen(QStringLiteral("probeB"), QStringLiteral("Caption B"), p, loadsB_);
        });
        t_->program().grey().show();
        QVERIFY(QTest::qWaitForWindowExposed(&t_->program().grey()));
    }
    void cleanup() { t_.reset(); }

    void createdOnFirstTouchOnly() {
        QVERIFY(!screens().isLoaded(QStringLiteral("probeA")));
        QWidget* first = screens().touch(QStringLiteral("probeA"));
        QVERIFY(first);
        QVERIFY(!first->isVisible());  // touching loads, it does not show
        QCOMPARE(loadsA_, 1);
        QCOMPARE(screens().touch(QStringLiteral("probeA")), first);
        screens().show(QStringLiteral("probeA"));
        QCOMPARE(loadsA_, 1);
        QVERIFY(first->isVisible());
    }

    void unloadDestroysAndTouchRebuilds() {
        screens().show(QStringLiteral("probeA"));
        QPointer<QWidget> first = screens().touch(QStringLiteral("probeA"));
        screens().unload(QStringLiteral("probeA"));
        QVERIFY(!screens().isLoaded(QStringLiteral("probeA")));
        settle();
        QVERIFY(first.isNull());
        QWidget* again = screens().touch(QStringLiteral("probeA"));
        QVERIFY(again);
        QCOMPARE(loadsA_, 2);  // loading step runs afresh
    }

    void stackingAndCaption() {
        Grey& grey = t_->program().grey();
        screens().show(QStringLiteral("probeA"));
        QCOMPARE(grey.windowTitle(), QStringLiteral("Caption A"));
        screens().show(QStringLiteral("probeB"));
        QCOMPARE(screens().topMost(), QStringLiteral("probeB"));
        QCOMPARE(grey.windowTitle(), QStringLiteral("Caption B"));
        QWidget* b = screens().touch(QStringLiteral("probeB"));
        QCOMPARE(grey.childAt(grey.rect().center()), b);
        screens().unload(QStringLiteral("probeB"));
        QCOMPARE(screens().topMost(), QStringLiteral("probeA"));
        QCOMPARE(grey.windowTitle(), QStringLiteral("Caption A"));
        QCOMPARE(grey.childAt(grey.rect().center()), screens().touch(QStringLiteral("probeA")));
        // Showing a screen that is already open brings it to the top.
        screens().show(QStringLiteral("probeB"));
        screens().show(QStringLiteral("probeA"));
        QCOMPARE(screens().topMost(), QStringLiteral("probeA"));
        screens().hide(QStringLiteral("probeA"));
        QCOMPARE(screens().topMost(), QStringLiteral("probeB"));
        QVERIFY(screens().isLoaded(QStringLiteral("probeA")));
    }

    void captionFollowsChanges() {
        screens().show(QStringLiteral("probeA"));
        screens().touch(QStringLiteral("probeA"))->setWindowTitle(QStringLiteral("Renamed"));
        QCOMPARE(t_->program().grey().windowTitle(), QStringLiteral("Renamed"));
        screens().touch(QStringLiteral("probeB"))->setWindowTitle(QStringLiteral("Not on top"));
        QCOMPARE(t_->program().grey().windowTitle(), QStringLiteral("Renamed"));
    }

    void greyComesInFrontOfOpenScreens() {
        Grey& grey = t_->program().grey();
        screens().show(QStringLiteral("probeA"));
        screens().showGrey();
        QCOMPARE(grey.childAt(grey.rect().center()), grey.curtain());
        screens().show(QStringLiteral("probeB"));
        QCOMPARE(grey.childAt(grey.rect().center()), screens().touch(QStringLiteral("probeB")));
        screens().show(QStringLiteral("probeA"));  // shown again: in front of the backdrop
        QCOMPARE(grey.childAt(grey.rect().center()), screens().touch(QStringLiteral("probeA")));
    }

    void unknownScreenIsNothing() {
        QTest::ignoreMessage(QtWarningMsg, "There is no screen named nowhere");
        QCOMPARE(screens().touch(QStringLiteral("nowhere")), nullptr);
        QTest::ignoreMessage(QtWarningMsg, "There is no screen named nowhere");
        screens().show(QStringLiteral("nowhere"));
        screens().unload(QStringLiteral("nowhere"));
        QVERIFY(screens().topMost().isEmpty());
    }

    void screensStayCentredWhenTheWindowGrows() {
        Grey& grey = t_->program().grey();
        screens().show(QStringLiteral("probeA"));
        QWidget* a = screens().touch(QStringLiteral("probeA"));
        QCOMPARE(a->geometry(), QRect(0, 0, 800, 600));
        grey.resize(1280, 1024);
        QTRY_COMPARE(a->geometry(), QRect(240, 212, 800, 600));
        QTRY_COMPARE(grey.curtain()->size(), QSize(1280, 1024));
    }

    void f11SwitchesFullScreen() {
        Grey& grey = t_->program().grey();
        screens().show(QStringLiteral("probeA"));
        QTest::keyClick(screens().touch(QStringLiteral("probeA")),
                        Qt::Key_F11);  // reaches the window from a screen
        QVERIFY(grey.windowState() & Qt::WindowFullScreen);
        QTest::keyClick(&grey, Qt::Key_F11);
        QVERIFY(!(grey.windowState() & Qt::WindowFullScreen));
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
