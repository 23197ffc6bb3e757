#include "dialogs/DialogParts.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/HelpDialog.h"
#include "dialogs/texts/QueryConstituentTexts.h"
#include "platform/qt/Focus.h"
#include "platform/qt/NumberField.h"
#include "platform/qt/SpinField.h"
#include "platform/qt/Text.h"
#include "widgets/TileControls.h"

namespace qora {

ConfirmButtons AddButtonRow(QoraDialog& dialog, QBoxLayout& layout, const char* okText, bool withHelp) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    ConfirmButtons buttons{new QPushButton(QString::fromLatin1(okText), &dialog),
                           new QPushButton(QStringLiteral("Cancel"), &dialog)};
    buttons.OK->setDefault(true);
    dialog.SetModalResult(*buttons.Cancel, mrCancel);
    row->addWidget(buttons.OK);
    row->addWidget(buttons.Cancel);
    if (withHelp) {
        buttons.Help = NewHelpButton(dialog);
        row->addWidget(buttons.Help);
    }
    layout.addLayout(row);
    return buttons;
}

QPushButton* NewHelpButton(QoraDialog& dialog) {
    auto* help = new QPushButton(QStringLiteral("Help"), &dialog);
    QObject::connect(help, &QPushButton::clicked, &dialog, [] { ShowHelpWindow(); });
    return help;
}

void ClickIfEnabled(QAbstractButton& button) {
    if (button.isEnabled()) button.click();
}

CommandPage::CommandPage(QoraDialog& dialog)
    : QWidget(&dialog),
      OK(new QPushButton(QStringLiteral("OK"), this)),
      Help(NewHelpButton(dialog)),
      body_(new QVBoxLayout) {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body_, 1);
    auto* foot = new QHBoxLayout;
    foot->addStretch(1);
    foot->addWidget(OK);
    foot->addWidget(Help);
    layout->addLayout(foot);
    OK->setAutoDefault(false);
    Help->setAutoDefault(false);
}

void CommandPage::UpdateOK(bool allowed) { OK->setEnabled(allowed && Composable()); }

QWidget* CommandPage::Home() const {
    if (homeControl_ != nullptr) return homeControl_;
    return OK->isEnabled() ? OK : nullptr;
}

void CommandPage::FocusHome() {
    if (QWidget* home = Home()) MoveFocus(*home);
}

void CommandPage::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    FocusHome();
}

LetterPage::LetterPage(QoraDialog& dialog, int pitch)
    : CommandPage(dialog),
      LetterHome(new TileTypingMemo(this)),
      Letters(new TileControlRows(TileControlKind::RadioButton, pitch, this)) {
    LetterHome->setFixedHeight(LetterHome->fontMetrics().lineSpacing() * 2 + 2 * LetterHome->frameWidth() + 8);
    SetHomeControl(LetterHome);
    Letters->SetTileChecked(1, true);
    Body()->addWidget(LetterHome);
    Body()->addWidget(Letters);
    Body()->addStretch(1);
    connect(Letters, &TileControlRows::tileClicked, this, [this] { MoveFocus(*LetterHome); });
    connect(LetterHome, &TileTypingMemo::tileTyped, this, [this](int tile) { Letters->SetTileChecked(tile, true); });
    connect(LetterHome, &TileTypingMemo::confirmed, this, [this] { ClickIfEnabled(*OK); });
}

void LetterPage::SetLanguage(Language language) {
    Letters->SetLanguage(language);
    if (Letters->CheckedTile() == 0) Letters->SetTileChecked(1, true);
    LetterHome->SetLines(LetterHomeLines(language));
}

std::string LetterPage::CheckedCaption() const {
    const int tile = Letters->CheckedTile();
    return TileCaptionIn(Letters->CurrentLanguage(), tile != 0 ? tile : 1);
}

RepetitionCountBox::RepetitionCountBox(QWidget* parent)
    : QGroupBox(QStringLiteral("Repetition Count"), parent), Value(new QLineEdit(this)), Arrows(new UpDown(this)) {
    constexpr int countColumns = 11;
    Value->setReadOnly(true);
    Value->setFocusPolicy(Qt::NoFocus);
    Value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Value->setFixedWidth(FieldWidthForDigits(*Value, countColumns));
    Arrows->SetRange(0, RepeatCountMaximum);
    Arrows->setFixedHeight(Value->sizeHint().height());
    auto* row = new QHBoxLayout(this);
    row->setSpacing(0);
    row->addWidget(Value);
    row->addWidget(Arrows);
    row->addStretch(1);
    connect(Arrows, &UpDown::clicked, this, [this](UpDownButton button) { Click(button == UpDownButton::Up); });
    Restart();
}

void RepetitionCountBox::Restart() {
    count_ = 1;
    ShowCount();
}

void RepetitionCountBox::Click(bool up) {
    if (up && count_ < RepeatCountMaximum) ++count_;
    if (!up && count_ > 0) --count_;
    ShowCount();
}

// The arrows' position follows the count, so that neither arrow goes dead.
void RepetitionCountBox::ShowCount() {
    Arrows->SetPosition(count_);
    Value->setText(FromCodePage(RepeatCountText(count_)));
}

QLabel* NewWrappedLabel(const char* text, QWidget& parent) {
    auto* label = new QLabel(FromCodePage(text), &parent);
    label->setWordWrap(true);
    return label;
}

QLayout* SideBySide(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets) row->addWidget(widget);
    row->addStretch();
    return row;
}

void AddCentred(QBoxLayout& layout, std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QWidget* widget : widgets) row->addWidget(widget);
    row->addStretch(1);
    layout.addLayout(row);
}

}  // namespace qora
