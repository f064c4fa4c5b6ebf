// Saves two large files' worth of bytes over one path, turn about, until it is
// killed: a stand-in for a save interrupted at any moment.
#include "files/AtomicFile.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    const qsizetype size = arguments.at(2).toLongLong();
    const QByteArray contents[] = {QByteArray(size, 'A'), QByteArray(size, 'B')};
    for (quint64 turn = 0;; ++turn) {
        if (!AtomicFile::write(arguments.at(1), contents[turn % 2], nullptr))
            return 1;
    }
}
