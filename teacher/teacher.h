#pragma once
// The teacher screen: shows a teacher page (introduction, acknowledgments, key facts, teacher's notes)
// from the wmf folder and holds its print version from wmf2. On the acknowledgments page the publisher's
// logo shows with a small looping animation above it.

#include <QTimer>
#include <array>

#include "label_button.h"
#include "page_view.h"
#include "screen.h"

namespace bt {

struct Context;
class PictureBox;

class teacher : public Screen {
    Q_OBJECT
  public:
    teacher(Context& context, QWidget* parent);
    void load() override;

    // What an opener sets before showing the screen.
    PageView* image1() const { return image1_; }
    PageView* image2() const { return image2_; }
    PictureBox* picture1() const { return picture1_; }
    PictureBox* picture2() const { return picture2_; }
    QTimer* timer1() const { return timer1_; }
    LabelButton* button(int index) const { return index == 0 ? print_ : exit_; }

    // The animation frame's file: "logo\corv0003.gif" for frame 3, "logo\corv0012.gif" for frame 12.
    static QString frameFile(int frame);

  private:
    void Label3_Click(int index);
    void Timer1_Timer();

    Context& context_;
    PageView* image1_;
    PageView* image2_;
    PictureBox* picture1_;
    PictureBox* picture2_;
    LabelButton* print_;
    LabelButton* exit_;
    QTimer* timer1_;
};

// Opens a teacher page: the screen version ("wmf\key parts.wmf") into Image1, the print version
// ("wmf2\key parts.wmf") into Image2, then shows the screen.
void openTeacherPage(Context& context, const QString& screenPage, const QString& printPage);
// Prints a page's print version at its own size, 1000 twips in from the printable area's corner. There
// is no message when it works; a printer failure is reported (the screens have no handling of their own).
void printPage(Context& context, const PageView& page);

// Opens the acknowledgments page with the logo, its background and the animation.
void openAcknowledgments(Context& context);

}  // namespace bt
