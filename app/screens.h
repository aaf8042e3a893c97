#pragma once
// The screen registry: builds screens as layers of the backdrop, keeps their stacking order, makes the
// backdrop's caption follow the screen on top, and destroys screens on unload.

#include <QHash>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

#include "screen.h"
#include "screen_registry.h"

namespace bt {

class Grey;
struct Context;

class Screens final : public ScreenRegistry {
  public:
    using Factory = std::function<Screen*(Context&, QWidget* parent)>;

    Screens(Context& context, Grey& grey);

    // Names a screen that is shown by name and how to build it; defineScreens() defines them all.
    void define(ScreenName name, Factory factory);

    void show(ScreenName name) override;
    void open(ScreenName name, const Make& make) override;
    void prepare(ScreenName name, const Make& make) override;
    void hide(ScreenName name) override;
    void unload(ScreenName name) override;
    bool isLoaded(ScreenName name) const override;
    ScreenName topMost() const override;
    void showGrey() override;

    // The loaded screen of that name, or whose name reads so ("Welldone"), for tools and tests; null when it
    // is not loaded.
    QWidget* loaded(ScreenName name) const { return loaded(name.text()); }
    QWidget* loaded(const QString& text) const { return loaded_.value(text).data(); }

  private:
    // The loaded screen of that name, or one built with make and loaded.
    Screen* build(ScreenName name, const Make& make);
    void raise(ScreenName name, Screen* screen);
    void updateCaption();

    Context& context_;
    Grey& grey_;
    QHash<QString, Factory> factories_;        // by name text
    QHash<QString, QPointer<Screen>> loaded_;  // by name text
    std::vector<ScreenName> order_;            // shown screens, bottom to top
};

// Defines every screen of the program in the registry.
void defineScreens(Screens& screens);

}  // namespace bt
