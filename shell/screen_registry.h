#pragma once
// The screens by name. A screen is created (and its loading step run) the first time anything touches it,
// and forgotten when it is unloaded, so touching it again builds it afresh. Screens reach each other only
// through here.

#include <QString>

class QWidget;

namespace bt {

// The screens' names.
namespace screen {
inline const QString kTitle = QStringLiteral("Titlefrm");
inline const QString kMenu = QStringLiteral("intro0");
inline const QString kQuiz = QStringLiteral("multiple");
inline const QString kResults = QStringLiteral("Welldone");
inline const QString kWrong = QStringLiteral("Wrong");
inline const QString kWizard = QStringLiteral("wizard");
inline const QString kCatalogue = QStringLiteral("worksheets");
}  // namespace screen

class ScreenRegistry {
  public:
    virtual ~ScreenRegistry() = default;

    // The screen of that name, created and loaded if it is not loaded; null for a name with no screen.
    virtual QWidget* touch(const QString& name) = 0;
    // Touches the screen and shows it on top of all others.
    virtual void show(const QString& name) = 0;
    // Hides the screen without unloading it.
    virtual void hide(const QString& name) = 0;
    // Unloads the screen: it disappears, revealing the one beneath, and is destroyed.
    virtual void unload(const QString& name) = 0;
    virtual bool isLoaded(const QString& name) const = 0;
    // The name of the visible screen on top; empty when none is shown.
    virtual QString topMost() const = 0;
    // Brings the backdrop host in front of every screen now shown; screens shown later lie above it.
    virtual void showGrey() = 0;
};

}  // namespace bt
