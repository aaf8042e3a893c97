// Every kind of screen on windows of three sizes, driven only by the pointer (a finger on the largest) at
// places taken from the 800 x 600 layout: if a control is not where the scaled layout says, the walk goes
// wrong.
#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QRadioButton>
#include <QTest>

#include "grey.h"
#include "picture_box.h"
#include "test_program.h"

using namespace bt;
using namespace bt::test;
using namespace Qt::StringLiterals;

namespace {

// A control's place on its screen in design pixels (800 x 600), and its font's pixel size.
struct Place {
    QRectF box;
    double font;
};
using Layout = QMap<QString, Place>;

// The controls a pupil sees, by name, index and (for look-alikes) their order.
Layout layoutOf(QWidget* screen, double scale) {
    Layout layout;
    for (QWidget* c : screen->findChildren<QWidget*>()) {
        if (c->objectName().isEmpty() || c->objectName().startsWith(u"qt_"_s) || !c->isVisibleTo(screen))
            continue;
        QString key = c->objectName();
        if (c->property("index").isValid()) key += u'/' + QString::number(c->property("index").toInt());
        for (int n = 2; layout.contains(key); ++n) key = key.section(u'#', 0, 0) + u'#' + QString::number(n);
        const QRect r(c->mapTo(screen, QPoint(0, 0)), c->size());
        layout[key] = Place{QRectF(r.x() / scale, r.y() / scale, r.width() / scale, r.height() / scale),
                            c->font().pixelSize() / scale};
    }
    return layout;
}

}  // namespace

class TestDisplay : public ProgramTest {
    Q_OBJECT
    QMap<QString, Layout> designed_;  // each screen's layout on an 800 x 600 window
    double scale_ = 1;
    QString size_;
    QPointingDevice* finger_ = nullptr;  // taps and drags by touch when set, else by the mouse

    Grey& window() { return t_->program().grey(); }

    // A window of that size, the program started on it, and a worksheet in the catalogue.
    bool startAt(QSize size) {
        t_ = std::make_unique<TestProgram>();
        size_ = u"%1x%2"_s.arg(size.width()).arg(size.height());
        scale_ = std::min(size.width() / 800.0, size.height() / 600.0);
        if (!t_->addWorksheets({u"Test sheet"_s}) || !t_->start()) return false;
        window().resize(size);
        return QTest::qWaitFor([&] { return window().size() == size; });
    }

    // Every control of the screen on top is where the design puts it, scaled, with its text to scale.
    void visit(const QString& name) {
        QCOMPARE(t_->top(), name);
        QWidget* screen = t_->screen(name);
        const Layout layout = layoutOf(screen, scale_);
        if (scale_ == 1) designed_[name] = layout;
        const Layout& designed = designed_[name];
        for (auto it = designed.begin(); it != designed.end(); ++it) {
            const Place seen = layout.value(it.key(), {QRectF(-9, -9, 0, 0), 0});
            const QPointF corner = seen.box.topLeft() - it->box.topLeft();
            const QSizeF size = seen.box.size() - it->box.size();
            QVERIFY2(qAbs(corner.x()) <= 1 && qAbs(corner.y()) <= 1 && qAbs(size.width()) <= 1 &&
                         qAbs(size.height()) <= 1 && qAbs(seen.font - it->font) < 1,
                     qPrintable(size_ + u' ' + name + u' ' + it.key() +
                                u" is missing, misplaced or not to scale"_s));
        }
        if (scale_ == 1) reachable(screen);
    }

