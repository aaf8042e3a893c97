#pragma once
// The screen registry: creates screens on first touch as layers of the backdrop, keeps their stacking
// order, makes the backdrop's caption follow the screen on top, and destroys screens on unload.

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

    // Names a screen and how to build it. Every screen of the program is defined in one place,
    // defineScreens().
    void define(ScreenName name, Factory factory);

    QWidget* touch(ScreenName name) override;
    void show(ScreenName name) override;
    void hide(ScreenName name) override;
    void unload(ScreenName name) override;
    bool isLoaded(ScreenName name) const override;
    ScreenName topMost() const override;
    void showGrey() override;

    // The loaded screen whose name reads so ("Welldone"), for tools and tests; null when none is loaded.
    QWidget* loaded(const QString& text) const { return loaded_.value(text).data(); }

  private:
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
