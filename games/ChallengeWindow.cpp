#include "games/ChallengeWindow.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "platform/Scaling.h"
#include "platform/qt/Cursor.h"
#include "platform/qt/Keys.h"
#include "platform/qt/Screen.h"
#include "platform/qt/Text.h"

namespace qora {

TChallengeDlg* ChallengeDlg = nullptr;  // no-reset: the window, made once and kept

namespace {

// The window as designed at 96 pixels per inch.
constexpr int DesignWidth = 788;
constexpr int DesignHeight = 498;
constexpr int Margin = 12;
// The smallest screen that takes the centred layout.
constexpr int CentredLayoutScreenWidth = 950;
constexpr int CentredLayoutScreenHeight = 600;

struct Band {
    int top, height;
};
constexpr Band LexiconLabelBand{8, 44};
constexpr Band Label2Band{58, 22};
constexpr Band Label4Band{82, 22};
constexpr Band Label1Band{106, 22};
constexpr Band WordsBand{134, 96};
constexpr Band Label3Band{238, 22};
constexpr Band RulingBand{264, 82};
constexpr Band CountDownBand{352, 44};
constexpr Band StoppingInfoBand{400, 44};
constexpr Band CancelBand{452, 32};
constexpr int WordsWidth = 740;
constexpr int RulingWidth = 764;
constexpr int InfoWidth = 720;
constexpr int CancelWidth = 100;
constexpr int IconSize = 40;
constexpr int LexiconLabelPixels = 32;

QColor ToQColor(RgbColour colour) { return QColor(colour.Red, colour.Green, colour.Blue); }

QFont PixelFont(QFont font, int designPixels, bool bold = false) {
    font.setPixelSize(Scaled(designPixels));
    font.setBold(bold);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const char* text, int designPixels, bool wrap) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setFont(PixelFont(label->font(), designPixels));
    label->setWordWrap(wrap);
    return label;
}

QPlainTextEdit* MakeMemo(QWidget* parent, int designPixels, Qt::FocusPolicy focus) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setReadOnly(true);
    memo->setTextInteractionFlags(Qt::TextSelectableByKeyboard);  // keeps the caret visible
    memo->setFont(PixelFont(QFontDatabase::systemFont(QFontDatabase::FixedFont), designPixels, true));
    memo->setFocusPolicy(focus);
    memo->setContextMenuPolicy(Qt::NoContextMenu);
    return memo;
}

// A padlock: the window is locked by a challenge command.
QPixmap PadlockPixmap(int size, qreal ratio) {
    QPixmap pixmap = SharpPixmap(QSize(size, size), ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 10.0;
    painter.setPen(QPen(Qt::black, unit));
    painter.drawArc(QRectF(3 * unit, unit, 4 * unit, 6 * unit), 0, 180 * 16);
    painter.drawLine(QPointF(3 * unit, 4 * unit), QPointF(3 * unit, 5 * unit));
    painter.drawLine(QPointF(7 * unit, 4 * unit), QPointF(7 * unit, 5 * unit));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(64, 64, 64));
    painter.drawRoundedRect(QRectF(1.5 * unit, 4.5 * unit, 7 * unit, 5 * unit), unit, unit);
    return pixmap;
}

// The width of a label's text on one line.
int TextWidth(const QLabel* label) { return label->fontMetrics().horizontalAdvance(label->text()) + 4; }

// The largest font, up to the designed size, in which the label's text fits
// its width: a long lexicon name must not be cut off.
void FitFontToWidth(QLabel* label, int designPixels) {
    QFont font = label->font();
    for (int pixels = Scaled(designPixels); pixels > 8; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(label->text()) <= label->width()) break;
    }
    label->setFont(font);
}

// Places a control in its band; `top` is where the designed area starts.
void Place(QWidget* widget, int top, int left, Band band, int width) {
    widget->setGeometry(left, top + Scaled(band.top), width, Scaled(band.height));
}

}  // namespace

