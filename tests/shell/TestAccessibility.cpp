// Walks every window as a screen reader does, through QAccessible, and as a
// keyboard user does, looking at the mark of the focus on each control.
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
#include "widgets/ProgramStyle.h"

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

// What a screen reader says an element is for: its name, and its labels'
// (a list's name on Linux is its value).
QString nameOf(QAccessibleInterface *node)
{
    QString name = node->role() == QAccessible::ComboBox ? "" : node->text(QAccessible::Name);
    for (const auto &[label, relation] : node->relations(QAccessible::Label))
        name += qobject_cast<QLabel *>(label->object()) ? label->text(QAccessible::Name) : "";
    return name;
}

// Every interactive element below `node` that has no name, as "role (object name)".
void collectNameless(QAccessibleInterface *node, QStringList &nameless, int depth = 0)
{
    if (!node || depth > 30)
        return;
    if (isInteractive(node) && nameOf(node).trimmed().isEmpty()) {
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

// The contrast ratio of two colours, as WCAG 2 defines it.
double contrast(QRgb first, QRgb second)
{
    const auto luminance = [](QRgb rgb) {
        double sum = 0;
        for (const auto &[value, weight] :
             {std::pair{qRed(rgb), 0.2126}, std::pair{qGreen(rgb), 0.7152},
              std::pair{qBlue(rgb), 0.0722}}) {
            const double c = value / 255.0;
            sum += weight * (c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return sum + 0.05;
    };
    return qMax(luminance(first), luminance(second)) / qMin(luminance(first), luminance(second));
}

// Each control of `window` reached with Tab, as "name ratio" where the colour
// most of its changed pixels take on gaining the focus stands out from what
// they were by less than 3:1 (or nothing marks the focus).
QStringList faintFocusMarks(QWidget *window)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return {QStringLiteral("the window did not become active")};
    QTest::keyClick(window, Qt::Key_Tab); // the keyboard moves the focus from now on
    QStringList faint;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisibleTo(window) ||
            control->focusProxy())
            continue;
        window->setFocus();
        const QImage before = control->grab().toImage();
        control->setFocus(Qt::TabFocusReason);
        const QImage after = control->grab().toImage();
        QHash<QPair<QRgb, QRgb>, int> changes; // (focused, unfocused) colour -> pixels
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (after.pixel(x, y) != before.pixel(x, y))
                    ++changes[{after.pixel(x, y), before.pixel(x, y)}];
        const auto mark = std::max_element(changes.cbegin(), changes.cend());
        const double ratio = changes.isEmpty() ? 0 : contrast(mark.key().first, mark.key().second);
        if (ratio < 3.0 || mark.value() < 20)
            faint << control->objectName() + QStringLiteral(" %1").arg(ratio);
    }
    return faint;
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
    QApplication::setStyle(new ProgramStyle); // the program's, whose focus marks are looked at
    RecordingPlatform platform;
    ApplicationShell shell(platform);
    frmMain *main = shell.openMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QCOMPARE(namelessIn(main), QStringList());
    QCOMPARE(faintFocusMarks(main), QStringList());
    // What only a screen reader is told lies over nothing on screen.
    QRegion shown;
    for (const QWidget *field : main->fraDetails->findChildren<QWidget *>()) {
        QVERIFY(!field->isVisible() || !shown.intersects(field->geometry()));
        shown += field->isVisible() ? field->geometry() : QRect();
    }

    enterDetails(main, "Anna Lee", "11", "November", "1911");
    main->RunCalculation();
    frmNineStar *reading = shell.readingWindow();
    QVERIFY(QTest::qWaitForWindowExposed(reading));
    QCOMPARE(namelessIn(reading), QStringList());
    QCOMPARE(faintFocusMarks(reading), QStringList());
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
    QCOMPARE(faintFocusMarks(preview), QStringList());
    preview->hide();

    auto *about = new frmAbout(platform, reading);
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(namelessIn(about), QStringList());
    QCOMPARE(faintFocusMarks(about), QStringList());
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
