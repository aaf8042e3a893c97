#include "content_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace bt {

namespace {

// Finds the entry of dir that matches name, exactly or else ignoring case; the name itself if none does.
QString matchComponent(const QString& dir, const QString& name) {
    if (QFileInfo::exists(dir + QLatin1Char('/') + name)) return name;
    const QStringList entries = QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    return name;
}

bool folderIsWritable(const QString& folder) {
    const QFileInfo dir(folder);
    if (!dir.isDir() || !dir.isWritable()) return false;
    const QFileInfo reg(folder + QLatin1String("/track.txt"));
    return !reg.exists() || reg.isWritable();
}

// Copies the shipped worksheets and register into a user folder, never over a file already there.
void seedWorksheetFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    const QStringList files = QDir(from).entryList(QDir::Files);
    for (const QString& file : files) {
        const QString target = to + QLatin1Char('/') + file;
        if (!QFileInfo::exists(target)) QFile::copy(from + QLatin1Char('/') + file, target);
    }
}

}  // namespace

ContentPaths::ContentPaths(QString contentRoot, QString worksheetFolder)
    : root_(std::move(contentRoot)), worksheets_(std::move(worksheetFolder)) {}

ContentPaths ContentPaths::locate(const QString& appDir, const QString& chosenFolder) {
    QString root = appDir + QLatin1String("/content");
    const QString installed = QDir::cleanPath(appDir + QLatin1String("/../share/brambleton"));
    const bool isInstalled = !QFileInfo(root).isDir() && QFileInfo(installed).isDir();
    if (isInstalled) root = installed;

    if (!chosenFolder.isEmpty()) return withUserWorksheets(root, chosenFolder);
    const QString shipped = root + QLatin1Char('/') + matchComponent(root, QStringLiteral("multiple"));
    if (!isInstalled && folderIsWritable(shipped)) return ContentPaths(root, shipped);

    return withUserWorksheets(
        root, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1String("/multiple"));
}

ContentPaths ContentPaths::withUserWorksheets(const QString& root, const QString& userFolder) {
    seedWorksheetFolder(root + QLatin1Char('/') + matchComponent(root, QStringLiteral("multiple")),
                        userFolder);
    return ContentPaths(root, userFolder);
}

QString ContentPaths::resolve(const QString& relativePath) const {
    QString path = relativePath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    parts.removeAll(QStringLiteral("."));
    if (parts.isEmpty() || parts.contains(QStringLiteral(".."))) return {};

    QString base = root_;
    if (parts.first().compare(QLatin1String("multiple"), Qt::CaseInsensitive) == 0) {
        base = worksheets_;
        parts.removeFirst();
        if (parts.isEmpty()) return base;
    }
    for (const QString& part : parts) base += QLatin1Char('/') + matchComponent(base, part);
    return base;
}

}  // namespace bt
