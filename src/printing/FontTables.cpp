#include "printing/FontTables.h"

#include <QtEndian>

namespace FontTables {

namespace {

// The big-endian 16-bit number at `offset` of a table; 0 past its end.
int numberAt(const QByteArray &table, qsizetype offset)
{
    return offset >= 0 && offset + 2 <= table.size()
               ? qFromBigEndian<quint16>(table.constData() + offset)
               : 0;
}

constexpr int kRestricted = 0x0002;
constexpr int kPreviewAndPrint = 0x0004;
constexpr int kEditable = 0x0008;
constexpr int kNoSubsetting = 0x0100;
constexpr int kBitmapsOnly = 0x0200;

} // namespace

Embedding embeddingOf(const QByteArray &os2Table)
{
    const int fsType = numberAt(os2Table, 8);
    if ((fsType & (kNoSubsetting | kBitmapsOnly)) != 0)
        return Embedding::Outlines;
    if ((fsType & (kPreviewAndPrint | kEditable)) != 0)
        return Embedding::Subset;
    return (fsType & kRestricted) != 0 ? Embedding::Outlines : Embedding::Subset;
}

QByteArray postScriptName(const QByteArray &nameTable)
{
    const int count = numberAt(nameTable, 2);
    const int strings = numberAt(nameTable, 4);
    for (qsizetype record = 6; record < 6 + 12 * qsizetype(count) && record < nameTable.size();
         record += 12) {
        if (numberAt(nameTable, record + 6) != 6)
            continue;
        const QByteArray bytes = nameTable.mid(strings + numberAt(nameTable, record + 10),
                                               numberAt(nameTable, record + 8));
        if (numberAt(nameTable, record) == 1) // Macintosh: one byte a character
            return bytes;
        QByteArray ascii; // Windows and Unicode: UTF-16
        for (qsizetype byte = 1; byte < bytes.size(); byte += 2)
            ascii.append(bytes.at(byte));
        return ascii;
    }
    return {};
}

} // namespace FontTables
