#include "dialogs/Editqfvwordscore.h"

#include "dialogs/FilterText.h"

namespace qora {

void AppendWordScoreFilter(int item, int value1, int value2) { AppendNumericFilter('$', item, value1, value2); }

}  // namespace qora
