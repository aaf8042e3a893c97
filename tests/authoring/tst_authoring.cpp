#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "test_program.h"
#include "worksheet_files.h"

using namespace bt;
using namespace bt::test;
using namespace Qt::StringLiterals;

namespace {
const QString kSaved = QStringLiteral("Your worksheet has been saved.");
const QString kProblem = QStringLiteral("There was a problem saving your worksheet");
const QString kCorrupted = QStringLiteral("This worksheet seems to be corrupted.");
}  // namespace

class TestAuthoring : public ProgramTest {
    Q_OBJECT

    QLineEdit* box(const char* name, int index = -1) {
        return t_->find<QLineEdit>(kWizard, QString::fromLatin1(name), index);
    }
    QCheckBox* tickBox(int i) { return t_->find<QCheckBox>(kWizard, "Check1", i); }
    QString sheet(const QString& title) {
        return t_->worksheets() + QLatin1Char('/') + title + QStringLiteral(".txt");
    }
    QByteArray reg() { return fileBytes(t_->worksheets() + QStringLiteral("/track.txt")); }

    void openWizard() {
        QVERIFY(t_->startAtMenu());
        QVERIFY(t_->click(kMenu, "Label2", 17));
        QCOMPARE(t_->top(), kWizard);
        t_->sound.played.clear();
    }
    // Types into a box the way a teacher does: click into it, clear it, then the keys.
    void typeInto(QLineEdit* edit, const QString& text) {
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
        }
    }
    void tick(int i) { QTest::mouseClick(tickBox(i), Qt::LeftButton, {}, QPoint(5, 8)); }
    // Fills every box and ticks answer (q % 4) of question q (0..9).
    void typeWorksheet(const QString& title) {
        typeInto(box("Text1"), title);
        for (int q = 0; q < 10; ++q) {
            typeInto(box("Text2", q), QStringLiteral("Question number %1?").arg(q + 1));
            for (int j = 0; j < 4; ++j)
                typeInto(box("Text3", 4 * q + j),
                         QStringLiteral("Answer %1%2").arg(q + 1).arg(QChar(u'A' + j)));
            if (!tickBox(4 * q + q % 4)->isChecked()) tick(4 * q + q % 4);
        }
    }
    bool save() { return t_->click(kWizard, "Label3", 1); }
    bool exitWizard() { return t_->click(kWizard, "Label3", 0); }

    void openCatalogue() {
        QVERIFY(t_->startAtMenu());
        QVERIFY(t_->click(kMenu, "Label2", 18));
        t_->sound.played.clear();
    }
    QStringList shownNames() {
        QStringList names;
        for (int i = 1; i <= 24; ++i)
            if (t_->shown(kCatalogue, "Label2", i)) names << t_->text(kCatalogue, "Label2", i);
        return names;
    }
    bool pageLink(int i) { return t_->click(kCatalogue, "Label3", i); }
    bool linkShown(int i) { return t_->shown(kCatalogue, "Label3", i); }
    bool tickCatalogue(const char* name) { return t_->click(kCatalogue, QString::fromLatin1(name)); }

  private Q_SLOTS:
    void wizardStartsEmptyWithItsLimits() {
        openWizard();
        for (int i = 0; i < 40; ++i) QVERIFY(!tickBox(i)->isChecked() && box("Text3", i)->text().isEmpty());
        typeInto(box("Text1"), QString(40, u'x'));
        typeInto(box("Text2", 9), QString(70, u'x'));
        typeInto(box("Text3", 39), QString(40, u'x'));
        QCOMPARE(box("Text1")->text().size(), 25);
        QCOMPARE(box("Text2", 9)->text().size(), 60);
        QCOMPARE(box("Text3", 39)->text().size(), 30);
        // Exit asks nothing and keeps nothing.
        const QStringList before = QDir(t_->worksheets()).entryList(QDir::Files);
        QVERIFY(exitWizard());
        QVERIFY(!t_->screen(kWizard));
        QCOMPARE(t_->top(), kMenu);
        QVERIFY(t_->dialogs.texts().isEmpty());
        QCOMPARE(QDir(t_->worksheets()).entryList(QDir::Files), before);
        QCOMPARE(t_->sound.played, QStringList{kClick});
    }

    void checks_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>(
            "breakWhat");  // 0 nothing; 1 every box empty; 2 Q3 answer C empty and D ticked;
                           // 3 no tick on Q5; 4 two ticks on Q7; 5 Q8's question only blanks
        QTest::addColumn<QString>("message");
        QTest::newRow("empty title first, even with every box empty")
            << QString() << 1 << QStringLiteral("You have not chosen a title for your worksheet");
        QTest::newRow("an empty answer")
            << QStringLiteral("Sheet") << 2 << QStringLiteral("You have not completed Question 3");
        QTest::newRow("no tick") << QStringLiteral("Sheet") << 3
                                 << QStringLiteral("You have not ticked the correct answer for Question 5");
        QTest::newRow("two ticks") << QStringLiteral("Sheet") << 4
                                   << QStringLiteral(
                                          "You have ticked more than one correct answer for Question 7");
        QTest::newRow("blanks count as filled") << QStringLiteral("Sheet") << 5 << kSaved;
        // One title the file system cannot hold: the title rules themselves are the worksheet files' own.
        QTest::newRow("a title that climbs out of the folder")
            << QStringLiteral("../evil") << 0
            << QStringLiteral("A worksheet title cannot contain any of these characters");
    }
    void checks() {
        QFETCH(QString, title);
        QFETCH(int, breakWhat);
        QFETCH(QString, message);
        openWizard();
        const QStringList before = QDir(t_->worksheets()).entryList(QDir::Files);
        if (breakWhat != 1) typeWorksheet(QStringLiteral("x"));
        typeInto(box("Text1"), title);
        if (breakWhat == 2) {
            typeInto(box("Text3", 4 * 2 + 2), QString());
            tick(4 * 2 + 3);
        }
        if (breakWhat == 3) tick(4 * 4 + 0);
        if (breakWhat == 4) tick(4 * 6 + 0);
        if (breakWhat == 5) typeInto(box("Text2", 7), QStringLiteral("   "));
        QVERIFY(save());
        QCOMPARE(t_->dialogs.texts().size(), 1);
        QVERIFY2(t_->dialogs.texts().first().startsWith(message), qPrintable(t_->dialogs.texts().first()));
        QCOMPARE(t_->sound.played, QStringList{kClick});  // after the message
        if (message != kSaved)
            QCOMPARE(QDir(t_->worksheets()).entryList(QDir::Files), before);  // nothing written
    }

    // The bytes: texts as earlier versions wrote them, but for those that need quotes to read back whole,
    // which the spare record after the title ("2") announces.
    void saveWritesTheFileByteForByte() {
        openWizard();
        typeWorksheet(QStringLiteral("Plants, pots & soil"));
        typeInto(box("Text2", 0), QStringLiteral("Roots, stems or leaves?"));
        typeInto(box("Text3", 1), QStringLiteral("Salt & pepper"));
        QVERIFY(save());
        QCOMPARE(t_->dialogs.texts(), QStringList{kSaved});
        QByteArray expected =
            "\"Plants, pots & soil\"\r\n2\r\nRoots& stems or leaves?\r\nAnswer 1A\r\n\"Salt & pepper\"\r\n"
            "Answer 1C\r\nAnswer 1D\r\n1\r\n \r\n";
        for (int q = 2; q <= 10; ++q) {
            expected += "Question number " + QByteArray::number(q) + "?\r\n";
            for (char j : {'A', 'B', 'C', 'D'}) expected += "Answer " + QByteArray::number(q) + j + "\r\n";
            expected += QByteArray::number((q - 1) % 4 + 1) + "\r\n \r\n";
        }
        QCOMPARE(fileBytes(sheet(QStringLiteral("Plants, pots & soil"))), expected);
        QCOMPARE(reg(), QByteArray(" 1 \r\n\"Plants, pots & soil\"\r\n"));
        QCOMPARE(t_->top(), kWizard);  // the wizard stays open with its contents
        QCOMPARE(box("Text1")->text(), QStringLiteral("Plants, pots & soil"));
    }

    // What a teacher types comes back exactly from the saved worksheet, or is refused or changed where the
    // teacher sees it, with a message naming the question, and nothing is saved that time. The box: the
    // title ("Text1"), question 3 ("Text2" 2) or its answer B ("Text3" 9).
    void typedTextsRoundTrip_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");  // kSaved: kept exactly
        QTest::addColumn<QString>("becomes");  // what the box then shows
        const auto row = [](const char* what, const char* name, int index, const QString& typed,
                            const QString& message, const QString& becomes) {
            QTest::newRow(what) << QString::fromLatin1(name) << index << typed << message << becomes;
        };
        const QString q3 = QStringLiteral("Question 3 had ");
        for (const auto& [what, text] :
             {std::pair("comma and ampersand", u"Salt & pepper, please"_s),
              std::pair("leading blank", u" Roots"_s), std::pair("blanks only", u"   "_s),
              std::pair("quote inside", u"The \"root\" hairs"_s),
              std::pair("beyond Windows-1252", u"Gdzie żyje żaba?"_s)}) {
            row(qPrintable(u"answer: "_s + QLatin1String(what)), "Text3", 9, text, kSaved, text);
            row(qPrintable(u"question: "_s + QLatin1String(what)), "Text2", 2, text, kSaved, text);
        }
        row("title: comma and ampersand", "Text1", 0, u"Plants, pots & soil"_s, kSaved,
            u"Plants, pots & soil"_s);
        row("answer: line break", "Text3", 9, u"Roots\nor stems"_s,
            q3 + u"a line break in it, which has been changed to a space. Please check it and save again."_s,
            u"Roots or stems"_s);
        row("question: line break", "Text2", 2, u"Which part\r\nof a plant?"_s,
            q3 + u"a line break in it, which has been changed to a space. Please check it and save again."_s,
            u"Which part of a plant?"_s);
        row("answer: leading double quote", "Text3", 9, u"\"Roots\" they say"_s,
            q3 + u"double quotes that a worksheet cannot keep there, which have been changed to “ and ”. "
                 u"Please "
                 "check it and save again."_s,
            u"“Roots” they say"_s);
        row("answer: unpaired surrogate", "Text3", 9, u"Roots"_s + QChar(0xD83D),
            q3 +
                u"a character that cannot be saved, which has been taken out. Please check it and save again."_s,
            u"Roots"_s);
        row("title: unpaired surrogate", "Text1", 0, u"Pond"_s + QChar(0xDC00),
            u"This worksheet title holds a character that cannot be saved. Please retype the title."_s,
            u"Pond"_s + QChar(0xDC00));
        row("title: invisible only", "Text1", 0, QString(3, QChar(0x200B)),
            u"A worksheet title needs letters or numbers. Please change the title."_s,
            QString(3, QChar(0x200B)));
    }
    void typedTextsRoundTrip() {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, becomes);
        openWizard();
        typeWorksheet(QStringLiteral("Pond life"));
        QLineEdit* typedInto = box(qPrintable(name), index);
        typedInto->setText(typed);  // typed or pasted: line breaks and broken characters come by pasting
        const QString title = box("Text1")->text();
        QVERIFY(save());
        QCOMPARE(t_->dialogs.texts(), QStringList{message});
        QCOMPARE(typedInto->text(), becomes);
        if (message != kSaved) {
            QVERIFY(!QFile::exists(sheet(title)));
            return;
        }
        const std::optional<Worksheet> read = readWorksheetFile(sheet(title));
        QVERIFY(read);
        QCOMPARE(read->title, title);
        QCOMPARE(name == u"Text2"   ? read->questions[2].text
                 : name == u"Text3" ? read->questions[2].answers[1]
                                    : read->title,
                 typed);
    }

    // Saving under a title that is there already asks first, and only Yes replaces it; the wizard's own
    // worksheet, once saved or opened for editing, is saved again without asking.
    void replacingAsks() {
        QVERIFY(t_->addWorksheets({QStringLiteral("Pond life")}));
        const QByteArray before = fileBytes(sheet(QStringLiteral("Pond life")));
        openWizard();
        typeWorksheet(QStringLiteral("Pond life"));
        QVERIFY(save());  // no answer: No
        QCOMPARE(t_->dialogs.texts(),
                 QStringList{QStringLiteral("A worksheet called \"Pond life\" already exists. Replace it?")});
        QCOMPARE(fileBytes(sheet(QStringLiteral("Pond life"))), before);
        t_->dialogs.answers = {true};
        QVERIFY(save() && save());  // Yes, then its own: not asked again
        QCOMPARE(t_->dialogs.texts().mid(1), (QStringList{t_->dialogs.texts()[0], kSaved, kSaved}));
        QVERIFY(fileBytes(sheet(QStringLiteral("Pond life"))) != before);
        t_->dialogs.shown.clear();
        typeInto(box("Text1"), QStringLiteral("Parts of a Plant"));  // a topic's own quiz
        QVERIFY(save());
        QCOMPARE(t_->dialogs.texts(), QStringList{QStringLiteral(
                                          "A worksheet called \"Parts of a Plant\" already exists. It is the "
                                          "quiz of the topic \"Parts of a Plant\". Replace it?")});
        QCOMPARE(fileBytes(sheet(QStringLiteral("Parts of a Plant"))),
                 fileBytes(sourceContent() + QStringLiteral("/multiple/Parts of a Plant.txt")));
    }

    void savingTwiceAndUnderNewTitles() {
        openWizard();
        typeWorksheet(QStringLiteral("Minibeasts"));
        QVERIFY(save());
        typeInto(box("Text2", 4), QStringLiteral("Changed question?"));
        QVERIFY(save());
        QVERIFY(fileBytes(sheet(QStringLiteral("Minibeasts"))).contains("Changed question?"));
        typeInto(box("Text1"), QStringLiteral("minibeasts"));  // another name: letter case counts
        QVERIFY(save());
        typeInto(box("Text1"), QStringLiteral("Łąka i staw"));  // beyond the code page
        typeInto(box("Text2", 0), QStringLiteral("Gdzie żyje żaba?"));
        QVERIFY(save());
        QCOMPARE(t_->dialogs.texts(), (QStringList{kSaved, kSaved, kSaved, kSaved}));
        QVERIFY(exitWizard());
        // What was typed comes back: the catalogue lists it and the quiz shows it.
        QVERIFY(t_->openFromCatalogue(3));
        QCOMPARE(t_->text(kCatalogue, "Label2", 1), QStringLiteral("Minibeasts"));
        QCOMPARE(t_->text(kCatalogue, "Label2", 2), QStringLiteral("minibeasts"));
        QCOMPARE(t_->text(kQuiz, "Label6"), QStringLiteral("Łąka i staw"));
        QCOMPARE(t_->text(kQuiz, "Label2"), QStringLiteral("Gdzie żyje żaba?"));
    }

    // The register's own refusals are the worksheet files' tests; here the one a school meets.
    void fullRegisterRefusesTheNextName() {
        QVERIFY(t_->addWorksheets(sheetNames(1000), false));
        const QByteArray before = reg();
        openWizard();
        typeWorksheet(QStringLiteral("One more"));
        QVERIFY(save());
        QCOMPARE(t_->dialogs.texts(), QStringList{kProblem});
        QCOMPARE(reg(), before);
        QVERIFY(QFile::exists(sheet(QStringLiteral("One more"))));  // the file written first stays
    }

    // A whole worksheet by keyboard alone, from the menu: Enter moves on through the boxes and adds nothing,
    // Tab goes on to the ticks and the buttons. The file is the one the same worksheet typed by pointer
    // makes.
    void aWorksheetByKeyboard() {
        QVERIFY(t_->startAtMenu());
        const auto key = [](Qt::Key k) {
            QTest::keyClick(QApplication::focusWidget(), k);
            settle();
        };
        const auto tabTo = [&key](QWidget* control) {
            for (int i = 0; i < 120 && QApplication::focusWidget() != control; ++i) key(Qt::Key_Tab);
            return QApplication::focusWidget() == control;
        };
        QVERIFY(tabTo(t_->find(kMenu, "Label2", 17)));
        key(Qt::Key_Return);
        QCOMPARE(t_->top(), kWizard);
        const QString title = QStringLiteral("Plants, pots & soil");
        QVERIFY(tabTo(box("Text1")));
        QTest::keyClicks(QApplication::focusWidget(), title);
        for (int q = 0; q < 10; ++q) {
            key(Qt::Key_Return);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Question number %1?").arg(q + 1));
            for (int j = 0; j < 4; ++j) {
                key(Qt::Key_Return);
                QTest::keyClicks(QApplication::focusWidget(),
                                 QStringLiteral("Answer %1%2").arg(q + 1).arg(QChar(u'A' + j)));
            }
        }
        key(Qt::Key_Return);  // the last box: nothing further
        QCOMPARE(QApplication::focusWidget(), box("Text3", 39));
        key(Qt::Key_Tab);
        for (int i = 0; i < 40; ++i) {
            QCOMPARE(QApplication::focusWidget(), tickBox(i));
            if (i % 4 == (i / 4) % 4) key(Qt::Key_Space);
            key(Qt::Key_Tab);
        }
        QVERIFY(tabTo(t_->find(kWizard, "Label3", 1)));  // Save
        key(Qt::Key_Return);
        QCOMPARE(t_->dialogs.texts(), QStringList{kSaved});
        const QByteArray byKeyboard = fileBytes(sheet(title));
        QVERIFY(exitWizard() && t_->click(kMenu, "Label2", 17));
        typeWorksheet(title);
        QVERIFY(save());
        QCOMPARE(byKeyboard, fileBytes(sheet(title)));
    }

    void cataloguePages_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("pages");  // how many pages the links reach
        QTest::addColumn<int>("onLast");
        QTest::newRow("3 on one page") << 3 << 1 << 3;
        QTest::newRow("24 fill one page") << 24 << 1 << 24;
        QTest::newRow("25 need two") << 25 << 2 << 1;
        QTest::newRow("1000: page 42 holds the last 16") << 1000 << 42 << 16;
    }
    void cataloguePages() {
        QFETCH(int, count);
        QFETCH(int, pages);
        QFETCH(int, onLast);
        QVERIFY(t_->addWorksheets(sheetNames(count), false));
        openCatalogue();
        QVERIFY(!t_->screen(kMenu));  // the catalogue replaces the menu
        QCOMPARE(shownNames().first(), QStringLiteral("Sheet 1"));
        QVERIFY(!linkShown(0));
        for (int p = 2; p <= pages; ++p) QVERIFY(pageLink(1));
        QVERIFY(!linkShown(1));
        QCOMPARE(linkShown(0), pages > 1);
        QCOMPARE(t_->text(kCatalogue, "Label4"), QStringLiteral("Page %1").arg(pages));
        QCOMPARE(shownNames().size(), onLast);
        QCOMPARE(shownNames().first(), QStringLiteral("Sheet %1").arg(24 * (pages - 1) + 1));
        QCOMPARE(t_->sound.played.size(), pages - 1);
        if (pages > 1) {
            QVERIFY(pageLink(0));
            QCOMPARE(shownNames().first(), QStringLiteral("Sheet %1").arg(24 * (pages - 2) + 1));
        }
    }

    void deleting_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("confirm");
        QTest::newRow("the third of five") << 5 << 1 << 3 << true;
        QTest::newRow("cancelled") << 3 << 1 << 2 << false;
        QTest::newRow("the only name on page 2") << 25 << 2 << 1 << true;
    }
    void deleting() {
        QFETCH(int, count);
        QFETCH(int, page);
        QFETCH(int, slot);
        QFETCH(bool, confirm);
        QStringList names = sheetNames(count);
        QVERIFY(t_->addWorksheets(names));
        openCatalogue();
        if (page == 2) QVERIFY(pageLink(1));
        QVERIFY(tickCatalogue("Check2"));
        t_->dialogs.answers = {confirm};
        const QString name = t_->text(kCatalogue, "Label2", slot);
        QVERIFY(t_->click(kCatalogue, "Label2", slot));
        QCOMPARE(
            t_->dialogs.texts(),
            QStringList{QStringLiteral("Are you sure that you want to delete the worksheet %1?").arg(name)});
        if (confirm) names.removeOne(name);
        QCOMPARE(reg(), registerBytes(names));
        QCOMPARE(shownNames().size(), (page == 1 ? count : 1) - (confirm ? 1 : 0));
        QVERIFY(QFile::exists(sheet(name)));  // the worksheet file itself stays
        if (page == 2) {
            QCOMPARE(t_->text(kCatalogue, "Label4"), QStringLiteral("Page 2"));
            QVERIFY(pageLink(0));
            QCOMPARE(shownNames().size(), 24);
        }
    }

    void missingWorksheetInEveryMode_data() {
        QTest::addColumn<QString>("mode");
        QTest::newRow("quiz") << QString();
        QTest::newRow("edit") << QStringLiteral("Check1");
        QTest::newRow("delete") << QStringLiteral("Check2");
    }
    void missingWorksheetInEveryMode() {
        QFETCH(QString, mode);
        QVERIFY(t_->addWorksheets(sheetNames(3)));
        QVERIFY(QFile::remove(sheet(QStringLiteral("Sheet 2"))));
        const QByteArray before = reg();
        openCatalogue();
        if (!mode.isEmpty()) QVERIFY(t_->click(kCatalogue, mode));
        t_->sound.played.clear();
        t_->dialogs.answers = {true};
        QVERIFY(t_->click(kCatalogue, "Label2", 2));
        QCOMPARE(t_->dialogs.texts(), QStringList{kCorrupted});
        QCOMPARE(t_->sound.played, QStringList{kClick});  // the click comes first, failure or not
        QVERIFY(t_->top() == kCatalogue && !t_->screen(kQuiz) && !t_->screen(kWizard));
        QCOMPARE(reg(), before);
    }

    // A teacher's day, with the sound off: write a worksheet, find it, let a pupil take it, open it to edit,
    // and back to the menu.
    void teachersDay() {
        openWizard();
        QTest::mouseClick(t_->find(kMenu, "Option2"), Qt::LeftButton);  // Sound Off, on the menu beneath
        typeWorksheet(QStringLiteral("Our pond, Year 4"));
        QVERIFY(save() && exitWizard());
        QVERIFY(t_->click(kMenu, "Label2", 18));
        QCOMPARE(shownNames(), QStringList{QStringLiteral("Our pond, Year 4")});
        QVERIFY(t_->click(kCatalogue, "Label2", 1) && t_->answerQuiz());  // the ticks are the right answers
        QCOMPARE(t_->text(kResults, "Label1"),
                 QStringLiteral("Excellent work. You have scored 10 out of 10."));
        QVERIFY(t_->click(kResults, "Label3", 1));
        QCOMPARE(t_->top(), kCatalogue);

        QVERIFY(tickCatalogue("Check1"));
        QVERIFY(t_->click(kCatalogue, "Label2", 1));
        QCOMPARE(t_->top(), kWizard);
        QCOMPARE(box("Text1")->text(), QStringLiteral("Our pond, Year 4"));
        QCOMPARE(box("Text2", 9)->text(), QStringLiteral("Question number 10?"));
        for (int j = 0; j < 4; ++j) QCOMPARE(tickBox(4 * 2 + j)->isChecked(), j == 2);
        QVERIFY(exitWizard());
        QVERIFY(t_->find<QCheckBox>(kCatalogue, "Check1")->isChecked());  // ticks stay
        QVERIFY(tickCatalogue("Check2"));                                 // the two ticks exclude each other
        QVERIFY(!t_->find<QCheckBox>(kCatalogue, "Check1")->isChecked());
        QVERIFY(t_->sound.played.isEmpty());
        // The catalogue's Exit brings a menu loaded afresh, which switches sound on again.
        QVERIFY(t_->click(kCatalogue, "Label2", 0));
        QCOMPARE(t_->top(), kMenu);
        QVERIFY(!t_->screen(kCatalogue));
        QVERIFY(t_->find<QAbstractButton>(kMenu, "Option1")->isChecked());
        QVERIFY(t_->click(kMenu, "Label2", 17));
        QCOMPARE(t_->sound.played, QStringList{kClick});
    }
};

QTEST_MAIN(TestAuthoring)
#include "tst_authoring.moc"
