#include "processor/StartupOptions.h"

#include <string_view>

#include "engine/Listings.h"
#include "processor/IniFile.h"

namespace qora {

StartupOptions ParseStartupOptions(int argc, const char* const* argv) {
    StartupOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i] != nullptr ? argv[i] : "";
        const bool known = argument.size() >= 2 && argument[0] == '-' &&
                           (argument[1] == 'i' || argument[1] == 'f' || argument[1] == 'x');
        if (!known) {
            options.Warnings.push_back(FormatText("The argument \"%.*s\" is not an option of QORA and is ignored",
                                                  static_cast<int>(argument.size()), argument.data()));
            continue;
        }
        const char option = argument[1];
        std::string value(argument.substr(2));
        if (value.empty()) {
            if (i + 1 >= argc) {
                options.Warnings.push_back(FormatText("The option -%c needs a value and is ignored", option));
                continue;
            }
            value = argv[++i] != nullptr ? argv[i] : "";
        }
        if (option == 'i') {
            options.IniFileName = value;
        } else if (option == 'x') {
            options.CommandFileName = value;
        } else if (int size = 0; ParseFontSize(value, size)) {
            options.WorkspaceFontSize = size;
        } else {
            options.Warnings.push_back(FormatText("The option -f needs a font size from %d to %d; \"%s\" is ignored",
                                                  MinFontSize, MaxFontSize, value.c_str()));
        }
    }
    return options;
}

}  // namespace qora
