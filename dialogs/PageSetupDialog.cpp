#include "dialogs/PageSetupDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/NewInitializationFileDialog.h"
#include "dialogs/texts/OptionTexts.h"
#include "platform/qt/SpinField.h"
#include "processor/PageSettings.h"

namespace qora {

QPointer<TQoraPageSetupDlg> QoraPageSetupDlg;

namespace {

constexpr int SpinColumns = 3;

SpinField* NewSpin(int maximum, QWidget* parent) {
    auto* spin = new SpinField(SpinColumns, parent);
    spin->SetRange(0, maximum);
    return spin;
}

// A caption beside its spin, in a grid row.
void AddSpinRow(QGridLayout& grid, int row, QLabel* caption, SpinField* spin) {
    grid.addWidget(caption, row, 0);
    grid.addWidget(spin, row, 1, Qt::AlignLeft);
}

}  // namespace

TQoraPageSetupDlg::TQoraPageSetupDlg(QWidget* parent) : QoraDialog(" Printer Page Setup", 420, 290, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QGridLayout;
    layout->addLayout(groups);

    Margins = new QGroupBox(QStringLiteral("Margins (in pixels)"), this);
    auto* margins = new QGridLayout(Margins);
    TopValue = NewSpin(MaxPageMargin, Margins);
    LeftValue = NewSpin(MaxPageMargin, Margins);
    BottomValue = NewSpin(MaxPageMargin, Margins);
    AddSpinRow(*margins, 0, new QLabel(QStringLiteral("Top:"), Margins), TopValue);
    AddSpinRow(*margins, 1, new QLabel(QStringLiteral("Left:"), Margins), LeftValue);
    AddSpinRow(*margins, 2, new QLabel(QStringLiteral("Bottom:"), Margins), BottomValue);
    groups->addWidget(Margins, 0, 0, 2, 1);

    LineSpacing = new QGroupBox(QStringLiteral("Line Spacing (in pixels)"), this);
    auto* spacing = new QGridLayout(LineSpacing);
    SpacingValue = NewSpin(MaxPageSpacing, LineSpacing);
    AddSpinRow(*spacing, 0, new QLabel(QStringLiteral("Interline spacing:"), LineSpacing), SpacingValue);
    groups->addWidget(LineSpacing, 0, 1);

    HeaderFooter = new QGroupBox(QStringLiteral("Header/Footer"), this);
    auto* modes = new QVBoxLayout(HeaderFooter);
    Header = new QRadioButton(QStringLiteral("Include header"), HeaderFooter);
    Footer = new QRadioButton(QStringLiteral("Include footer"), HeaderFooter);
    Neither = new QRadioButton(QStringLiteral("No header/footer"), HeaderFooter);
    for (QRadioButton* mode : {Header, Footer, Neither}) {
        modes->addWidget(mode);
        connect(mode, &QRadioButton::clicked, this, &TQoraPageSetupDlg::ModeClick);
    }
    groups->addWidget(HeaderFooter, 2, 0);

    HeaderSpacing = new QGroupBox(this);
    auto* headerSpacing = new QGridLayout(HeaderSpacing);
    HeaderSpacingLabel = new QLabel(HeaderSpacing);
    HeaderSpacingValue = NewSpin(MaxPageSpacing, HeaderSpacing);
    AddSpinRow(*headerSpacing, 0, HeaderSpacingLabel, HeaderSpacingValue);
    groups->addWidget(HeaderSpacing, 1, 1, 2, 1, Qt::AlignTop);
    groups->setColumnStretch(0, 1);
    groups->setColumnStretch(1, 1);

    layout->addStretch(1);
    AddCommandButtons(*this, *layout);
    connect(OK, &QPushButton::clicked, this, &TQoraPageSetupDlg::OKClick);
}

void TQoraPageSetupDlg::FormActivate() {
    const PageSettings& settings = CurrentPageSettings;
    TopValue->SetPosition(settings.TopMargin);
    LeftValue->SetPosition(settings.LeftMargin);
    BottomValue->SetPosition(settings.BottomMargin);
    SpacingValue->SetPosition(settings.InterlineSpacing);
    HeaderSpacingValue->SetPosition(settings.HeaderFooterSpacing);
    const int mode = std::clamp<int>(settings.HeaderFooterMode, PageHeader, NoHeaderOrFooter);
    (mode == PageHeader ? Header : mode == PageFooter ? Footer : Neither)->setChecked(true);
    ModeClick();
}

int TQoraPageSetupDlg::CheckedMode() const {
    return Header->isChecked() ? PageHeader : Footer->isChecked() ? PageFooter : NoHeaderOrFooter;
}

// The spacing group names the header or footer chosen, and hides for neither.
void TQoraPageSetupDlg::ModeClick() {
    const HeadingSpacingCaptions captions = SpacingCaptionsOf(CheckedMode());
    HeaderSpacing->setTitle(QString::fromLatin1(captions.Group));
    HeaderSpacingLabel->setText(QString::fromLatin1(captions.Label));
    HeaderSpacing->setVisible(CheckedMode() != NoHeaderOrFooter);
}

// The new settings hold for the next printing; the initialization file is
// offered them when any of the six differs from the file's.
void TQoraPageSetupDlg::OKClick() {
    CurrentPageSettings = {TopValue->Position(),     LeftValue->Position(), BottomValue->Position(),
                           SpacingValue->Position(), CheckedMode(),         HeaderSpacingValue->Position()};
    SetNewIniPrinterPage(!(CurrentPageSettings == IniPageSettings));
    CloseWithResult(mrOk);
}

}  // namespace qora
