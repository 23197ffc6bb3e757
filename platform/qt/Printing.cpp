#include "platform/qt/Printing.h"

#include "platform/qt/Text.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace qora {

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
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        printer_.reset();
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

void PagePrinter::DrawText(int x, int y, std::string_view text) {
    if (!painter_) return;
    painter_->drawText(x, y + painter_->fontMetrics().ascent(), FromCodePage(text));
}

void PagePrinter::NewPage() {
    if (painter_ && printer_->newPage()) ++pageCount_;
}

bool PagePrinter::EndDocument(std::string& error) {
    error.clear();
    if (!painter_) return false;
    const bool ended = painter_->end();
    painter_.reset();
    if (!ended) error = "The document could not be finished.";
    return ended;
}

}  // namespace qora
