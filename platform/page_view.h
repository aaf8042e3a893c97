#pragma once
// A text page from a Windows metafile, shown at its own size from the control's top-left corner. A page
// larger than the room the control has (its maximum size) scrolls instead of being cut off or shrunk, so
// its text stays the size it was written at.

#include <QScrollArea>
#include <optional>

#include "metafile.h"

namespace bt {

class ContentPaths;

class PageView : public QScrollArea {
    Q_OBJECT
  public:
    // room: the most the page may cover on its screen, in pixels, from the control's position.
    PageView(const QString& name, QSize room, QWidget* parent);

    // Loads a metafile by relative content path; an empty path clears the page, and a missing or refused
    // file leaves it empty.
    void setPage(const ContentPaths& paths, const QString& relativePath);
    void clear();
    const std::optional<Metafile>& page() const { return page_; }
    bool hasPage() const { return page_.has_value(); }
    // The relative path last loaded (empty when cleared), whether or not it could be read.
    const QString& source() const { return source_; }

  private:
    QSize room_;
    QString source_;
    std::optional<Metafile> page_;
};

}  // namespace bt
