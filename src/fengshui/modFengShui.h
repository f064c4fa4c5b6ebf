#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

class ReadingResults;

// The feng shui steps: the number of the birth year, its group, element and
// trigram, the element's description and the two pictures.
namespace modFengShui {

struct FengShuiProfile
{
    QString group;
    QString element;
    QString trigram;
};

// The profile of a feng shui number 1 to 9; numbers 2 and 5 share their texts.
const FengShuiProfile *FengShuiProfileTable(int number);

// The number from the third and fourth characters of the birth year ("75"
// gives 7, "00" gives 1). Throws std::invalid_argument unless both are digits.
qint16 ComputeFengShuiNumber(QStringView yearDigits);

// Group, element and trigram of the number, in English (the keys the later
// steps look up, and what numorra-report --json gives; the reading window
// shows them translated); nothing for a number outside 1 to 9.
void ShowFengShuiProfile(ReadingResults &results, qint16 number);
// The description of the element the profile step wrote, in the user's
// language; nothing if it matches none.
void ShowElementDescription(ReadingResults &results);
// The element and trigram pictures whose keys (in the reading window's picture
// lists) equal the captions exactly.
void ShowFengShuiPictures(ReadingResults &results);

} // namespace modFengShui
