#pragma once
// Helpers shared by the wizard and catalogue tests: typing a whole worksheet into the wizard as a teacher
// would, and registers of many names.

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTest>

#include "context.h"
#include "wizard.h"
#include "worksheet_files.h"

namespace bt::test {

// Types text into a box the way a teacher does: click into it, then the keys.
inline void typeInto(QLineEdit* box, const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(box, char(c.unicode()));
        } else {  // a letter from a keyboard layout beyond ASCII
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(box, &press);
        }
    }
}

// Fills every box and ticks answer (q % 4) of question q (0..9).
inline void typeWorksheet(wizard* w, const QString& title) {
    typeInto(w->titleBox(), title);
    for (int q = 0; q < kQuestions; ++q) {
        typeInto(w->questionBox(q), QStringLiteral("Question number %1?").arg(q + 1));
        for (int j = 0; j < 4; ++j)
            typeInto(w->answerBox(4 * q + j), QStringLiteral("Answer %1%2").arg(q + 1).arg(QChar(u'A' + j)));
        if (!w->tickBox(4 * q + q % 4)->isChecked())
            QTest::mouseClick(w->tickBox(4 * q + q % 4), Qt::LeftButton, {}, QPoint(5, 8));
    }
}

// A register file of n names "Sheet 1" .. "Sheet n".
inline void writeRegisterOf(const QString& path, int n) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QByteArray bytes = " " + QByteArray::number(n) + " \r\n";
    for (int i = 1; i <= n; ++i) bytes += "Sheet " + QByteArray::number(i) + "\r\n";
    f.write(bytes);
}

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace bt::test