TChallengeDlg::TChallengeDlg(ChallengeHost& host, ChallengeWordTest wordTest, QWidget* parent)
    : QoraDialog("", DesignWidth, DesignHeight, parent), host_(host), rules_(std::move(wordTest), *this) {
    setModal(true);
    setAutoFillBackground(true);

    LexiconLabel = MakeLabel(this, "", LexiconLabelPixels, false);
    LexiconLabel->setFont(PixelFont(LexiconLabel->font(), LexiconLabelPixels, true));
    LexiconLabel->setAlignment(Qt::AlignCenter);
    Label2 = MakeLabel(this, "Challenger: Type one or more words to be checked as a group.", 16, true);
    Label4 = MakeLabel(this, "Use space, comma, or the Enter key to separate multiple words.", 16, true);
    Label1 = MakeLabel(this, "To clear and start over, press the Delete (or Del) key.", 16, true);
    Label3 = MakeLabel(this, "Opponent: Confirm all typed words. Press the TAB key to judge.", 16, true);
    Words = MakeMemo(this, 24, Qt::StrongFocus);
    Ruling = MakeMemo(this, 27, Qt::ClickFocus);
    CountDown = MakeLabel(this, "", 14, true);
    StoppingInfo = MakeLabel(this,
                             "To return to using other QORA facilities, press the Esc key at the keyboard's upper "
                             "left, or click the Close button below.",
                             14, true);
    Cancel = new QPushButton(QStringLiteral("Close"), this);
    Cancel->setFocusPolicy(Qt::NoFocus);
    Cancel->setAutoDefault(false);
    SetModalResult(*Cancel, mrCancel);
    Icon = new QLabel(this);
    Icon->setPixmap(PadlockPixmap(Scaled(IconSize), Icon->devicePixelRatioF()));
    Timer = new QTimer(this);
    Timer->setInterval(1000);
    connect(Timer, &QTimer::timeout, this, &TChallengeDlg::TimerTimer);

    Words->installEventFilter(this);
    Ruling->installEventFilter(this);
}

// --- Opening and closing --------------------------------------------------------

void TChallengeDlg::FormActivate() {
    ShowState();
    LayOut(ScreenSize());
    Icon->setVisible(rules_.Locked());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(rules_.FormColour()));
    setPalette(colours);
    if (rules_.FormActivate()) {
        host_.HideMainParts();
        Cancel->setVisible(!rules_.Locked());
        StoppingInfo->setVisible(!rules_.Locked());
    }
    ShowState();
}

void TChallengeDlg::done(int result) {
    switch (rules_.FormClose()) {
        case ChallengeCloseResult::Refused: return;
        case ChallengeCloseResult::Minimising: break;
        case ChallengeCloseResult::Closed:
            host_.ParkMouseOnChallengeButton();
            host_.ShowMainParts();
            host_.RestartRevertCountdown();
            break;
    }
    QoraDialog::done(result);
}

// --- Keys and ticks -------------------------------------------------------------

bool TChallengeDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        KeyStroke stroke = KeyStrokeOf(key);
        // A key with a code is handled as a key; a character that arrives
        // without one (typed through an input method) as a character.
        if (stroke.key != 0)
            rules_.WordsKeyDown(stroke);
        else if (unsigned char character = KeyCharOf(key))
            rules_.WordsKeyPress(character);
        if (isVisible()) ShowState();
        return true;
    }
    if (event->type() == QEvent::KeyRelease) {
        // The text is only ever extended at its end.
        int code = KeyStrokeOf(static_cast<const QKeyEvent&>(*event)).key;
        if (code == KeyArrowLeft || code == KeyHome) Words->moveCursor(QTextCursor::End);
        return true;
    }
    return QoraDialog::eventFilter(watched, event);
}

void TChallengeDlg::TimerTimer() {
    rules_.TimerTimer();
    ShowState();
}

// --- What the rules ask of the window -------------------------------------------

void TChallengeDlg::ParkMouseOnClose() {
    ParkMousePointerOn(*Cancel);
    Words->setFocus();
}

void TChallengeDlg::CloseWindow() { CloseWithResult(mrCancel); }

void TChallengeDlg::SwitchTimer(bool on) {
    if (on)
        Timer->start();
    else
        Timer->stop();
}

std::string TChallengeDlg::PromptLineWords() { return host_.PromptLineWords(); }

// --- Showing the state ----------------------------------------------------------

