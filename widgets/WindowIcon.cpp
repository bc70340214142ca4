#include "widgets/WindowIcon.h"

namespace WindowIcon {

QIcon icon()
{
    // Copies share the one that is loaded, and with it its cache entries.
    static const QIcon shared(QStringLiteral(":/style/images/AppIconPdf256.png"));
    return shared;
}

} // namespace WindowIcon
