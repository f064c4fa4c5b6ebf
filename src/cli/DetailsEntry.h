#pragma once

#include "details/PersonalDetails.h"
#include "details/PersonalDetailsRules.h"
#include "reading/ReadingFile.h"

#include <QString>

class QLocale;

// What the main window's fields hold: the name field's text and the entries
// selected in the day, month and year lists (positions, 0-based).
struct DetailsEntry
{
    // The name field holds no more characters than this (a line edit's maximum).
    static constexpr qsizetype kNameFieldLength = 32767;

    QString nameText;
    int dayIndex = PersonalDetailsRules::kPresetDayIndex;
    int monthIndex = PersonalDetailsRules::kPresetMonthIndex;
    int yearIndex = PersonalDetailsRules::kPresetYearIndex;

    // The fields as opening a saved reading sets them: the name as stored (cut
    // to what the field holds), and each list at the entry equal to its line;
    // a line matching no entry leaves that list at its preset.
    static DetailsEntry fromFile(const ReadingFile::Fields &fields);

    // The list positions of a day 1 to 31, a month (its English name in any
    // case, or 1 to 12) and a year 1900 to 2050, written as typed (leading
    // zeros allowed); -1 for anything else.
    static int dayIndexOf(const QString &text);
    static int monthIndexOf(const QString &text);
    static int yearIndexOf(const QString &text);

    // Sets the three lists from a date YYYY-MM-DD, or from the locale's short
    // date (day, month and year in its order, the month as a number or a name,
    // the year in four digits). False when the text is no such date or names a
    // day, month or year the lists lack; a day the month lacks (31 April) is
    // left to the program's own rule, as in the main window.
    bool setIsoDate(const QString &text);
    bool setShortDate(const QString &text, const QLocale &locale);

    // The date as a file name gives it, YYYY-MM-DD.
    QString isoDate() const;

    // The program's own message when the entry cannot be calculated.
    std::optional<PersonalDetailsRules::ValidationFailure> failure() const;
    // The record a calculation captures from the fields.
    PersonalDetails capture() const;
};
