#include "screen_registry.h"

namespace bt {

QString ScreenName::text() const {
    const QString topic = QString::fromLatin1(topic_.data(), qsizetype(topic_.size()));
    switch (kind_) {
        case Kind::None:
            return {};
        case Kind::Title:
            return QStringLiteral("Titlefrm");
        case Kind::Menu:
            return QStringLiteral("intro0");
        case Kind::Quiz:
            return QStringLiteral("multiple");
        case Kind::Results:
            return QStringLiteral("Welldone");
        case Kind::Wrong:
            return QStringLiteral("Wrong");
        case Kind::Wizard:
            return QStringLiteral("wizard");
        case Kind::Catalogue:
            return QStringLiteral("worksheets");
        case Kind::Teacher:
            return QStringLiteral("teacher");
        case Kind::Guide:
            return QStringLiteral("guide");
        case Kind::Topic:
            return topic;
        case Kind::Labelling:
            return topic + QStringLiteral("lab");
        case Kind::Ordering:
            return topic + QStringLiteral("ord");
    }
    return {};
}

}  // namespace bt
