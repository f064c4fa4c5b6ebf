#pragma once

#include <QGroupBox>

class Platform;
class QComboBox;
class QLineEdit;
struct PersonalDetails;

// The "Personal Details" group: the name field and the day, month and year lists.
class PersonalDetailsGroup : public QGroupBox
{
    Q_OBJECT

public:
    // `details` is the record the group captures into; it must outlive the group.
    PersonalDetailsGroup(Platform &platform, PersonalDetails &details, QWidget *parent = nullptr);

    // Fills the three lists from scratch and presets them to 1, January, 1970.
    void FillPersonalDetailsLists();
    // Tells the user what is wrong, if anything; only an empty name takes the focus.
    bool ValidatePersonalDetails();
    // Copies the fields into the personal details record.
    void CapturePersonalDetails();

    // Selects the item that stands for `text` (for the month list its English
    // name, whatever language the list is shown in); any other text keeps the
    // selection.
    static bool selectListItem(QComboBox *list, const QString &text);
    // What the selected item stands for: a day, an English month name, a year.
    static QString itemValue(const QComboBox *list);

    QLineEdit *txtName = nullptr;
    QComboBox *cboDate = nullptr;
    QComboBox *cboMonth = nullptr;
    QComboBox *cboYear = nullptr;

private:
    void keepNameOnOneLine();
    void putNameOnOneLine(const QString &text);
    // Items showing `captions`, each standing for the value at its position.
    static void fillList(QComboBox *list, const QStringList &captions, const QStringList &values);
    void nameForScreenReaders(QComboBox *list);
    QComboBox *addList(const QString &objectName, const QString &accessibleName, int left,
                       int width);

    Platform &m_platform;
    PersonalDetails &m_details;
    QString m_oneLineName; // the name field's text when it last held one line
};
