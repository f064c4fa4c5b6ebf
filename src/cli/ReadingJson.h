#pragma once

#include <QJsonObject>
#include <QString>

class ReadingResults;
struct PersonalDetails;

// A calculated reading as JSON: the details, the birth chart and its
// favourable numbers, and the feng shui profile. numorra-report --help
// documents the fields.
namespace ReadingJson {

// `isoDate` is the date of birth as YYYY-MM-DD (1900-02-29 too, which QDate
// lacks); `file` the saved reading it came from, empty for none (null in the JSON).
QJsonObject toJson(const PersonalDetails &details, const QString &isoDate,
                   const ReadingResults &results, const QString &file);
// The entry of a file that could not be reported: {"error": ..., "file": ...}.
QJsonObject failure(const QString &file, const QString &problem);

// The object as printed, indented; as an element of an array when `inArray`
// (indented one step more, without a line end after it).
QString toText(const QJsonObject &object, bool inArray);

} // namespace ReadingJson
