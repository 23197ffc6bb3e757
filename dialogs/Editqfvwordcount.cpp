#include "dialogs/Editqfvwordcount.h"

#include "dialogs/FilterText.h"

namespace qora {

void AppendWordCountFilter(int item, int value1, int value2) { AppendNumericFilter('#', item, value1, value2); }

}  // namespace qora
