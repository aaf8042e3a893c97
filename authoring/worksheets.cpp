#include "worksheets.h"

#include "colours.h"
#include "context.h"
#include "fonts.h"
#include "quiz_opener.h"
#include "wizard.h"
#include "worksheet_check.h"
#include "worksheet_files.h"

namespace bt {

namespace {

constexpr TwipsBox kLabel1{0, 0, 12000, 600};
constexpr TwipsBox kCheck1{120, 120, 2400, 300};
constexpr TwipsBox kCheck2{9240, 120, 2640, 300};
constexpr TwipsBox slotBox(int i) {
    return {i <= 12 ? 120 : 6120, 720 + 600 * ((i - 1) % 12), 5715, 375};
}
constexpr TwipsBox kLabel4{120, 7920, 2280, 495};
constexpr TwipsBox kPrevious{2640, 7920, 3165, 495};
constexpr TwipsBox kNext{6000, 7920, 3165, 495};
constexpr TwipsBox kExit{10560, 7920, 1245, 495};
static_assert(onScreen(kLabel1) && onScreen(kCheck1) && onScreen(kCheck2) && onScreen(slotBox(1)) &&
              onScreen(slotBox(12)) && onScreen(slotBox(13)) && onScreen(slotBox(24)) && onScreen(kLabel4) &&
              onScreen(kPrevious) && onScreen(kNext) && onScreen(kExit));

const QColor kRed(255, 0, 0);

QCheckBox* tick(QWidget* parent, const QString& name, const QString& text, const TwipsBox& box,
                const QColor& colour) {
    auto* check =
        makeControl<QCheckBox>(parent, name, box, screenFont(QStringLiteral("Tahoma"), 12, true), colour);
    check->setText(text);
    return check;
}

}  // namespace

worksheets::worksheets(Context& context, QWidget* parent)
    : Screen(screen::kCatalogue.text(), parent), context_(context) {
    setAccessibleName(QStringLiteral("Worksheets Catalogue"));
    addCaption(this, QStringLiteral("Label1"), QStringLiteral("Worksheets Catalogue"), kLabel1,
               screenFont(QStringLiteral("Tahoma"), 24, true), colours::kYellow);
    check1_ =
        tick(this, QStringLiteral("Check1"), QStringLiteral("Edit Worksheet"), kCheck1, colours::kYellow);
    check2_ = tick(this, QStringLiteral("Check2"), QStringLiteral("Delete Worksheet"), kCheck2, kRed);
    // The two ticks exclude each other; unticking one leaves the other as it is.
    connect(check1_, &QCheckBox::clicked, this, [this](bool on) {
        if (on) check2_->setChecked(false);
    });
    connect(check2_, &QCheckBox::clicked, this, [this](bool on) {
        if (on) check1_->setChecked(false);
    });

    label2_[0] = addButton(QStringLiteral("Label2"), 0, QStringLiteral("Exit"), kExit);
    for (int i = 1; i <= kSlots; ++i) {
        label2_[i] = addButton(QStringLiteral("Label2"), i, QString(), slotBox(i), 12);
        label2_[i]->hide();
    }
    for (LabelButton* b : label2_) connect(b, &LabelButton::clicked, this, &worksheets::Label2_Click);

    label4_ = addCaption(this, QStringLiteral("Label4"), QStringLiteral("Page 1"), kLabel4,
                         screenFont(QStringLiteral("Tahoma"), 15.75, true), colours::kYellow,
                         Qt::AlignLeft | Qt::AlignVCenter);
    // The paging links keep their background: the pointer neither lights nor unlights them.
    const std::array<TwipsBox, 2> links{kPrevious, kNext};
    const std::array<QString, 2> captions{QStringLiteral("<< Previous Page"), QStringLiteral("Next Page >>")};
    for (int i = 0; i < 2; ++i) {
        auto* link = new LabelButton(QStringLiteral("Label3"), i, captions[i], this);
        setupControl(link, QStringLiteral("Label3"), links[i],
                     screenFont(QStringLiteral("Tahoma"), 15.75, true), QColor(), i);
        link->hide();
        connect(link, &LabelButton::clicked, this, &worksheets::Label3_Click);
        label3_[i] = link;
    }
}

void worksheets::load() {
    setupform(this);
    readRegister(registerPath(context_.paths), context_.shared);
    setBackground(check1_, colours::kScreen);
    setBackground(check2_, colours::kScreen);
    page_ = 0;
    const CatalogPage page = catalogPage(context_.shared, 0);
    showNames(page.names);
    label3_[1]->setVisible(page.next);
}

void worksheets::showNames(const QStringList& names) {
    for (int i = 1; i <= kSlots; ++i) {
        label2_[i]->setCaption(i <= names.size() ? names[i - 1] : QString());
        label2_[i]->setVisible(i <= names.size());
    }
}

void worksheets::workpage() {
    const CatalogPage page = catalogPage(context_.shared, page_);
    showNames(page.names);
    label3_[0]->setVisible(page.previous);
    label3_[1]->setVisible(page.next);
    label4_->setText(page.caption);
}

void worksheets::Label3_Click(int index) {
    page_ = qBound(0, page_ + (index == 0 ? -1 : 1), CatalogPage::kLastPage);
    workpage();
    playSound(context_, kClickSound);
}

void worksheets::Label2_Click(int index) {
    // On this screen the click sounds before the action.
    playSound(context_, kClickSound);
    if (index == 0) {
        context_.screens->show(screen::kMenu);
        context_.screens->unload(screen::kCatalogue);
        return;
    }
    if (!openName(label2_[index]->caption())) context_.dialogs->message(kCorrupted);
}

bool worksheets::openName(const QString& name) {
    const std::optional<Worksheet> worksheet = readWorksheetFile(
        context_.paths.resolve(QStringLiteral("multiple/") + name + QStringLiteral(".txt")));
    if (!worksheet) return false;
    if (check1_->isChecked()) {
        openWizard(context_, *worksheet);
        return true;
    }
    if (!check2_->isChecked()) {
        openQuiz(context_, *worksheet, QStringLiteral("images\\swan1.jpg"));
        return true;
    }

    if (!context_.dialogs->confirm(QStringLiteral("Are you sure that you want to delete the worksheet ") +
                                   name + QLatin1Char('?')))
        return true;
    if (!delworksheet(registerPath(context_.paths), name, context_.shared)) return false;
    showNames(catalogPage(context_.shared, page_).names);
    return true;
}

}  // namespace bt
