// Printing pages of text lines, on a printer or into a PDF file.
//
// A document is begun, drawn line by line in printer pixels (the device's own
// resolution; a PDF file has 600 pixels per inch), broken into pages by the
// caller with NewPage(), and ended. The caller lays out the lines: margins,
// line spacing, headers and footers are measured in the same pixels.
#pragma once

#include <QFont>
#include <memory>
#include <string>
#include <string_view>

class QPainter;
class QPrinter;
class QTemporaryFile;
class QWidget;

namespace qora {

constexpr int PdfPixelsPerInch = 600;

class PagePrinter {
public:
    PagePrinter();
    ~PagePrinter();
    PagePrinter(const PagePrinter&) = delete;
    PagePrinter& operator=(const PagePrinter&) = delete;

    // Begins a document in a PDF file, created or replaced (also when the
    // print dialog's printer prints to a file): the file is replaced only when
    // the document ends complete. On failure the reason is in `error` and
    // nothing is printed.
    bool BeginPdf(const std::string& path, std::string_view title, std::string& error);
    // Lets the user choose a printer (and the copies) in the print dialog and
    // begins a document there; false when the user cancels or the printer
    // cannot be used (then `error` says why).
    bool BeginOnChosenPrinter(QWidget* parent, std::string_view title, bool collate, bool reverseOrder,
                              std::string& error);

    bool Printing() const { return painter_ != nullptr; }
    void SetFont(const QFont& font);
    int LineHeight() const;  // the font's line height in printer pixels
    int PageWidth() const;   // the printable area in printer pixels
    int PageHeight() const;
    int Resolution() const;  // printer pixels per inch

    // How wide a line of code-page text prints in the font.
    int TextWidth(std::string_view text) const;
    // Draws a line of code-page text with its top-left corner at (x, y).
    void DrawText(int x, int y, std::string_view text);
    // The same, in a smaller font when the text is wider than `width`.
    void DrawTextWithin(int x, int y, int width, std::string_view text);
    void NewPage();
    int PageCount() const { return pageCount_; }
    // Ends the document; false with the reason in `error` when it could not be finished.
    bool EndDocument(std::string& error);

private:
    bool Begin(std::string_view title, std::string& error);
    bool MovePdfIntoPlace(std::string& error);

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QTemporaryFile> pdfDraft_;  // a PDF file's pages until the document ends
    std::string pdfPath_;                       // the PDF file named
    std::unique_ptr<QPainter> painter_;
    int pageCount_ = 0;
};

}  // namespace qora
