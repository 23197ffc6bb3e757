#include "processor/PageSettings.h"

#include <algorithm>

namespace qora {

PageSettings CurrentPageSettings;
PageSettings IniPageSettings;

namespace {

constexpr std::int64_t MaxMargin = 500;
constexpr std::int64_t MaxSpacing = 99;
constexpr std::int32_t NoHeaderOrFooter = 2;

std::int32_t Clamp(std::int64_t value, std::int64_t maximum) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, 0, maximum));
}

}  // namespace

PageSettings ClampedPageSettings(const std::array<std::int64_t, 6>& values) {
    PageSettings settings;
    settings.TopMargin = Clamp(values[0], MaxMargin);
    settings.LeftMargin = Clamp(values[1], MaxMargin);
    settings.BottomMargin = Clamp(values[2], MaxMargin);
    settings.InterlineSpacing = Clamp(values[3], MaxSpacing);
    settings.HeaderFooterMode =
        values[4] >= 0 && values[4] <= NoHeaderOrFooter ? static_cast<std::int32_t>(values[4]) : NoHeaderOrFooter;
    settings.HeaderFooterSpacing = Clamp(values[5], MaxSpacing);
    return settings;
}

std::array<std::int32_t, 6> PageSettingsValues(const PageSettings& settings) {
    return {settings.TopMargin,        settings.LeftMargin,       settings.BottomMargin,
            settings.InterlineSpacing, settings.HeaderFooterMode, settings.HeaderFooterSpacing};
}

void ResetPageSettings() {
    CurrentPageSettings = PageSettings();
    IniPageSettings = PageSettings();
}

}  // namespace qora