void TChallengeDlg::ShowState() {
    SetCaption(rules_.Caption());
    LexiconLabel->setText(FromCodePage(rules_.LexiconLabelText()));
    QString words = FromCodePage(rules_.ChallengedWordsText());
    if (Words->toPlainText() != words) {
        Words->setPlainText(words);
        Words->moveCursor(QTextCursor::End);
    }
    QPalette rulingColours = Ruling->palette();
    rulingColours.setColor(QPalette::Text, ToQColor(rules_.RulingColour()));
    Ruling->setPalette(rulingColours);
    QString ruling = FromCodePage(rules_.RulingText());
    if (Ruling->toPlainText() != ruling) Ruling->setPlainText(ruling);
    CountDown->setText(FromCodePage(rules_.CountDownText()));
    CountDown->setVisible(rules_.CountDownVisible());
}

QSize TChallengeDlg::ScreenSize() const { return screen() ? screen()->size() : QSize(); }

// The typed words and the ruling always stand in the middle; a window taller
// than designed keeps its controls together in the middle too.
void TChallengeDlg::LayOut(QSize screenSize) {
    const int clientWidth = width();
    const int top = std::max(0, (height() - Scaled(DesignHeight)) / 2);
    const auto centred = [clientWidth](int designWidth) {
        int width = std::min(Scaled(designWidth), clientWidth - 2 * Scaled(Margin));
        return std::pair{(clientWidth - width) / 2, width};
    };
    auto [wordsLeft, wordsWidth] = centred(WordsWidth);
    Place(Words, top, wordsLeft, WordsBand, wordsWidth);
    auto [rulingLeft, rulingWidth] = centred(RulingWidth);
    Place(Ruling, top, rulingLeft, RulingBand, rulingWidth);
    // The lexicon label keeps clear of the padlock on the left, and as much
    // room on the right, so that it stays centred.
    const int iconSpace = Scaled(Margin + IconSize + Margin);
    Place(LexiconLabel, top, iconSpace, LexiconLabelBand, clientWidth - 2 * iconSpace);
    FitFontToWidth(LexiconLabel, LexiconLabelPixels);
    Icon->setGeometry(Scaled(Margin), top + Scaled(LexiconLabelBand.top), Scaled(IconSize), Scaled(IconSize));

    bool centredLayout = screenSize.width() >= Scaled(CentredLayoutScreenWidth) &&
                         screenSize.height() >= Scaled(CentredLayoutScreenHeight);
    LayOutLabels(top, centredLayout);
    if (centredLayout) {
        auto [infoLeft, infoWidth] = centred(InfoWidth);
        Place(CountDown, top, infoLeft, CountDownBand, infoWidth);
        Place(StoppingInfo, top, infoLeft, StoppingInfoBand, infoWidth);
    } else {
        int left = Label1->x();
        Place(CountDown, top, left, CountDownBand, clientWidth - left - Scaled(Margin));
        Place(StoppingInfo, top, left, StoppingInfoBand, clientWidth - left - Scaled(Margin));
    }
    auto [cancelLeft, cancelWidth] = centred(CancelWidth);
    Place(Cancel, top, cancelLeft, CancelBand, cancelWidth);
}

void TChallengeDlg::LayOutLabels(int top, bool centred) {
    const int clientWidth = width();
    const int fullWidth = clientWidth - 2 * Scaled(Margin);
    if (!centred) {
        for (auto [label, band] :
             {std::pair{Label1, Label1Band}, {Label2, Label2Band}, {Label3, Label3Band}, {Label4, Label4Band}})
            Place(label, top, Scaled(Margin), band, fullWidth);
        return;
    }
    int label1Width = std::min(TextWidth(Label1), fullWidth);
    int left = (clientWidth - label1Width) / 2;
    Place(Label1, top, left, Label1Band, label1Width);
    for (auto [label, band] : {std::pair{Label2, Label2Band}, {Label3, Label3Band}, {Label4, Label4Band}})
        Place(label, top, left, band, std::min(TextWidth(label), clientWidth - left - Scaled(Margin)));
}

void TChallengeDlg::resizeEvent(QResizeEvent* event) {
    QoraDialog::resizeEvent(event);
    LayOut(ScreenSize());
}

}  // namespace qora
