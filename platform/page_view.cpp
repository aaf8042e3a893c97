#include "page_view.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include "content_paths.h"

namespace bt {

namespace {

class PageCanvas : public QWidget {
  public:
    explicit PageCanvas(QWidget* parent) : QWidget(parent) {}
    // The view lays the canvas out (layOut()) once it has its page.
    void setPage(const Metafile* page) { page_ = page; }
    void layOut() {
        resize(page_ ? page_->size() * displayScale() : QSize(0, 0));
        drawn_ = QImage();
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (!page_) return;
        QPainter p(this);
        if (displayScale() == 1.0) {
            page_->draw(p);
            return;
        }
        // Larger, the page is drawn from the metafile once, at the size shown, and kept: its text would
        // otherwise be drawn from the glyphs' outlines on every frame.
        const qreal ratio = devicePixelRatioF();
        if (drawn_.size() != size() * ratio) {
            drawn_ = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
            drawn_.setDevicePixelRatio(ratio);
            drawn_.fill(Qt::transparent);
            QPainter d(&drawn_);
            d.setRenderHint(QPainter::Antialiasing);
            d.scale(displayScale(), displayScale());
            page_->draw(d);
        }
        p.drawImage(QPoint(0, 0), drawn_);
    }

  private:
    const Metafile* page_ = nullptr;
    QImage drawn_;
};

}  // namespace

PageView::PageView(const QString& name, const TwipsBox& room, QWidget* parent)
    : QScrollArea(parent), room_(room) {
    setObjectName(name);
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The screen shows through around and behind the page.
    setAttribute(Qt::WA_TranslucentBackground);
    viewport()->setAutoFillBackground(false);
    setStyleSheet(QString());
    auto* canvas = new PageCanvas(this);
    canvas->setAutoFillBackground(false);
    setWidget(canvas);
    clear();
}

void PageView::clear() {
    page_.reset();
    source_.clear();
    static_cast<PageCanvas*>(widget())->setPage(nullptr);
    layOut();
}

void PageView::setPage(const ContentPaths& paths, const QString& relativePath) {
    page_.reset();
    if (!relativePath.isEmpty()) page_ = Metafile::load(paths.resolve(relativePath));
    if (!page_) {
        clear();
        source_ = relativePath;
        return;
    }
    source_ = relativePath;
    static_cast<PageCanvas*>(widget())->setPage(&*page_);
    layOut();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

void PageView::layOut() {
    const QRect room = room_.shownRect();
    move(room.topLeft());
    if (!page_) {
        resize(0, 0);
        return;
    }
    static_cast<PageCanvas*>(widget())->layOut();
    // As large as the page, within the room; scroll bars take their share when the page does not fit.
    QSize size = widget()->size();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (size.height() > room.height()) size.rwidth() += bar;
    if (size.width() > room.width()) size.rheight() += bar;
    resize(size.boundedTo(room.size()));
}

}  // namespace bt
