#pragma once
// A text page from a Windows metafile, shown at its own size (at the display scale) from the top-left
// corner of its room. A page larger than the room scrolls instead of being cut off or shrunk, so its text
// stays the size it was written at. The page is drawn from the metafile at the scale it is shown at.

#include <QScrollArea>
#include <optional>

#include "metafile.h"
#include "twips.h"

namespace bt {

class ContentPaths;

// Room without bounds, for a page kept only to be printed.
inline constexpr TwipsBox kUnboundedRoom{0, 0, 1 << 22, 1 << 22};

class PageView : public QScrollArea {
    Q_OBJECT
  public:
    // room: where the page sits on its screen and the most it may cover, in twips.
    PageView(const QString& name, const TwipsBox& room, QWidget* parent);

    // Loads a metafile by relative content path; an empty path clears the page, and a missing or refused
    // file leaves it empty.
    void setPage(const ContentPaths& paths, const QString& relativePath);
    void clear();
    const std::optional<Metafile>& page() const { return page_; }
    bool hasPage() const { return page_.has_value(); }
    // The relative path last loaded (empty when cleared), whether or not it could be read.
    const QString& source() const { return source_; }

    // Places and sizes the view again at the display scale.
    void layOut();

  private:
    TwipsBox room_;
    QString source_;
    std::optional<Metafile> page_;
};

}  // namespace bt
