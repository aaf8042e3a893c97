#pragma once
// The teacher screen: shows a teacher page from the wmf folder and holds its print version from wmf2. On
// the acknowledgments page the publisher's logo shows with a small looping animation above it.

#include <QTimer>

#include "label_button.h"
#include "page_view.h"
#include "screen.h"
#include "teacher_opener.h"

namespace bt {

struct Context;
class PictureBox;

class teacher : public Screen {
    Q_OBJECT
  public:
    teacher(Context& context, TeacherPage page, QWidget* parent);
    void load() override;

    // The animation frame's file: "logo\corv0003.gif" for frame 3, "logo\corv0012.gif" for frame 12.
    static QString frameFile(int frame);

  private:
    void Label3_Click(int index);
    void Timer1_Timer();

    Context& context_;
    const TeacherPage page_;
    PageView* image1_;
    PageView* image2_;
    PictureBox* picture1_;
    PictureBox* picture2_;
    QTimer* timer1_;
};

// Prints a page's print version at its own size, 1000 twips in from the printable area's corner. There
// is no message when it works; a printer failure is reported.
void printPage(Context& context, const PageView& page);

}  // namespace bt
