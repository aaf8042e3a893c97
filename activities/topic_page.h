#pragma once
// A topic page: the hub of one science topic, with its title, its picture and six buttons for the topic's
// quiz, labelling and ordering activities, key facts, teacher's notes and the way back to the menu. Every
// topic's page is this one screen built from the topic's row (topics.h).

#include <QLabel>

#include "screen.h"
#include "topics.h"

namespace bt {

struct Context;
class PictureBox;

class TopicPage : public Screen {
    Q_OBJECT
  public:
    TopicPage(Context& context, const Topic& topic, QWidget* parent);
    void load() override;
    void layOut() override;

  private:
    void Label3_Click(int index);
    void openBoard(ScreenName name, const BoardLayout& layout);

    Context& context_;
    const Topic& topic_;
    PictureBox* image1_;
};

}  // namespace bt
