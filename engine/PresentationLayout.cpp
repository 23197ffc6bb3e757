#include "engine/PresentationLayout.h"

#include <algorithm>

#include "engine/QueryRecords.h"

namespace qora {

namespace {

constexpr std::int32_t MaxParameter = 255;
constexpr std::int32_t MaxWidth = 1000;

int LengthOf(const MarkedText& text) { return static_cast<int>(text.Text.size()); }

// Packed rows: entries one after another, `Parameter` blanks apart (after a
// comma with `commas`, for every entry but the last); a new line when the
// next entry would pass the width, or after `Columns` entries.
std::vector<MarkedText> PackedRows(const std::vector<MarkedText>& entries, const LayoutShape& shape, bool commas) {
    std::vector<MarkedText> lines;
    MarkedText line;
    int onLine = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        MarkedText entry = entries[i];
        if (commas && i + 1 < entries.size()) entry.Text += ',';
        const bool full = shape.Width > 0 ? LengthOf(line) + shape.Parameter + LengthOf(entry) > shape.Width
                                          : onLine == shape.Columns;
        if (onLine > 0 && full) {
            lines.push_back(std::move(line));
            line = {};
            onLine = 0;
        }
        AppendAt(line, entry, onLine == 0 ? 0 : LengthOf(line) + shape.Parameter);
        ++onLine;
    }
    if (onLine > 0) lines.push_back(std::move(line));
    return lines;
}

enum class Spacing { Minimal, Fixed, Expandable };

// A table of entries in k columns: columnated rows are filled row by row in
// one page; columns are filled column by column, a page of RowsPerPage rows
// at a time.
class Table {
public:
    Table(const std::vector<MarkedText>& entries, const LayoutShape& shape, bool byColumns, Spacing spacing)
        : entries_(entries), shape_(shape), byColumns_(byColumns), spacing_(spacing) {
        for (const MarkedText& entry : entries) {
            longest_ = std::max(longest_, LengthOf(entry));
            shortest_ = std::min(shortest_, LengthOf(entry));
        }
    }

    // The most columns (at least 1) whose rows fit in the width, or the
    // columns asked for.
    int ColumnCount() const {
        const int n = static_cast<int>(entries_.size());
        if (shape_.Width == 0) return std::clamp(shape_.Columns, 1, std::max(n, 1));
        // Each column but the last takes at least its entry and one blank.
        const int upper = std::min(n, (shape_.Width - shortest_) / (shortest_ + 1) + 1);
        for (int k = upper; k > 1; --k)
            if (Fits(k)) return k;
        return 1;
    }

    std::vector<MarkedText> Lines(int k) const {
        std::vector<MarkedText> lines;
        bool firstPage = true;
        for (const Page& page : Pages(k)) {
            if (!firstPage) lines.push_back({shape_.PageSeparator, {}});
            firstPage = false;
            const std::vector<int> starts = ColumnStarts(page, k);
            for (int row = 0; row < page.rows; ++row) {
                MarkedText line;
                PlaceRow(page, row, k, starts, [&](int index, int start) { AppendAt(line, entries_[index], start); });
                lines.push_back(std::move(line));
            }
        }
        return lines;
    }

private:
    struct Page {
        int first = 0;  // index of its first entry
        int count = 0;
        int rows = 0;
    };

    std::vector<Page> Pages(int k) const {
        const int n = static_cast<int>(entries_.size());
        const auto rowsFor = [k](int count) { return (count + k - 1) / k; };
        if (!byColumns_ || shape_.RowsPerPage <= 0) return {{0, n, rowsFor(n)}};
        const long long perPage = static_cast<long long>(k) * shape_.RowsPerPage;
        std::vector<Page> pages;
        for (int first = 0; first < n;) {
            const int count = static_cast<int>(std::min<long long>(perPage, n - first));
            pages.push_back({first, count, rowsFor(count)});
            first += count;
        }
        return pages;
    }

    // The entry at a row and column of a page, or -1.
    int EntryAt(const Page& page, int row, int column, int k) const {
        const int i = byColumns_ ? column * page.rows + row : row * k + column;
        return i < page.count ? page.first + i : -1;
    }

