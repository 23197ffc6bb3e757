#include "dialogs/Editqfvblank.h"

#include <string>

#include "dialogs/FilterText.h"

namespace qora {

std::string BlankSetText(const LetterCounts& letters, bool ignoreVowels) {
    return (ignoreVowels ? "-" : "") + FormatLetterCounts(&letters, 9);
}

void AppendBlankFilter(int relation, const LetterCounts& letters, bool ignoreVowels) {
    AppendFilterAndBlank("/:" + SetRelationText(relation, BlankSetText(letters, ignoreVowels)));
}

}  // namespace qora
