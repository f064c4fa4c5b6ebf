#include "files/FileArgument.h"

QString FileArgument::path(const QString &argument)
{
    return argument.startsWith(QLatin1Char(':')) ? QStringLiteral("./") + argument : argument;
}
