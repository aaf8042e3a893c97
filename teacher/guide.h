#pragma once
// The teacher's guide: ten pages, paged one at a time from page 1. Pages 1 to 3 are text pages (shown from
// wmf, printed from wmf2); pages 4 to 10 are picture pages, one per science topic, with a heading.

#include <QLabel>
#include <array>

#include "label_button.h"
#include "page_view.h"
#include "pictures.h"
#include "screen.h"

namespace bt {

struct Context;

class guide : public Screen {
    Q_OBJECT
  public:
    static constexpr int kPages = 10;

    guide(Context& context, QWidget* parent);
    void load() override;

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
    std::array<LabelButton*, 4> label3_{};  // 0 Print, 1 Exit, 2 Next Page, 3 Previous Page
    ShownPicture windowPicture_;            // the photograph of a picture page, drawn as the background
    int page_ = 1;                          // 1 to 10
};

}  // namespace bt
