#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>

// Text as comparisons with a PDF see it: without white space or hyphens,
// since a line may wrap anywhere on paper and pdftotext joins "self-" at a line end.
inline QString letters(const QString &text)
{
    static const QRegularExpression spacing(QStringLiteral("[\\s-]+"));
    return QString(text).remove(spacing);
}

// A PDF's text as pdftotext -raw reads it (keeping hyphens at line ends, a
// form feed after each page); empty when it cannot be read.
inline QString pdfRawText(const QString &path)
{
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path, QStringLiteral("-")});
    if (!reader.waitForFinished(10000) || reader.exitCode() != 0)
        return {};
    return QString::fromUtf8(reader.readAllStandardOutput());
}

// The letters of a PDF's text (read with pdftotext), its ligatures undone.
inline QString pdfLetters(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(10000))
        return {};
    return letters(QString::fromUtf8(pdftotext.readAllStandardOutput())
                       .normalized(QString::NormalizationForm_KC));
}
