#include "platform/qt/QuotedTextField.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace qora {

void LimitToQuotableText(QLineEdit& field, int maxLength) {
    field.setMaxLength(maxLength);
    static const QRegularExpression quotable(QStringLiteral("[^\"\\x00-\\x1f\\x7f]*"));
    field.setValidator(new QRegularExpressionValidator(quotable, &field));
}

}  // namespace qora
