#include "rtl/Exception.h"

Exception::Exception(const QString& message) : FMessage(message), FUtf8(message.toStdString()) {}

EListError EListError::IndexOutOfBounds(int index) {
    return EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}
