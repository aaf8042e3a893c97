#pragma once
// Files for tests: whole files read and written, and registers as the program writes them.

#include <QDir>
#include <QFile>
#include <QStringList>

namespace bt::test {

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes the file, making its folder first.
inline bool writeFile(const QString& path, const QByteArray& bytes = {}) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// "Sheet 1" to "Sheet n".
inline QStringList sheetNames(int n) {
    QStringList names;
    for (int i = 1; i <= n; ++i) names << QStringLiteral("Sheet %1").arg(i);
    return names;
}

// A register holding these names, a name with a comma in quotes.
inline QByteArray registerBytes(const QStringList& names) {
    QByteArray out = " " + QByteArray::number(names.size()) + " \r\n";
    for (const QString& n : names)
        out += (n.contains(u',') ? '"' + n.toLatin1() + '"' : n.toLatin1()) + "\r\n";
    return out;
}

}  // namespace bt::test
