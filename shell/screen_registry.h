#pragma once
// The screens by name. A screen is created (and its loading step run) the first time it is shown, and
// forgotten when it is unloaded, so showing it again builds it afresh. Screens reach each other only
// through here: a screen that needs nothing is shown by name; a screen that receives a value (a result, a
// worksheet, a page) is opened by the typed opener in its own folder, which builds it from that value.

#include <QString>
#include <functional>
#include <string_view>

class QWidget;

namespace bt {

class Screen;

// A screen's name. The fixed screens are named in screen:: below; a topic's page and its two boards take
// their names from the topic's key ("parts" names "parts", "partslab" and "partsord").
class ScreenName {
  public:
    enum class Kind {
        None,
        Title,
        Menu,
        Quiz,
        Results,
        Wrong,
        Wizard,
        Catalogue,
        Teacher,
        Guide,
        Topic,
        Labelling,
        Ordering
    };

    constexpr ScreenName() = default;
    constexpr explicit ScreenName(Kind kind, std::string_view topic = {}) : kind_(kind), topic_(topic) {}

    // The screen's objectName, by which tools and tests find it ("Welldone", "partslab"); empty for None.
    QString text() const;
    constexpr Kind kind() const { return kind_; }
    constexpr bool operator==(const ScreenName&) const = default;

  private:
    Kind kind_ = Kind::None;
    std::string_view topic_;
};

namespace screen {
inline constexpr ScreenName kTitle{ScreenName::Kind::Title};
inline constexpr ScreenName kMenu{ScreenName::Kind::Menu};
inline constexpr ScreenName kQuiz{ScreenName::Kind::Quiz};
inline constexpr ScreenName kResults{ScreenName::Kind::Results};
inline constexpr ScreenName kWrong{ScreenName::Kind::Wrong};
inline constexpr ScreenName kWizard{ScreenName::Kind::Wizard};
inline constexpr ScreenName kCatalogue{ScreenName::Kind::Catalogue};
inline constexpr ScreenName kTeacher{ScreenName::Kind::Teacher};
inline constexpr ScreenName kGuide{ScreenName::Kind::Guide};
}  // namespace screen

class ScreenRegistry {
  public:
    // Builds a screen as a layer of the given parent, with whatever value it receives.
    using Make = std::function<Screen*(QWidget* parent)>;

    virtual ~ScreenRegistry() = default;

    // Shows the screen on top of all others; when it is not loaded, the program's own definition of that
    // screen builds it first and its loading step runs.
    virtual void show(ScreenName name) = 0;
    // Shows a screen that receives a value on top: when it is not loaded, make builds it from the value
    // and its loading step runs; a loaded one is only brought to the front, as it is.
    virtual void open(ScreenName name, const Make& make) = 0;
    // Builds and loads the screen as open() does, but leaves it hidden (to be shown by name later).
    virtual void prepare(ScreenName name, const Make& make) = 0;
    // Hides the screen without unloading it.
    virtual void hide(ScreenName name) = 0;
    // Unloads the screen: it disappears, revealing the one beneath, and is destroyed.
    virtual void unload(ScreenName name) = 0;
    virtual bool isLoaded(ScreenName name) const = 0;
    // The visible screen on top; None when no screen is shown.
    virtual ScreenName topMost() const = 0;
    // Brings the backdrop host in front of every screen now shown; screens shown later lie above it.
    virtual void showGrey() = 0;
};

}  // namespace bt
