#include "dialogs/Editqfvwordlength.h"

#include "dialogs/FilterText.h"

namespace qora {

void AppendWordLengthFilter(int item, int value1, int value2) { AppendNumericFilter('|', item, value1, value2); }

}  // namespace qora
