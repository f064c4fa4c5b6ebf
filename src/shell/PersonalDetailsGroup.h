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

    // Selects the item equal to `text`; any other text keeps the selection.
    static bool selectListItem(QComboBox *list, const QString &text);

    QLineEdit *txtName = nullptr;
    QComboBox *cboDate = nullptr;
    QComboBox *cboMonth = nullptr;
    QComboBox *cboYear = nullptr;

private:
    void keepNameOnOneLine();
    QComboBox *addList(const QString &objectName, const QString &accessibleName, int left,
                       int width);

    Platform &m_platform;
    PersonalDetails &m_details;
};
