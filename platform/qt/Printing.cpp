#include "platform/qt/Printing.h"

#include "platform/Files.h"
#include "platform/qt/Text.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryFile>
#include <algorithm>
#include <filesystem>

namespace qora {

namespace {

constexpr int MaxShrinkSteps = 8;
constexpr double ShrinkStep = 0.98;  // at least this much smaller at each step

// Whether a file at `path` could be made: its folder is there.
bool InWritableFolder(const std::string& path) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::absolute(path, error).parent_path();
    return !error && std::filesystem::is_directory(folder, error);
}

}  // namespace

PagePrinter::PagePrinter() = default;

PagePrinter::~PagePrinter() {
    if (painter_) painter_->end();
}

bool PagePrinter::BeginPdf(const std::string& path, std::string_view title, std::string& error) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setResolution(PdfPixelsPerInch);
    printer_->setOutputFileName(QFile::decodeName(path.c_str()));
    if (Begin(title, error)) return true;
    error = "Cannot write the file " + path + ".";
    return false;
}

bool PagePrinter::BeginOnChosenPrinter(QWidget* parent, std::string_view title, bool collate, bool reverseOrder,
                                       std::string& error) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setCollateCopies(collate);
    printer_->setPageOrder(reverseOrder ? QPrinter::LastPageFirst : QPrinter::FirstPageFirst);
    QPrintDialog dialog(printer_.get(), parent);
    if (dialog.exec() != QDialog::Accepted) {
        printer_.reset();
        error.clear();
        return false;
    }
    if (Begin(title, error)) return true;
    error = "The printer " + ToCodePage(printer_->printerName()) + " cannot be used.";
    return false;
}

bool PagePrinter::Begin(std::string_view title, std::string& error) {
    error.clear();
    printer_->setDocName(FromCodePage(title));
    // A PDF file is drawn into a temporary file and replaces the file named
    // only once it is complete (EndDocument).
    pdfPath_.clear();
    pdfDraft_.reset();
    if (printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty()) {
        pdfDraft_ = std::make_unique<QTemporaryFile>();
        if (!pdfDraft_->open()) {
            pdfDraft_.reset();
            printer_.reset();
            return false;
        }
        pdfPath_ = QFile::encodeName(printer_->outputFileName()).toStdString();
        printer_->setOutputFileName(pdfDraft_->fileName());
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get()) || (pdfDraft_ && !InWritableFolder(pdfPath_))) {
        painter_.reset();
        printer_.reset();
        pdfDraft_.reset();
        return false;
    }
    pageCount_ = 1;
    return true;
}

void PagePrinter::SetFont(const QFont& font) {
    if (painter_) painter_->setFont(font);
}

int PagePrinter::LineHeight() const { return painter_ ? painter_->fontMetrics().height() : 0; }

int PagePrinter::PageWidth() const { return printer_ ? printer_->width() : 0; }

int PagePrinter::PageHeight() const { return printer_ ? printer_->height() : 0; }

int PagePrinter::Resolution() const { return printer_ ? printer_->resolution() : 0; }

int PagePrinter::TextWidth(std::string_view text) const {
    return painter_ ? painter_->fontMetrics().horizontalAdvance(FromCodePage(text)) : 0;
}

void PagePrinter::DrawText(int x, int y, std::string_view text) {
    if (!painter_) return;
    painter_->drawText(x, y + painter_->fontMetrics().ascent(), FromCodePage(text));
}

// The font is made smaller in the proportion of the widths, and a little more
// while its measures round the text still too wide.
void PagePrinter::DrawTextWithin(int x, int y, int width, std::string_view text) {
    if (!painter_) return;
    const QFont font = painter_->font();
    for (int step = 0; step < MaxShrinkSteps; ++step) {
        const int textWidth = TextWidth(text);
        if (textWidth <= width) break;
        QFont smaller = painter_->font();
        const double scale = std::min(ShrinkStep, static_cast<double>(width) / textWidth);
        if (smaller.pointSizeF() > 0)
            smaller.setPointSizeF(smaller.pointSizeF() * scale);
        else
            smaller.setPixelSize(std::max(1, static_cast<int>(smaller.pixelSize() * scale)));
        painter_->setFont(smaller);
    }
    DrawText(x, y, text);
    painter_->setFont(font);
}

void PagePrinter::NewPage() {
    if (painter_ && printer_->newPage()) ++pageCount_;
}

bool PagePrinter::EndDocument(std::string& error) {
    error.clear();
    if (!painter_) return false;
    const bool ended = painter_->end();
    painter_.reset();
    if (!ended) {
        error = "The document could not be finished.";
        return false;
    }
    return !pdfDraft_ || MovePdfIntoPlace(error);
}

// A PDF file ends with its "%%EOF" line: a draft without one was cut short
// (a full disk) and leaves the file named as it was.
bool PagePrinter::MovePdfIntoPlace(std::string& error) {
    std::string bytes;
    std::string reason;
    const bool read = ReadWholeFile(pdfDraft_->fileName().toStdString(), bytes, reason);
    pdfDraft_.reset();
    if (read && bytes.find("%%EOF", bytes.size() - std::min<std::size_t>(bytes.size(), 16)) == std::string::npos)
        reason = "the document was cut short";
    if (read && reason.empty()) reason = WriteWholeFile(pdfPath_, bytes);
    if (reason.empty()) return true;
    error = "Cannot write the file " + pdfPath_ + ": " + reason + ".";
    return false;
}

}  // namespace qora
