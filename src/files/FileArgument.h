#pragma once

#include <QString>

// A file named on the command line, as Qt's file classes must be given it.
class FileArgument
{
public:
    // Qt reads a name that starts with ':' as one of the program's own
    // resources; such a relative name is given as "./:name", so that it stays
    // the user's file. Every other name comes back as it is.
    static QString path(const QString &argument);
};
