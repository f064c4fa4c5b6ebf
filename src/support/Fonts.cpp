#include "support/Fonts.h"

namespace Fonts {

QString family()
{
    return QStringLiteral("Verdana");
}

} // namespace Fonts
