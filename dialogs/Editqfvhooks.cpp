#include "dialogs/Editqfvhooks.h"

#include <string>

#include "dialogs/FilterText.h"

namespace qora {

bool HooksDialogFront = true;

std::string HooksSetText(const LetterCounts& letters) { return FormatLetterCounts(&letters, 0); }

void AppendHooksFilter(bool front, int relation, const LetterCounts& letters) {
    AppendFilterAndBlank(std::string("/") + (front ? '<' : '>') + SetRelationText(relation, HooksSetText(letters)));
}

}  // namespace qora
