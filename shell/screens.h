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
    void define(const QString& name, Factory factory);

    QWidget* touch(const QString& name) override;
    void show(const QString& name) override;
    void hide(const QString& name) override;
    void unload(const QString& name) override;
    bool isLoaded(const QString& name) const override;
    QString topMost() const override;
    void showGrey() override;

    // The loaded screen of that name cast to its type; null when not loaded or of another type.
    template <class T>
    T* loaded(const QString& name) const {
        return qobject_cast<T*>(loaded_.value(name).data());
    }

  private:
    void updateCaption();

    Context& context_;
    Grey& grey_;
    QHash<QString, Factory> factories_;
    QHash<QString, QPointer<Screen>> loaded_;
    std::vector<QString> order_;  // shown screens, bottom to top
};

// Defines every screen of the program in the registry.
void defineScreens(Screens& screens);

}  // namespace bt
