#include "cli/ReadingJson.h"

#include "details/PersonalDetails.h"
#include "numerology/modNineStarKey.h"
#include "reading/ReadingResults.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace ReadingJson {

namespace {

using modNineStarKey::DigitCounts;

// Qt's writer escapes the control characters below U+0020 only; DEL and
// U+0080 to U+009F (U+009B opens an escape sequence on a terminal) stay as
// they are. They can stand only within strings, where \u00XX means the same.
QString escapeControls(const QString &json)
{
    QString text;
    for (const QChar character : json) {
        if (character.category() == QChar::Other_Control && character.unicode() >= 0x7F)
            text += QStringLiteral("\\u%1").arg(character.unicode(), 4, 16, QLatin1Char('0'));
        else
            text += character;
    }
    return text;
}

int countOf(const DigitCounts &counts, int number)
{
    return counts[static_cast<size_t>(number - 1)];
}

QJsonObject countsObject(const DigitCounts &counts)
{
    QJsonObject object;
    for (int number = 1; number <= 9; ++number)
        object.insert(QString::number(number), countOf(counts, number));
    return object;
}

QJsonArray favourable(const DigitCounts &counts)
{
    QJsonArray numbers;
    for (const int number : modNineStarKey::FavourableNumbers(counts)) {
        const QString direction = modNineStarKey::NumberDirections(number);
        numbers.append(QJsonObject{
            {QStringLiteral("number"), number},
            {QStringLiteral("occurrences"), countOf(counts, number)},
            {QStringLiteral("direction"), direction.isEmpty() ? QJsonValue() : direction},
        });
    }
    return numbers;
}

QJsonObject fengShui(const ReadingResults &results)
{
    return {
        {QStringLiteral("number"), results.FengShuiNumber},
        {QStringLiteral("group"), results.lblFengShuiGroup},
        {QStringLiteral("element"), results.lblFengShuiElement},
        {QStringLiteral("trigram"), results.lblFengShuiTrigram},
    };
}

} // namespace

QJsonObject toJson(const PersonalDetails &details, const QString &isoDate,
                   const ReadingResults &results, const QString &file)
{
    // Counted as the engine counts them for the chart.
    const DigitCounts counts =
        modNineStarKey::countDigits(details.BirthDay, details.BirthMonth, details.BirthYear);
    return {
        {QStringLiteral("name"), details.Name},
        {QStringLiteral("birthDate"), isoDate},
        {QStringLiteral("birthDigits"),
         modNineStarKey::BirthDigits(details.BirthDay, details.BirthMonth, details.BirthYear)},
        {QStringLiteral("counts"), countsObject(counts)},
        {QStringLiteral("favourable"), favourable(counts)},
        {QStringLiteral("fengShui"), fengShui(results)},
        {QStringLiteral("file"), file.isEmpty() ? QJsonValue() : file},
    };
}

QJsonObject failure(const QString &file, const QString &problem)
{
    return {{QStringLiteral("file"), file}, {QStringLiteral("error"), problem}};
}

QString toText(const QJsonObject &object, bool inArray)
{
    QString text =
        escapeControls(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)));
    if (!inArray)
        return text;
    const QString indent(4, QLatin1Char(' '));
    text.chop(1); // the line end
    return indent + text.replace(QLatin1Char('\n'), QLatin1Char('\n') + indent);
}

} // namespace ReadingJson
