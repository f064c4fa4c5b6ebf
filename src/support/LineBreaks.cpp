#include "support/LineBreaks.h"

namespace LineBreaks {

QString toLineFeeds(const QString &text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

} // namespace LineBreaks
