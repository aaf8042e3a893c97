#include "screens.h"

#include "context.h"
#include "grey.h"
#include "logging.h"

namespace bt {

Screens::Screens(Context& context, Grey& grey) : context_(context), grey_(grey) {}

void Screens::define(ScreenName name, Factory factory) {
    factories_.insert(name.text(), std::move(factory));
}

Screen* Screens::build(ScreenName name, const Make& make) {
    if (Screen* screen = loaded_.value(name.text())) return screen;
    Screen* screen = make(&grey_);
    screen->hide();
    loaded_.insert(name.text(), screen);
    QObject::connect(screen, &QWidget::windowTitleChanged, &grey_, [this] { updateCaption(); });
    screen->load();
    return screen;
}

void Screens::show(ScreenName name) {
    if (Screen* screen = loaded_.value(name.text())) return raise(name, screen);
    const auto factory = factories_.constFind(name.text());
    if (factory == factories_.cend()) {
        qCWarning(lcBrambleton, "There is no screen named %s", qPrintable(name.text()));
        return;
    }
    raise(name, build(name, [this, factory](QWidget* parent) { return (*factory)(context_, parent); }));
}

void Screens::open(ScreenName name, const Make& make) {
    raise(name, build(name, make));
}

void Screens::prepare(ScreenName name, const Make& make) {
    build(name, make);
}

void Screens::raise(ScreenName name, Screen* screen) {
    if (context_.reading != screen) stopReading(context_);
    std::erase(order_, name);
    order_.push_back(name);
    screen->show();
    screen->raise();
    screen->setFocus(Qt::OtherFocusReason);
    updateCaption();
}

void Screens::hide(ScreenName name) {
    std::erase(order_, name);
    if (Screen* screen = loaded_.value(name.text())) {
        stopReading(context_, screen);
        screen->hide();
    }
    updateCaption();
}

void Screens::unload(ScreenName name) {
    std::erase(order_, name);
    Screen* screen = loaded_.take(name.text());
    if (screen) {
        stopReading(context_, screen);
        screen->hide();
        // A screen is often unloaded from inside one of its own event handlers; it goes once that returns.
        screen->deleteLater();
    }
    updateCaption();
    if (!order_.empty())
        if (Screen* top = loaded_.value(order_.back().text())) top->setFocus(Qt::OtherFocusReason);
}

bool Screens::isLoaded(ScreenName name) const {
    return loaded_.contains(name.text());
}

ScreenName Screens::topMost() const {
    return order_.empty() ? ScreenName() : order_.back();
}

void Screens::showGrey() {
    grey_.toFront();
}

void Screens::updateCaption() {
    const Screen* top = order_.empty() ? nullptr : loaded_.value(order_.back().text()).data();
    // A blank caption (the title screen's) leaves the program's name alone in the title bar, with no
    // separator before it.
    const QString caption = top ? top->windowTitle() : QString();
    grey_.setWindowTitle(caption.trimmed().isEmpty() ? QStringLiteral("Brambleton") : caption);
}

}  // namespace bt
