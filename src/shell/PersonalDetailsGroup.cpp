#include "shell/PersonalDetailsGroup.h"

#include "desktop/Platform.h"
#include "details/PersonalDetails.h"
#include "details/PersonalDetailsRules.h"
#include "widgets/Colours.h"
#include "widgets/Twips.h"
#include "widgets/WidgetStyle.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

PersonalDetailsGroup::PersonalDetailsGroup(Platform &platform, PersonalDetails &details,
                                           QWidget *parent)
    : QGroupBox(tr("Personal Details"), parent), m_platform(platform), m_details(details)
{
    setObjectName(QStringLiteral("fraDetails"));
    setFont(WidgetStyle::boldWindowFont());
    WidgetStyle::setColours(this, Colours::kLightGreen, Colours::kWindowGreen);

    QLabel *nameLabel =
        WidgetStyle::addLabel(this, QStringLiteral("lblName"), tr("Name"), 480, 480, 495, 195);
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setAccessibleName(tr("Name"));
    txtName->setGeometry(Twips::rect(1050, 390, 3175, 345));
    nameLabel->setBuddy(txtName);
    keepNameOnOneLine();

    QLabel *dayLabel = WidgetStyle::addLabel(this, QStringLiteral("lblBirthDay"), tr("Birth Day"),
                                             180, 930, 810, 195);
    cboDate = addList(QStringLiteral("cboDate"), tr("Birth day"), 1050, 645);
    cboMonth = addList(QStringLiteral("cboMonth"), tr("Birth month"), 1755, 1305);
    cboYear = addList(QStringLiteral("cboYear"), tr("Birth year"), 3120, 1095);
    dayLabel->setBuddy(cboDate);
    nameForScreenReaders(cboMonth);
    nameForScreenReaders(cboYear);

    for (QWidget *field : {static_cast<QWidget *>(nameLabel), static_cast<QWidget *>(dayLabel)}) {
        field->setFont(WidgetStyle::windowFont());
        WidgetStyle::setColours(field, Colours::kLightGreen);
        static_cast<QLabel *>(field)->setWordWrap(false);
    }
    txtName->setFont(WidgetStyle::windowFont());
    WidgetStyle::setColours(txtName, Colours::kLightGreen, Colours::kFieldGrey);

    setTabOrder(txtName, cboDate);
    setTabOrder(cboDate, cboMonth);
    setTabOrder(cboMonth, cboYear);
}

void PersonalDetailsGroup::keepNameOnOneLine()
{
    // A name pasted from several lines keeps its words on one line.
    connect(txtName, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (PersonalDetailsRules::oneLine(text) == text)
            m_oneLineName = text;
        else
            putNameOnOneLine(text);
    });
}

// The text that came in is taken back and put in again on one line, so
// that the cursor follows it and one undo still gives back the name before.
void PersonalDetailsGroup::putNameOnOneLine(const QString &text)
{
    const QString before = m_oneLineName;
    qsizetype start = 0;
    while (start < before.size() && start < text.size() && before.at(start) == text.at(start))
        ++start;
    qsizetype end = 0; // the characters after what came in, the same in both
    while (end < before.size() - start && end < text.size() - start &&
           before.at(before.size() - 1 - end) == text.at(text.size() - 1 - end))
        ++end;
    txtName->undo();
    if (txtName->text() != before) { // set by the program: nothing to take back
        txtName->setText(PersonalDetailsRules::oneLine(text));
        return;
    }
    txtName->setSelection(int(start), int(before.size() - start - end));
    txtName->insert(PersonalDetailsRules::oneLine(text.mid(start, text.size() - start - end)));
}

QComboBox *PersonalDetailsGroup::addList(const QString &objectName, const QString &accessibleName,
                                         int left, int width)
{
    auto *list = new QComboBox(this);
    list->setObjectName(objectName);
    list->setAccessibleName(accessibleName);
    list->view()->setAccessibleName(accessibleName); // the list that drops down
    list->setEditable(false);
    list->setMaxVisibleItems(12);
    list->setGeometry(Twips::rect(left, 840, width, 315));
    list->setFont(WidgetStyle::windowFont());
    WidgetStyle::setColours(list, Colours::kLightGreen, Colours::kFieldGrey);
    return list;
}

// A screen reader on Linux names a list by its value ("January") and takes
// what it is for from the label whose buddy it is: the month and year lists
// have no label to see, so each gets one that only a screen reader meets.
void PersonalDetailsGroup::nameForScreenReaders(QComboBox *list)
{
    auto *label = new QLabel(list->accessibleName(), this);
    label->setBuddy(list);
    label->hide();
}

void PersonalDetailsGroup::FillPersonalDetailsLists()
{
    cboDate->clear();
    cboMonth->clear();
    cboYear->clear();
    fillList(cboDate, PersonalDetailsRules::dayItems(), PersonalDetailsRules::dayItems());
    fillList(cboMonth, PersonalDetails::monthCaptions(), PersonalDetailsRules::monthItems());
    fillList(cboYear, PersonalDetailsRules::yearItems(), PersonalDetailsRules::yearItems());
    cboDate->setCurrentIndex(PersonalDetailsRules::kPresetDayIndex);
    cboMonth->setCurrentIndex(PersonalDetailsRules::kPresetMonthIndex);
    cboYear->setCurrentIndex(PersonalDetailsRules::kPresetYearIndex);
}

bool PersonalDetailsGroup::ValidatePersonalDetails()
{
    const auto failure = PersonalDetailsRules::validate(
        txtName->text(), cboDate->currentIndex(), cboMonth->currentIndex(), cboYear->currentText());
    if (!failure)
        return true;
    m_platform.showMessage(failure->message, failure->icon, Platform::Buttons::Ok);
    if (failure->focusName)
        txtName->setFocus();
    return false;
}

void PersonalDetailsGroup::CapturePersonalDetails()
{
    m_details = PersonalDetailsRules::capture(txtName->text(), itemValue(cboDate),
                                              itemValue(cboMonth), itemValue(cboYear));
}

void PersonalDetailsGroup::fillList(QComboBox *list, const QStringList &captions,
                                    const QStringList &values)
{
    for (qsizetype index = 0; index < values.size(); ++index)
        list->addItem(captions.at(index), values.at(index));
}

QString PersonalDetailsGroup::itemValue(const QComboBox *list)
{
    return list->currentData().toString();
}

bool PersonalDetailsGroup::selectListItem(QComboBox *list, const QString &text)
{
    const int index = list->findData(text, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    list->setCurrentIndex(index);
    return true;
}
