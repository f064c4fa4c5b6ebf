#pragma once

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>

// Text as comparisons with a PDF see it: without white space or hyphens,
// soft ones too, since a line may wrap anywhere on paper and pdftotext joins
// "self-" at a line end.
inline QString letters(const QString &text)
{
    static const QRegularExpression spacing(QStringLiteral("[\\s\u00AD-]+"));
    return QString(text).remove(spacing);
}

// What a tool (of poppler, qpdf) prints, run on the file that "%f" in its
// arguments names; empty when it fails.
inline QByteArray toolOutput(const QString &program, QStringList arguments, const QString &path)
{
    QProcess tool;
    tool.start(program, arguments.replaceInStrings(QStringLiteral("%f"), path));
    if (!tool.waitForFinished(20000) || tool.exitStatus() != QProcess::NormalExit ||
        tool.exitCode() != 0)
        return {};
    return tool.readAllStandardOutput();
}

// The same for a PDF in memory, written to a file of its own first.
inline QByteArray toolOutput(const QString &program, const QStringList &arguments,
                             const QByteArray &pdf)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("file.pdf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.flush())
        return {};
    return toolOutput(program, arguments, file.fileName());
}

// A PDF's text as pdftotext -raw reads it (keeping hyphens at line ends, a
// form feed after each page); empty when it cannot be read.
inline QString pdfRawText(const QString &path)
{
    return QString::fromUtf8(
        toolOutput(QStringLiteral("pdftotext"),
                   {QStringLiteral("-raw"), QStringLiteral("%f"), QStringLiteral("-")}, path));
}

// The letters of a PDF's text (read with pdftotext), its ligatures undone.
inline QString pdfLetters(const QString &path)
{
    const QByteArray text =
        toolOutput(QStringLiteral("pdftotext"), {QStringLiteral("%f"), QStringLiteral("-")}, path);
    return letters(QString::fromUtf8(text).normalized(QString::NormalizationForm_KC));
}
