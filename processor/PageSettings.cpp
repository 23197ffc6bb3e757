#include "processor/PageSettings.h"

#include <algorithm>

#include "platform/ProgramState.h"

namespace qora {

PageSettings CurrentPageSettings;
PageSettings IniPageSettings;
std::string PrintTitle = "QORA Output";
bool PrintCollate = true;
bool PrintReverseOrder = false;

namespace {

std::int32_t Clamp(std::int64_t value, std::int64_t maximum) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, 0, maximum));
}

}  // namespace

PageSettings ClampedPageSettings(const std::array<std::int64_t, 6>& values) {
    PageSettings settings;
    settings.TopMargin = Clamp(values[0], MaxPageMargin);
    settings.LeftMargin = Clamp(values[1], MaxPageMargin);
    settings.BottomMargin = Clamp(values[2], MaxPageMargin);
    settings.InterlineSpacing = Clamp(values[3], MaxPageSpacing);
    settings.HeaderFooterMode =
        values[4] >= 0 && values[4] <= NoHeaderOrFooter ? static_cast<std::int32_t>(values[4]) : NoHeaderOrFooter;
    settings.HeaderFooterSpacing = Clamp(values[5], MaxPageSpacing);
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
const ProgramStateReset registerResetPageSettings(ResetPageSettings);

void ResetPrintChoices() {
    PrintTitle = "QORA Output";
    PrintCollate = true;
    PrintReverseOrder = false;
}
const ProgramStateReset registerResetPrintChoices(ResetPrintChoices);

}  // namespace qora
