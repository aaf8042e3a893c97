#include "screens.h"

#include "grey.h"
#include "logging.h"

namespace bt {

Screens::Screens(Context& context, Grey& grey) : context_(context), grey_(grey) {}

void Screens::define(const QString& name, Factory factory) {
    factories_.insert(name, std::move(factory));
}

QWidget* Screens::touch(const QString& name) {
    if (Screen* screen = loaded_.value(name)) return screen;
    const auto factory = factories_.constFind(name);
    if (factory == factories_.cend()) {
        qCWarning(lcBrambleton, "There is no screen named %s", qPrintable(name));
        return nullptr;
    }
    Screen* screen = (*factory)(context_, &grey_);
    screen->hide();
    loaded_.insert(name, screen);
    QObject::connect(screen, &QWidget::windowTitleChanged, &grey_, [this] { updateCaption(); });
    screen->load();
    return screen;
}

void Screens::show(const QString& name) {
    QWidget* screen = touch(name);
    if (!screen) return;
    std::erase(order_, name);
    order_.push_back(name);
    screen->show();
    screen->raise();
    screen->setFocus(Qt::OtherFocusReason);
    updateCaption();
}

void Screens::hide(const QString& name) {
    std::erase(order_, name);
    if (Screen* screen = loaded_.value(name)) screen->hide();
    updateCaption();
}

void Screens::unload(const QString& name) {
    std::erase(order_, name);
    Screen* screen = loaded_.take(name);
    if (screen) {
        screen->hide();
        // A screen is often unloaded from inside one of its own event handlers; it goes once that returns.
        screen->deleteLater();
    }
    updateCaption();
    if (!order_.empty())
        if (Screen* top = loaded_.value(order_.back())) top->setFocus(Qt::OtherFocusReason);
}

bool Screens::isLoaded(const QString& name) const {
    return loaded_.contains(name);
}

QString Screens::topMost() const {
    return order_.empty() ? QString() : order_.back();
}

void Screens::showGrey() {
    grey_.toFront();
}

void Screens::updateCaption() {
    const Screen* top = order_.empty() ? nullptr : loaded_.value(order_.back()).data();
    grey_.setWindowTitle(top ? top->windowTitle() : QStringLiteral("Brambleton"));
}

}  // namespace bt