    // Tab goes round every control a pupil can use, and never leaves the screen; each is, for a screen
    // reader, a named button, option button, tick box or box. Every picture shown is a named graphic.
    void reachable(QWidget* screen) {
        QVERIFY2(!screen->accessibleName().isEmpty(), qPrintable(screen->objectName() + u" has no name"_s));
        for (PictureBox* picture : screen->findChildren<PictureBox*>()) {
            if (!picture->isVisibleTo(screen) || !picture->hasPicture()) continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(picture);
            QVERIFY2(a->role() == QAccessible::Graphic && !a->text(QAccessible::Name).isEmpty(),
                     qPrintable(screen->objectName() + u" has a picture without words"_s));
        }
        QList<QWidget*> controls;
        for (QWidget* c : screen->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<LabelButton*>(c);
            if (c->isVisibleTo(screen) &&
                (label ? label->isActive()
                       : c->inherits("QAbstractButton") || c->inherits("QLineEdit") ||
                             c->inherits("bt::DragLabel")))
                controls << c;
        }
        QSet<QWidget*> reached;
        QWidget* first = nullptr;  // once round, back to the first control Tab reached
        for (int i = 0; i < 200 && (i < 2 || QApplication::focusWidget() != first); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (i == 0) first = QApplication::focusWidget();
            QVERIFY2(screen->isAncestorOf(QApplication::focusWidget()), qPrintable(screen->objectName()));
            reached << QApplication::focusWidget();
        }
        for (QWidget* c : controls) {
            const QString what =
                screen->objectName() + u' ' + c->objectName() + u'/' + c->property("index").toString();
            // Option buttons are one stop for Tab, as the toolkit has it; the arrow keys move among them.
            const bool option = c->inherits("QRadioButton");
            QVERIFY2(reached.contains(c) || (option && std::any_of(reached.begin(), reached.end(),
                                                                   [c](QWidget* r) {
                                                                       return r->inherits("QRadioButton") &&
                                                                              r->parent() == c->parent();
                                                                   })),
                     qPrintable(what + u" is not reached by Tab"_s));
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
            QVERIFY2(a && !a->text(QAccessible::Name).isEmpty(), qPrintable(what + u" has no name"_s));
            QVERIFY2(QSet<QAccessible::Role>({QAccessible::Button, QAccessible::RadioButton,
                                              QAccessible::CheckBox, QAccessible::EditableText})
                         .contains(a->role()),
                     qPrintable(what + u" has no role"_s));
        }
    }

