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
