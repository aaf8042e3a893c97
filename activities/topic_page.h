#pragma once
// A topic page: the hub of one science topic, with its title, its picture and six buttons for the topic's
// quiz, labelling and ordering activities, key facts, teacher's notes and the way back to the menu. The
// two topics are one page with different data.

#include <QLabel>
#include <array>

#include "label_button.h"
#include "screen.h"
#include "screen_registry.h"

namespace bt {

struct Context;
class PictureBox;

struct Topic {
    const char* key;           // "parts": names the page "parts" and its boards "partslab" and "partsord"
    const char* title;         // "Parts of a Plant"
    const char* picture;       // the page picture
    const char* quiz;          // the topic's worksheet
    const char* smallPicture;  // for the quiz screen
    const char* keyFacts;      // screen and print versions of the teacher pages
    const char* keyFactsPrint;
    const char* notes;
    const char* notesPrint;

    ScreenName page() const { return ScreenName(ScreenName::Kind::Topic, key); }
    ScreenName labelling() const { return ScreenName(ScreenName::Kind::Labelling, key); }
    ScreenName ordering() const { return ScreenName(ScreenName::Kind::Ordering, key); }
};

const Topic& partsTopic();
const Topic& localityTopic();

class TopicPage : public Screen {
    Q_OBJECT
  public:
    TopicPage(Context& context, const Topic& topic, QWidget* parent);
    void load() override;

    LabelButton* button(int index) const { return label3_.at(index); }
    QLabel* title() const { return label1_; }
    PictureBox* picture() const { return image1_; }

  private:
    void Label3_Click(int index);
    void openBoard(ScreenName name);

    Context& context_;
    const Topic& topic_;
    QLabel* label1_;
    PictureBox* image1_;
    std::array<LabelButton*, 6> label3_{};
};

}  // namespace bt
