#pragma once

#include "desktop/Platform.h"
#include "details/PersonalDetails.h"

#include <QString>
#include <QStringList>
#include <optional>

// The contents of the personal-details lists, the validation of an entry and
// its capture into a PersonalDetails record, free of any widget.
namespace PersonalDetailsRules {

// The list items: days "1" to "31", the twelve month names (English: what a
// calculation captures and a file stores, whatever language the list is
// shown in), years "1900" to "2050".
const QStringList &dayItems();
const QStringList &monthItems();
const QStringList &yearItems();

// The items selected when the window opens: 1, January, 1970.
constexpr int kPresetDayIndex = 0;
constexpr int kPresetMonthIndex = 0;
constexpr int kPresetYearIndex = 70;

// What a failed check tells the user, in the user's language; `focusName`
// says whether the focus goes to the name field. `englishMessage` is the
// message in English whatever the language, as numorra-report --json gives it.
struct ValidationFailure
{
    QString message;
    Platform::Icon icon;
    bool focusName;
    QString englishMessage;
};

// Checks an entry in order: empty name, February, then the thirty-day months.
// `dayIndex` and `monthIndex` are list positions (0-based); `yearText` the
// selected year. Returns the first failure, or nothing when the entry is good.
std::optional<ValidationFailure> validate(const QString &nameText, int dayIndex, int monthIndex,
                                          const QString &yearText);

// The text without its leading and trailing blanks; tabs and no-break spaces stay.
QString trimSpaces(const QString &text);

// The text on one line: each run of line breaks (CR, LF) becomes one blank.
QString oneLine(const QString &text);

// The record built from the selected texts; BirthDate is read from
// "day month year" (English month name).
PersonalDetails capture(const QString &nameText, const QString &dayText, const QString &monthText,
                        const QString &yearText);

// The calendar date of day text, English month name and year text; an
// invalid QDate when they name no day.
QDate birthDateOf(const QString &day, const QString &monthName, const QString &year);

} // namespace PersonalDetailsRules
