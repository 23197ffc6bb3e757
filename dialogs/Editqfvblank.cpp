#include "dialogs/Editqfvblank.h"

#include <string>

#include "dialogs/FilterText.h"

namespace qora {

void AppendBlankFilter(int relation, const LetterCounts& letters, bool ignoreVowels) {
    AppendFilterAndBlank(std::string("/:") + SetRelationOperator(relation) + "(" + (ignoreVowels ? "-" : "") +
                         FormatLetterCounts(&letters, 9) + ")");
}

}  // namespace qora
