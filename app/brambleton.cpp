#include "brambleton.h"

#include "grey.h"
#include "guide.h"
#include "intro0.h"
#include "screens.h"
#include "titlefrm.h"
#include "topic_page.h"
#include "wizard.h"
#include "worksheets.h"

namespace bt {

// The screens that are shown by name: those that need nothing handed to them. The others are built by
// their openers from what they are handed.
void defineScreens(Screens& screens) {
    screens.define(screen::kMenu, [](Context& c, QWidget* p) { return new intro0(c, p); });
    screens.define(screen::kWizard, [](Context& c, QWidget* p) { return new wizard(c, p); });
    screens.define(screen::kCatalogue, [](Context& c, QWidget* p) { return new worksheets(c, p); });
    screens.define(screen::kGuide, [](Context& c, QWidget* p) { return new guide(c, p); });
    for (const Topic& topic : topics())
        screens.define(topic.page(), [&topic](Context& c, QWidget* p) { return new TopicPage(c, topic, p); });
}

Brambleton::Brambleton(ContentPaths paths, Sound& sound, Speech& speech, Dialogs& dialogs,
                       PrinterFactory printer, std::function<void()> endProgram)
    : grey_(std::make_unique<Grey>()) {
    context_.printer = std::move(printer);
    context_.paths = std::move(paths);
    context_.sound = &sound;
    context_.speech = &speech;
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
    openTitle(context_, false);
}

}  // namespace bt
