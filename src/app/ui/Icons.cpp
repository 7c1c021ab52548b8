#include "app/ui/Icons.h"

#include <QString>

namespace wl {

QIcon ownIcon(const char* ownName) {
    return QIcon(QStringLiteral(":/icons/") + QString::fromUtf8(ownName) + QStringLiteral(".svg"));
}

QIcon themedIcon(const char* themeName, const char* ownName) {
    return QIcon::fromTheme(QString::fromUtf8(themeName), ownIcon(ownName));
}

}  // namespace wl
