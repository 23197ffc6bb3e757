// The page layout of printed workspace pages: margins, line spacing and the
// header or footer. The printing reads CurrentPageSettings, the page-setup
// dialog edits it, and the initialization file keeps IniPageSettings. Beside
// them the print dialog's choices for the next printing: the title, collation
// and page order.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace qora {

enum PageHeadingMode : std::int32_t { PageHeader = 0, PageFooter = 1, NoHeaderOrFooter = 2 };
constexpr std::int32_t MaxPageMargin = 500;
constexpr std::int32_t MaxPageSpacing = 99;

struct PageSettings {
    std::int32_t TopMargin = 120;       // printer pixels, 0 to 500
    std::int32_t LeftMargin = 120;      // 0 to 500
    std::int32_t BottomMargin = 120;    // 0 to 500
    std::int32_t InterlineSpacing = 8;  // extra pixels between lines, 0 to 99
    std::int32_t HeaderFooterMode = PageHeader;
    std::int32_t HeaderFooterSpacing = 40;  // 0 to 99

    bool operator==(const PageSettings&) const = default;
};

extern PageSettings CurrentPageSettings;
extern PageSettings IniPageSettings;

// The title on every printed page ("QORA Output" at start), whether the
// copies are collated and whether the pages come last first. Never saved.
extern std::string PrintTitle;
extern bool PrintCollate;
extern bool PrintReverseOrder;

// The six values in the order of the record (and of the initialization
// file's line), each brought into its range; a mode outside 0 to 2 becomes 2.
PageSettings ClampedPageSettings(const std::array<std::int64_t, 6>& values);
std::array<std::int32_t, 6> PageSettingsValues(const PageSettings& settings);

// Both instances back to the built-in values.
void ResetPageSettings();
// The print dialog's choices back to their values at start.
void ResetPrintChoices();

}  // namespace qora
