#include "fengshui/modFengShui.h"

#include "fengshui/ElementDescriptions.h"
#include "language/Translations.h"
#include "reading/ReadingResults.h"

#include <array>
#include <stdexcept>

namespace modFengShui {

namespace {

int digitValue(QChar character)
{
    if (character < QLatin1Char('0') || character > QLatin1Char('9'))
        throw std::invalid_argument("year characters are not digits");
    return character.unicode() - '0';
}

int digitSum(int value)
{
    return value / 10 + value % 10;
}

// Sets `holder` to the key equal to `caption`; a caption matching no key
// leaves the holder as it was.
void choosePicture(QString &holder, const QStringList &keys, const QString &caption)
{
    for (const QString &key : keys) {
        if (key == caption) {
            holder = key;
            return;
        }
    }
}

} // namespace

const FengShuiProfile *FengShuiProfileTable(int number)
{
    static const std::array<FengShuiProfile, 9> table = {{
        {QStringLiteral("East"), QStringLiteral("Water"), QStringLiteral("Kan")},
        {QStringLiteral("West"), QStringLiteral("Earth"), QStringLiteral("Kun")},
        {QStringLiteral("East"), QStringLiteral("Wood"), QStringLiteral("Chen")},
        {QStringLiteral("East"), QStringLiteral("Wood"), QStringLiteral("Sun")},
        {QStringLiteral("West"), QStringLiteral("Earth"), QStringLiteral("Kun")},
        {QStringLiteral("West"), QStringLiteral("Metal"), QStringLiteral("Chien")},
        {QStringLiteral("West"), QStringLiteral("Metal"), QStringLiteral("Tui")},
        {QStringLiteral("West"), QStringLiteral("Earth"), QStringLiteral("Ken")},
        {QStringLiteral("West"), QStringLiteral("Fire"), QStringLiteral("Li")},
    }};
    if (number < 1 || number > 9)
        return nullptr;
    return &table[static_cast<size_t>(number - 1)];
}

qint16 ComputeFengShuiNumber(QStringView yearDigits)
{
    if (yearDigits.isEmpty())
        throw std::invalid_argument("no year characters");
    int sum = digitValue(yearDigits.front()) + digitValue(yearDigits.back());
    if (sum >= 10)
        sum = digitSum(sum); // reduced once: 10 to 18 become 1 to 9
    int number = 10 - sum;
    if (number >= 10)
        number = digitSum(number); // only "00" gets here: 10 becomes 1
    return static_cast<qint16>(number);
}

void ShowFengShuiProfile(ReadingResults &results, qint16 number)
{
    const FengShuiProfile *profile = FengShuiProfileTable(number);
    if (profile == nullptr)
        return;
    results.lblFengShuiGroup = profile->group;
    results.lblFengShuiElement = profile->element;
    results.lblFengShuiTrigram = profile->trigram;
}

void ShowElementDescription(ReadingResults &results)
{
    // Each entry's whole text, put together once for the language in force.
    static QStringList texts;
    static int generation = -1;
    if (generation != Translations::generation()) {
        texts.clear();
        for (const ElementDescription &description : ElementDescriptions())
            texts.append(description.text());
        generation = Translations::generation();
    }
    const QVector<ElementDescription> &descriptions = ElementDescriptions();
    for (qsizetype index = 0; index < descriptions.size(); ++index) {
        if (descriptions.at(index).element == results.lblFengShuiElement) {
            results.lblElementDesc = texts.at(index);
            return;
        }
    }
}

void ShowFengShuiPictures(ReadingResults &results)
{
    choosePicture(results.imgElement, ReadingResults::elementPictureKeys(),
                  results.lblFengShuiElement);
    choosePicture(results.imgTrigram, ReadingResults::trigramPictureKeys(),
                  results.lblFengShuiTrigram);
}

} // namespace modFengShui
