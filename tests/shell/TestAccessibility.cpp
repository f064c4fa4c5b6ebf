// Walks every window as a screen reader does, through QAccessible.
#include "RecordingPlatform.h"
#include "TestWindows.h"
#include "readingwindows/LoShuChartPane.h"
#include "readingwindows/RichPaneView.h"
#include "readingwindows/frmNineStar.h"
#include "readingwindows/frmSave.h"
#include "shell/ApplicationShell.h"
#include "shell/PersonalDetailsGroup.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

bool isInteractive(const QAccessibleInterface *node)
{
    static const QSet<QAccessible::Role> roles = {
        QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton,
        QAccessible::ComboBox,   QAccessible::EditableText, QAccessible::Link,
        QAccessible::PageTab,    QAccessible::MenuItem,     QAccessible::SpinBox};
    return roles.contains(node->role()) || node->state().focusable;
}

// Every interactive element below `node` that has no name, as "role (object name)".
void collectNameless(QAccessibleInterface *node, QStringList &nameless, int depth = 0)
{
    if (!node || depth > 30)
        return;
    if (isInteractive(node) && node->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject *object = node->object();
        nameless << QStringLiteral("%1 (%2)")
                        .arg(node->role())
                        .arg(object ? object->objectName() : QStringLiteral("?"));
    }
    for (int index = 0; index < node->childCount(); ++index)
        collectNameless(node->child(index), nameless, depth + 1);
}

QStringList namelessIn(QWidget *window)
{
    QStringList nameless;
    collectNameless(QAccessible::queryAccessibleInterface(window), nameless);
    return nameless;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyInteractiveElementHasAName();
    void chartCellsSayTheirCounts();
};

void TestAccessibility::everyInteractiveElementHasAName()
{
    RecordingPlatform platform;
    ApplicationShell shell(platform);
    frmMain *main = shell.openMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QCOMPARE(namelessIn(main), QStringList());

    enterDetails(main, "Anna Lee", "11", "November", "1911");
    main->RunCalculation();
    frmNineStar *reading = shell.readingWindow();
    QVERIFY(QTest::qWaitForWindowExposed(reading));
    QCOMPARE(namelessIn(reading), QStringList());
    // The reading pane gives its text to the screen reader.
    QAccessibleInterface *pane =
        QAccessible::queryAccessibleInterface(reading->picLoShuSquare->RTBLoshu);
    QAccessibleTextInterface *text = pane->textInterface();
    QVERIFY(text);
    QVERIFY(text->text(0, text->characterCount()).startsWith("Most Favorable Number"));

    auto *preview = new frmSave(platform, shell.personalDetails(), reading->results(), reading);
    preview->show();
    QVERIFY(QTest::qWaitForWindowExposed(preview));
    QCOMPARE(namelessIn(preview), QStringList());

    auto *about = new frmAbout(platform, reading);
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(namelessIn(about), QStringList());
    deleteAllWindows();
}

void TestAccessibility::chartCellsSayTheirCounts()
{
    QCOMPARE(LoShuChartPane::cellDescription(1, "[1]\r\n1111111"),
             QStringLiteral("Number 1, occurs 7 times"));
    QCOMPARE(LoShuChartPane::cellDescription(9, "[9]\r\n9"),
             QStringLiteral("Number 9, occurs once"));
    QCOMPARE(LoShuChartPane::cellDescription(4, "[4]\r\n"),
             QStringLiteral("Number 4, does not occur"));
    QCOMPARE(LoShuChartPane::cellDescription(5, "[5]"), QStringLiteral("Number 5"));
}

QTEST_MAIN(TestAccessibility)
#include "TestAccessibility.moc"
