#include "ReadingJson.h"

#include "numerology/modNineStarKey.h"
#include "reading/ReadingResults.h"
#include "support/PersonalDetails.h"

#include <QJsonArray>

namespace ReadingJson {

namespace {

int countOf(const modNineStarKey::ChartDigitsTable &chart, int number)
{
    return static_cast<int>(chart[static_cast<size_t>(number - 1)].size());
}

QJsonObject counts(const modNineStarKey::ChartDigitsTable &chart)
{
    QJsonObject counts;
    for (int number = 1; number <= 9; ++number)
        counts.insert(QString::number(number), countOf(chart, number));
    return counts;
}

QJsonArray favourable(const modNineStarKey::ChartDigitsTable &chart)
{
    QJsonArray numbers;
    for (const int number : modNineStarKey::FavourableNumbers(modNineStarKey::countsOf(chart))) {
        const QString direction = modNineStarKey::NumberDirections(number);
        numbers.append(QJsonObject{
            {QStringLiteral("number"), number},
            {QStringLiteral("occurrences"), countOf(chart, number)},
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

QJsonObject toJson(const PersonalDetails &details, const ReadingResults &results,
                   const QString &file)
{
    const QString digits =
        modNineStarKey::BirthDigits(details.BirthDay, details.BirthMonth, details.BirthYear);
    const modNineStarKey::ChartDigitsTable chart = modNineStarKey::ChartDigits(digits);
    return {
        {QStringLiteral("name"), details.Name},
        {QStringLiteral("birthDate"), details.BirthDate.toString(Qt::ISODate)},
        {QStringLiteral("birthDigits"), digits},
        {QStringLiteral("counts"), counts(chart)},
        {QStringLiteral("favourable"), favourable(chart)},
        {QStringLiteral("fengShui"), fengShui(results)},
        {QStringLiteral("file"), file.isEmpty() ? QJsonValue() : file},
    };
}

} // namespace ReadingJson
