#include "brambleton.h"

#include "board_screen.h"
#include "grey.h"
#include "guide.h"
#include "intro0.h"
#include "multiple.h"
#include "screens.h"
#include "teacher.h"
#include "titlefrm.h"
#include "topic_page.h"
#include "welldone.h"
#include "wizard.h"
#include "worksheets.h"
#include "wrong.h"

namespace bt {

void defineScreens(Screens& screens) {
    screens.define(screen::kTitle, [](Context& c, QWidget* p) { return new Titlefrm(c, p); });
    screens.define(screen::kMenu, [](Context& c, QWidget* p) { return new intro0(c, p); });
    screens.define(screen::kQuiz, [](Context& c, QWidget* p) { return new multiple(c, p); });
    screens.define(screen::kResults, [](Context& c, QWidget* p) { return new Welldone(c, p); });
    screens.define(screen::kWrong, [](Context& c, QWidget* p) { return new Wrong(c, p); });
    screens.define(screen::kWizard, [](Context& c, QWidget* p) { return new wizard(c, p); });
    screens.define(screen::kCatalogue, [](Context& c, QWidget* p) { return new worksheets(c, p); });
    screens.define(screen::kTeacher, [](Context& c, QWidget* p) { return new teacher(c, p); });
    screens.define(screen::kGuide, [](Context& c, QWidget* p) { return new guide(c, p); });
    for (const Topic* topic : {&partsTopic(), &localityTopic()})
        screens.define(topic->page(),
                       [topic](Context& c, QWidget* p) { return new TopicPage(c, *topic, p); });
    for (const BoardLayout* layout :
         {&partslabLayout(), &localitylabLayout(), &partsordLayout(), &localityordLayout()})
        screens.define(layout->name,
                       [layout](Context& c, QWidget* p) { return new BoardScreen(c, *layout, p); });
}

Brambleton::Brambleton(ContentPaths paths, Sound& sound, Dialogs& dialogs, PrinterFactory printer,
                       std::function<void()> endProgram)
    : grey_(std::make_unique<Grey>()) {
    context_.printer = std::move(printer);
    context_.paths = std::move(paths);
    context_.sound = &sound;
    context_.dialogs = &dialogs;
    context_.endProgram = std::move(endProgram);
    screens_ = std::make_unique<Screens>(context_, *grey_);
    context_.screens = screens_.get();
    defineScreens(*screens_);
}

Brambleton::~Brambleton() {
    context_.screens = nullptr;
    screens_.reset();
    grey_.reset();
}

void Brambleton::start() {
    grey_->show();
    screens_->show(screen::kTitle);
}

}  // namespace bt
