#include "cli/ReadingFolder.h"

#include "details/PersonalDetails.h"
#include "files/AtomicFile.h"
#include "reading/ReadingFile.h"

#include <QCoreApplication>

namespace {

// The name as one part of a file name.
QString namePart(const QString &name)
{
    QString part;
    qsizetype bytes = 0;
    for (char32_t character : name.toUcs4()) {
        if (QChar::category(character) == QChar::Other_Control || character == U'/')
            character = U'_';
        const QString text = QString::fromUcs4(&character, 1);
        bytes += text.toUtf8().size();
        if (bytes > ReadingFolder::kMaxNameBytes)
            break;
        part += text;
    }
    // Hidden, an option, or to Qt one of a program's own resources.
    if (part.startsWith(QLatin1Char('.')) || part.startsWith(QLatin1Char('-')) ||
        part.startsWith(QLatin1Char(':')))
        part[0] = QLatin1Char('_');
    return part;
}

} // namespace

ReadingFolder::Saved ReadingFolder::save(const PersonalDetails &details, const QString &isoDate,
                                         qint64 row) const
{
    const QByteArray bytes = ReadingFile::compose(details);
    Saved saved;
    for (int copy = 1; copy <= kMaxCopies; ++copy) {
        saved.path = m_folder.filePath(fileName(details.Name, isoDate, row, copy));
        switch (AtomicFile::writeNew(saved.path, bytes, &saved.reason)) {
        case AtomicFile::Creation::Written:
            saved.written = true;
            return saved;
        case AtomicFile::Creation::Failed:
            return saved;
        case AtomicFile::Creation::Taken:
            break;
        }
    }
    saved.reason =
        QCoreApplication::translate("ReadingFolder", "that name and the %1 before it are all taken")
            .arg(kMaxCopies - 1);
    return saved;
}

QString ReadingFolder::fileName(const QString &name, const QString &isoDate, qint64 row, int copy)
{
    QStringList parts{namePart(name), isoDate};
    if (parts.constFirst().isEmpty())
        parts.removeFirst();
    if (row > 0)
        parts.append(QStringLiteral("row %1").arg(row));
    if (copy > 1)
        parts.append(QStringLiteral("(%1)").arg(copy));
    return parts.join(QLatin1Char(' ')) + QStringLiteral(".qnr");
}
