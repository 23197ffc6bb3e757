#include "dialogs/Editqfvhooks.h"

#include <string>

#include "dialogs/FilterText.h"

namespace qora {

bool HooksDialogFront = true;

void AppendHooksFilter(bool front, int relation, const LetterCounts& letters) {
    AppendFilterAndBlank(std::string("/") + (front ? '<' : '>') + SetRelationOperator(relation) + "(" +
                         FormatLetterCounts(&letters, 0) + ")");
}

}  // namespace qora