    // Where a control of the design layout is in the window now (its centre, or its indicator's).
    QPoint at(const QString& on, const QString& key) {
        const QRectF box = designed_[on].value(key).box;
        const QWidget* c = t_->find(on, key.section(u'/', 0, 0), key.section(u'/', 1).toInt());
        const bool indicator = c && (c->inherits("QRadioButton") || c->inherits("QCheckBox"));
        const QPointF point = indicator ? QPointF(box.left() + 10, box.center().y()) : box.center();
        return t_->screen(on)->mapTo(&window(), (point * scale_).toPoint());
    }
    void pointTo(QPoint p) {
        QWidget* under = window().childAt(p);
        pointAt(under, under->mapFrom(&window(), p));
    }
    // A click where the pointer is, delivered to whatever is there.
    void tap(const QString& on, const QString& key) {
        const QPoint p = at(on, key);
        QWidget* hit = window().childAt(p);
        const QPointer<QWidget> meant = t_->find(on, key.section(u'/', 0, 0), key.section(u'/', 1).toInt());
        QVERIFY2(hit && meant && (hit == meant || meant->isAncestorOf(hit)),
                 qPrintable(size_ + u" not found where expected: "_s + on + u' ' + key));
        if (finger_) {
            QTest::touchEvent(&window(), finger_).press(0, p);
            QTest::touchEvent(&window(), finger_).release(0, p);
        } else {
            QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(&window(), p));
        }
        if (auto* option = qobject_cast<QRadioButton*>(meant.data())) QVERIFY(option->isChecked());
        settle();
    }
    // The pointer pressed on a board's label, moved in steps to a box and let go.
    void dragOnBoard(const QString& board, int label, int box) {
        const QPoint from = at(board, u"Label2/%1"_s.arg(label));
        const QPoint to = at(board, u"Label1/%1"_s.arg(box));
        QWidget* held = window().childAt(from);
        if (finger_) {
            QTest::touchEvent(&window(), finger_).press(0, from);
            for (int step = 1; step <= 4; ++step)
                QTest::touchEvent(&window(), finger_).move(0, from + (to - from) * step / 4);
            QTest::touchEvent(&window(), finger_).release(0, to);
            return;
        }
        QTest::mousePress(held, Qt::LeftButton, {}, held->mapFrom(&window(), from));
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(held, held->mapFrom(&window(), from + (to - from) * step / 4));
        QTest::mouseRelease(held, Qt::LeftButton, {}, held->mapFrom(&window(), to));
    }

  private Q_SLOTS:
    void everyScreenAtEverySize() {
        // Taps from the title screen through every kind of screen: where, what, and the screen then on top.
        const char* const kWalk[][3] = {
            {"Titlefrm", "Command1", "intro0"},    {"intro0", "Label2/1", "parts"},  // Parts of a Plant
            {"parts", "Label3/0", "multiple"},     {"multiple", "Option1/2", "multiple"},
            {"multiple", "Label3/2", "parts"},     {"parts", "Label3/1", "partslab"},  // Labelling Activity
            {"partslab", "Label3/0", "parts"},     {"parts", "Label3/2", "intro0"},
            {"intro0", "Label2/20", "guide"},      {"guide", "Label3/2", "guide"},      // Next Page
            {"guide", "Label3/1", "intro0"},       {"intro0", "Label2/15", "teacher"},  // Introduction
            {"teacher", "Label3/2", "intro0"},     {"intro0", "Label2/17", "wizard"},
            {"wizard", "Label3/0", "intro0"},      {"intro0", "Label2/18", "worksheets"},
            {"worksheets", "Label2/1", "multiple"}};
        for (const QSize size : {QSize(800, 600), QSize(1280, 1024), QSize(1920, 1080)}) {
            QVERIFY(startAt(size));
            // On the largest window, a whiteboard's: every tap and the drag by a finger.
            finger_ = size.width() == 1920 ? QTest::createTouchDevice() : nullptr;
            QSet<QString> seen;
            for (const auto& [on, key, then] : kWalk) {
                if (!seen.contains(QString::fromLatin1(on))) visit(QString::fromLatin1(on));
                seen << QString::fromLatin1(on);
                if (QLatin1String(on) ==
                    u"intro0"_s) {  // the hover lighting: off on the background, on over an entry
                    pointTo(
                        t_->screen(kMenu)->mapTo(&window(), QPointF(560 * scale_, 420 * scale_).toPoint()));
                    QVERIFY(!t_->find<LabelButton>(kMenu, "Label2", 1)->isLit());
                    pointTo(at(kMenu, u"Label2/1"_s));
                    QVERIFY(t_->find<LabelButton>(kMenu, "Label2", 1)->isLit());
                }
                if (QLatin1String(on) == u"partslab"_s) {  // a label dragged onto its box snaps to it
                    dragOnBoard(u"partslab"_s, 0, 0);
                    QCOMPARE(t_->find(on, "Label2", 0)->pos(), t_->find(on, "Label1", 0)->pos());
                }
                tap(QString::fromLatin1(on), QString::fromLatin1(key));
                QCOMPARE(t_->top(), QString::fromLatin1(then));
            }
            QCOMPARE(t_->text(kQuiz, "Label4"), u"Question 1"_s);
            QVERIFY(t_->answerQuiz({3}));
            QTRY_VERIFY(t_->find<LabelButton>(kResults, "Label3", 1)->isLit());
            visit(kResults);
            tap(kResults, u"Label3/0"_s);  // Check Wrong Answers
            visit(kWrong);
        }
    }
};

QTEST_MAIN(TestDisplay)
#include "tst_display.moc"
