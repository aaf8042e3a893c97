#pragma once
// Where the program's content lives, and how a relative content path ("images\swan1.jpg") becomes a file.
//
// Relative paths may use "\" or "/" and ignore letter case: each component is matched exactly first and,
// when that name is missing, case-insensitively ("Images" finds "images"). Paths that climb out of their
// folder ("..") resolve to nothing. Paths under "multiple" go to the worksheet folder: one chosen by the
// user, or the content's own "multiple" folder when the content is beside the program and that folder is
// writable, or else a folder in the user's data location. A folder other than the content's own is seeded
// from the shipped worksheets.
//
// An installed program never writes below its installed content, even when run by an administrator who
// could: the package manager owns those files.

#include <QString>

namespace bt {

class ContentPaths {
  public:
    ContentPaths() = default;
    ContentPaths(QString contentRoot, QString worksheetFolder);

    // Finds the content beside the program (appDir/content) or in an installed tree
    // (appDir/../share/brambleton), and the worksheet folder: chosenFolder when one is given.
    static ContentPaths locate(const QString& appDir, const QString& chosenFolder = {});

    // Content read from root, worksheets kept in userFolder, which is first seeded with the shipped
    // worksheets and register it does not hold yet (a teacher's files there are never overwritten).
    static ContentPaths withUserWorksheets(const QString& root, const QString& userFolder);

    // The file a relative content path names: the existing file where one matches, otherwise the path
    // as written below its folder (for a file about to be created). Empty for an empty or unsafe path.
    QString resolve(const QString& relativePath) const;

    const QString& root() const { return root_; }
    const QString& worksheetFolder() const { return worksheets_; }

  private:
    QString root_;
    QString worksheets_;
};

}  // namespace bt
