#include <QDir>
#include <QTest>

#include "authoring_support.h"
#include "intro0.h"
#include "screens.h"
#include "test_program.h"
#include "titlefrm.h"

using namespace bt;
using namespace bt::test;

namespace {
const QString kProblem = kSaveProblem;
}  // namespace

class TestWizard : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> t_;

    wizard* w() { return qobject_cast<wizard*>(t_->screen(screen::kWizard)); }
    QString sheet(const QString& title) {
        return t_->worksheets() + QLatin1Char('/') + title + QStringLiteral(".txt");
    }
    QString reg() { return t_->worksheets() + QStringLiteral("/track.txt"); }

    // Start-up, "OK", then "Multiple Choice Wizard" on the menu.
    void openWizard() {
        QVERIFY(t_->startAtMenu());
        QTest::mouseClick(qobject_cast<intro0*>(t_->screen(screen::kMenu))->entry(17), Qt::LeftButton);
        QVERIFY(w());
        QCOMPARE(t_->screens().topMost(), screen::kWizard);
        t_->sound.played.clear();
    }
    void save() { QTest::mouseClick(w()->button(1), Qt::LeftButton); }
    QStringList messages() { return t_->dialogs.texts(); }

  private Q_SLOTS:
    void init() { t_ = std::make_unique<TestProgram>(); }
    void cleanup() { t_.reset(); }

    void startsEmpty() {
        openWizard();
        QVERIFY(w()->titleBox()->text().isEmpty());
        for (int i = 0; i < 40; ++i)
            QVERIFY(!w()->tickBox(i)->isChecked() && w()->answerBox(i)->text().isEmpty());
        QCOMPARE(w()->titleBox()->maxLength(), 25);
        QCOMPARE(w()->questionBox(9)->maxLength(), 60);
        QCOMPARE(w()->answerBox(39)->maxLength(), 30);
        typeInto(w()->titleBox(), QString(40, u'x'));
        QCOMPARE(w()->titleBox()->text().size(), 25);
    }

    void checks_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("breakWhat");  // 0 nothing; 1 clear everything; 2 Q3 answer C; 3 no tick Q5;
                                             // 4 two ticks Q7; 5 Q8 question blanks only
        QTest::addColumn<QString>("message");
        QTest::newRow("empty title first, even with every question empty")
            << QString() << 1 << QStringLiteral("You have not chosen a title for your worksheet");
        QTest::newRow("question 3 with answer C empty and D ticked")
            << QStringLiteral("Sheet") << 2 << QStringLiteral("You have not completed Question 3");
        QTest::newRow("no tick") << QStringLiteral("Sheet") << 3
                                 << QStringLiteral("You have not ticked the correct answer for Question 5");
        QTest::newRow("two ticks") << QStringLiteral("Sheet") << 4
                                   << QStringLiteral(
                                          "You have ticked more than one correct answer for Question 7");
        QTest::newRow("blanks count as filled") << QStringLiteral("Sheet") << 5 << kSaved;
        QTest::newRow("slash in title")
            << QStringLiteral("Plants/Animals") << 0
            << QStringLiteral("A worksheet title cannot contain any of these characters");
        QTest::newRow("leading blank")
            << QStringLiteral(" Plants") << 0
            << QStringLiteral("A worksheet title cannot begin or end with a space");
        QTest::newRow("trailing blank")
            << QStringLiteral("Plants ") << 0
            << QStringLiteral("A worksheet title cannot begin or end with a space");
        QTest::newRow("climbing out")
            << QStringLiteral("../evil") << 0
            << QStringLiteral("A worksheet title cannot contain any of these characters");
        QTest::newRow("two dots") << QStringLiteral("..") << 0
                                  << QStringLiteral("A worksheet title needs letters");
        QTest::newRow("the register's name")
            << QStringLiteral("TRACK") << 0 << QStringLiteral("The title \"TRACK\"");
        QTest::newRow("question mark")
            << QStringLiteral("Why?") << 0
            << QStringLiteral("A worksheet title cannot contain any of these characters");
    }
    void checks() {
        QFETCH(QString, title);
        QFETCH(int, breakWhat);
        QFETCH(QString, message);
        openWizard();
        const QStringList before = QDir(t_->worksheets()).entryList(QDir::Files);
        if (breakWhat != 1) typeWorksheet(w(), title.isEmpty() ? QStringLiteral("x") : title);
        typeInto(w()->titleBox(), title);
        if (breakWhat == 2) {
            typeInto(w()->answerBox(4 * 2 + 2), QString());
            QTest::mouseClick(w()->tickBox(4 * 2 + 3), Qt::LeftButton, {}, QPoint(5, 8));
        }
        if (breakWhat == 3) QTest::mouseClick(w()->tickBox(4 * 4 + 0), Qt::LeftButton, {}, QPoint(5, 8));
        if (breakWhat == 4) QTest::mouseClick(w()->tickBox(4 * 6 + 0), Qt::LeftButton, {}, QPoint(5, 8));
        if (breakWhat == 5) typeInto(w()->questionBox(7), QStringLiteral("   "));
        save();
        QCOMPARE(messages().size(), 1);
        QVERIFY2(messages().first().startsWith(message), qPrintable(messages().first()));
        QCOMPARE(t_->sound.played, QStringList{QStringLiteral("wav\\click.wav")});  // after the message
        if (message != kSaved)
            QCOMPARE(QDir(t_->worksheets()).entryList(QDir::Files), before);  // nothing written
    }

    void saveWritesTheFileByteForByte() {
        openWizard();
        typeWorksheet(w(), QStringLiteral("Plants, pots & soil"));
        typeInto(w()->questionBox(0), QStringLiteral("Roots, stems or leaves?"));
        typeInto(w()->answerBox(1), QStringLiteral("Salt & pepper"));
        save();
        QCOMPARE(messages(), QStringList{kSaved});
        QByteArray expected =
            "Plants& pots & soil\r\n \r\nRoots& stems or leaves?\r\nAnswer 1A\r\nSalt & pepper\r\n"
            "Answer 1C\r\nAnswer 1D\r\n1\r\n \r\n";
        for (int q = 2; q <= 10; ++q) {
            expected += "Question number " + QByteArray::number(q) + "?\r\n";
            for (char j : {'A', 'B', 'C', 'D'}) expected += "Answer " + QByteArray::number(q) + j + "\r\n";
            expected += QByteArray::number((q - 1) % 4 + 1) + "\r\n \r\n";
        }
        QCOMPARE(fileBytes(sheet(QStringLiteral("Plants, pots & soil"))), expected);
        QCOMPARE(fileBytes(reg()), QByteArray(" 1 \r\n\"Plants, pots & soil\"\r\n"));
        // The wizard stays open with its contents.
        QCOMPARE(t_->screens().topMost(), screen::kWizard);
        QCOMPARE(w()->titleBox()->text(), QStringLiteral("Plants, pots & soil"));
    }

    void savingTwiceAndUnderNewTitles() {
        openWizard();
        typeWorksheet(w(), QStringLiteral("Minibeasts"));
        save();
        typeInto(w()->questionBox(4), QStringLiteral("Changed question?"));
        save();
        QCOMPARE(fileBytes(reg()), QByteArray(" 1 \r\nMinibeasts\r\n"));
        QVERIFY(fileBytes(sheet(QStringLiteral("Minibeasts"))).contains("Changed question?"));
        typeInto(w()->titleBox(), QStringLiteral("minibeasts"));  // another name: letter case counts
        save();
        typeInto(w()->titleBox(), QStringLiteral("Pond life"));
        save();
        QCOMPARE(fileBytes(reg()), QByteArray(" 3 \r\nMinibeasts\r\nminibeasts\r\nPond life\r\n"));
        QVERIFY(QFile::exists(sheet(QStringLiteral("Minibeasts"))));
        QVERIFY(QFile::exists(sheet(QStringLiteral("minibeasts"))));
        QCOMPARE(messages(), (QStringList{kSaved, kSaved, kSaved, kSaved}));
    }

    void nonLatinTextSurvives() {
        openWizard();
        typeWorksheet(w(), QStringLiteral("Łąka i staw"));
        typeInto(w()->questionBox(0), QStringLiteral("Gdzie żyje żaba?"));
        save();
        QCOMPARE(messages(), QStringList{kSaved});
        SharedValues m;
        QVERIFY(readWorksheetFile(sheet(QStringLiteral("Łąka i staw")), m));
        QCOMPARE(m.questtext[1], QStringLiteral("Gdzie żyje żaba?"));
        QVERIFY(readRegister(reg(), m));
        QCOMPARE(m.worksheetnames[1], QStringLiteral("Łąka i staw"));
    }

    void fullRegisterRefusesTheNextName() {
        writeRegisterOf(reg(), 1000);
        const QByteArray full = fileBytes(reg());
        openWizard();
        typeWorksheet(w(), QStringLiteral("Sheet 1001"));
        save();
        QCOMPARE(messages(), QStringList{kProblem});
        QCOMPARE(fileBytes(reg()), full);
        QVERIFY(QFile::exists(sheet(QStringLiteral("Sheet 1001"))));  // the file written first stays
    }

    void missingRegister() {
        QVERIFY(QFile::remove(reg()));
        openWizard();
        typeWorksheet(w(), QStringLiteral("Orphan"));
        save();
        QCOMPARE(messages(), QStringList{kProblem});
        QVERIFY(QFile::exists(sheet(QStringLiteral("Orphan"))));
        QVERIFY(!QFile::exists(reg()));
    }

    void enterMovesOn() {
        openWizard();
        auto enterIn = [](QWidget* box) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Return);
        };
        enterIn(w()->titleBox());
        QCOMPARE(QApplication::focusWidget(), w()->questionBox(0));
        enterIn(w()->questionBox(0));
        QCOMPARE(QApplication::focusWidget(), w()->answerBox(0));
        enterIn(w()->answerBox(0));
        QCOMPARE(QApplication::focusWidget(), w()->answerBox(1));
        enterIn(w()->answerBox(3));
        QCOMPARE(QApplication::focusWidget(), w()->questionBox(1));
        enterIn(w()->answerBox(22));
        QCOMPARE(QApplication::focusWidget(), w()->answerBox(23));
        enterIn(w()->answerBox(39));  // the last box: Enter does nothing
        QCOMPARE(QApplication::focusWidget(), w()->answerBox(39));
        QVERIFY(w()->answerBox(39)->text().isEmpty());  // Enter adds nothing to the text
    }

    void tabOrder() {
        openWizard();
        auto tabFrom = [](QWidget* box) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Tab);
            return QApplication::focusWidget();
        };
        QCOMPARE(tabFrom(w()->titleBox()), w()->questionBox(0));
        QCOMPARE(tabFrom(w()->questionBox(0)), w()->answerBox(0));
        QCOMPARE(tabFrom(w()->answerBox(3)), w()->questionBox(1));
        QCOMPARE(tabFrom(w()->answerBox(19)), w()->questionBox(5));
        QCOMPARE(tabFrom(w()->answerBox(39)), w()->tickBox(0));
    }

    void exitWithoutAsking() {
        openWizard();
        typeWorksheet(w(), QStringLiteral("Unsaved"));
        QTest::mouseClick(w()->button(0), Qt::LeftButton);
        settle();
        QVERIFY(!t_->screens().isLoaded(screen::kWizard));
        QCOMPARE(t_->screens().topMost(), screen::kMenu);
        QVERIFY(messages().isEmpty());
        QVERIFY(!QFile::exists(sheet(QStringLiteral("Unsaved"))));
        QCOMPARE(t_->sound.played, QStringList{QStringLiteral("wav\\click.wav")});
    }
};

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
