#pragma once
// The teacher's guide: ten pages, paged one at a time. Pages 1 to 3 are text pages (shown from wmf,
// printed from wmf2); pages 4 to 10 are picture pages, one per science topic, with a heading.

#include <QLabel>
#include <array>

#include "label_button.h"
#include "page_view.h"
#include "screen.h"

namespace bt {

struct Context;

class guide : public Screen {
    Q_OBJECT
  public:
    static constexpr int kPages = 10;

    guide(Context& context, QWidget* parent);
    void load() override;

    PageView* image1() const { return image1_; }
    PageView* image2() const { return image2_; }
    LabelButton* button(int index) const { return label3_.at(index); }  // 0 Print, 1 Exit, 2 Next, 3 Previous
    QLabel* counter() const { return label1_; }
    QLabel* heading() const { return label2_; }
    // The screen's window picture (the photograph of a picture page); null when there is none.
    const QImage& windowPicture() const { return windowPicture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Label3_Click(int index);
    void showPage();

    Context& context_;
    QLabel* label2_;
    PageView* image1_;
    PageView* image2_;
    QLabel* label1_;
    std::array<LabelButton*, 4> label3_{};
    QImage windowPicture_;
};

// Opens the guide at page 1.
void openGuide(Context& context);

}  // namespace bt
