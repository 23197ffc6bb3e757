// Fields whose text goes between double quotes on the command line (labels,
// titles, definition texts): a double quote would end the text early, so the
// field refuses it, and control characters, as it is typed or pasted.
#pragma once

class QLineEdit;

namespace qora {

// Makes the field take at most `maxLength` characters and no double quote or
// control character.
void LimitToQuotableText(QLineEdit& field, int maxLength);

}  // namespace qora
