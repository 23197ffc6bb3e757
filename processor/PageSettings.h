// The page layout of printed workspace pages: margins, line spacing and the
// header or footer. The printing reads CurrentPageSettings, the page-setup
// dialog edits it, and the initialization file keeps IniPageSettings.
#pragma once

#include <array>
#include <cstdint>

namespace qora {

struct PageSettings {
    std::int32_t TopMargin = 120;           // printer pixels, 0 to 500
    std::int32_t LeftMargin = 120;          // 0 to 500
    std::int32_t BottomMargin = 0;          // 0 to 500
    std::int32_t InterlineSpacing = 8;      // extra pixels between lines, 0 to 99
    std::int32_t HeaderFooterMode = 0;      // 0 header, 1 footer, 2 neither
    std::int32_t HeaderFooterSpacing = 40;  // 0 to 99

    bool operator==(const PageSettings&) const = default;
};

extern PageSettings CurrentPageSettings;
extern PageSettings IniPageSettings;

// The six values in the order of the record (and of the initialization
// file's line), each brought into its range; a mode outside 0 to 2 becomes 2.
PageSettings ClampedPageSettings(const std::array<std::int64_t, 6>& values);
std::array<std::int32_t, 6> PageSettingsValues(const PageSettings& settings);

// Both instances back to the built-in values.
void ResetPageSettings();

}  // namespace qora