    // Where each column begins.
    std::vector<int> ColumnStarts(const Page& page, int k) const {
        std::vector<int> widths(static_cast<std::size_t>(k), shape_.Parameter);
        if (spacing_ == Spacing::Expandable)
            std::fill(widths.begin(), widths.end(), std::max(shape_.Parameter, longest_ + 1));
        if (spacing_ == Spacing::Minimal) {
            std::fill(widths.begin(), widths.end(), 0);
            for (int row = 0; row < page.rows; ++row)
                for (int column = 0; column < k; ++column)
                    if (const int index = EntryAt(page, row, column, k); index >= 0)
                        widths[column] = std::max(widths[column], LengthOf(entries_[index]) + shape_.Parameter);
        }
        std::vector<int> starts(static_cast<std::size_t>(k), 0);
        for (int column = 1; column < k; ++column) starts[column] = starts[column - 1] + widths[column - 1];
        return starts;
    }

    // Calls place(entry index, start column) for the entries of one row. An
    // entry wider than its column pushes the rest of the row on, one blank
    // after it.
    template <typename Place>
    void PlaceRow(const Page& page, int row, int k, const std::vector<int>& starts, Place place) const {
        int end = -1;
        for (int column = 0; column < k; ++column) {
            const int index = EntryAt(page, row, column, k);
            if (index < 0) break;
            const int start = end < 0 ? starts[column] : std::max(starts[column], end + 1);
            place(index, start);
            end = start + LengthOf(entries_[index]);
        }
    }

    bool Fits(int k) const {
        for (const Page& page : Pages(k)) {
            const std::vector<int> starts = ColumnStarts(page, k);
            for (int row = 0; row < page.rows; ++row) {
                int width = 0;
                PlaceRow(page, row, k, starts,
                         [&](int index, int start) { width = start + LengthOf(entries_[index]); });
                if (width > shape_.Width) return false;
            }
        }
        return true;
    }

    const std::vector<MarkedText>& entries_;
    const LayoutShape& shape_;
    bool byColumns_;
    Spacing spacing_;
    int longest_ = 0;
    int shortest_ = MaxWidth;
};

std::vector<MarkedText> TableLines(const std::vector<MarkedText>& entries, const LayoutShape& shape, bool byColumns,
                                   Spacing spacing) {
    if (entries.empty()) return {};
    const Table table(entries, shape, byColumns, spacing);
    return table.Lines(table.ColumnCount());
}

}  // namespace

void AppendAt(MarkedText& line, const MarkedText& piece, int at) {
    if (LengthOf(line) < at) line.Text.append(static_cast<std::size_t>(at - LengthOf(line)), ' ');
    const std::int32_t offset = LengthOf(line);
    line.Text += piece.Text;
    for (const MarkRange& mark : piece.Marks) line.Marks.push_back({mark.Start + offset, mark.Length});
}

LayoutShape LayoutOf(const Settings& settings, std::int32_t workspaceColumns, const std::string& pageSeparator) {
    LayoutShape shape;
    shape.Layout = settings.OutputLayout;
    shape.Parameter = std::clamp(settings.LayoutParameter, 1, MaxParameter);
    if (!settings.CharactersSwitch) {
        shape.Width = 0;
        shape.Columns = std::clamp(settings.MaximumWidth, 1, MaxWidth);
    } else {
        const std::int32_t width = settings.WorkspaceWidthSwitch ? workspaceColumns : settings.MaximumWidth;
        shape.Width = std::clamp(width, 1, MaxWidth);
    }
    shape.RowsPerPage = std::max(settings.RowsPerPage, 0);
    shape.PageSeparator = pageSeparator;
    return shape;
}

std::vector<MarkedText> LayOutEntries(const std::vector<MarkedText>& entries, const LayoutShape& shape) {
    switch (shape.Layout) {
        case LayoutPackedRows: return PackedRows(entries, shape, false);
        case LayoutPackedRowsCommas: return PackedRows(entries, shape, true);
        case LayoutColumnatedRowsMinimal: return TableLines(entries, shape, false, Spacing::Minimal);
        case LayoutColumnatedRowsFixed: return TableLines(entries, shape, false, Spacing::Fixed);
        case LayoutColumnatedRowsExpandable: return TableLines(entries, shape, false, Spacing::Expandable);
        case LayoutColumnsMinimal: return TableLines(entries, shape, true, Spacing::Minimal);
        case LayoutColumnsFixed: return TableLines(entries, shape, true, Spacing::Fixed);
        case LayoutColumnsExpandable: return TableLines(entries, shape, true, Spacing::Expandable);
        default: return entries;
    }
}

}  // namespace qora
