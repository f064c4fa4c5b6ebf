#include "TestWindows.h"
#include "qtdesktop/FileDialog.h"

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

class TestFileDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void filters_data();
    void filters();
    void refusals_data();
    void refusals();
    void staysOpenOnARefusedFile();

private:
    QTemporaryDir m_folder;
    QString m_readOnly;
    QString m_writable;
};

void TestFileDialog::initTestCase()
{
    m_readOnly = m_folder.filePath("kept.qnr");
    m_writable = m_folder.filePath("open.qnr");
    for (const QString &path : {m_readOnly, m_writable}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::setPermissions(m_readOnly, QFile::ReadOwner | QFile::ReadGroup));
}

void TestFileDialog::filters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("qtFilter");
    QTest::newRow("label with pattern") << "Numorra (*.qnr)|*.qnr"
                                        << "Numorra (*.qnr)";
    QTest::newRow("label without pattern") << "Numorra | *.qnr"
                                           << "Numorra (*.qnr)";
    QTest::newRow("two filters") << "A|*.a|B (*.b)|*.b"
                                 << "A (*.a);;B (*.b)";
}

void TestFileDialog::filters()
{
    QFETCH(QString, filter);
    QFETCH(QString, qtFilter);
    QCOMPARE(FileDialog::qtFilter(filter), qtFilter);
}

void TestFileDialog::refusals_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("refusal"); // part of the message; empty: accepted
    const QString readOnly = "This file is read-only";
    const QString noFolder = "The folder does not exist";
    QTest::newRow("save over a writable file") << true << "open.qnr" << QString();
    QTest::newRow("save a new file") << true << "new.qnr" << QString();
    QTest::newRow("save over a read-only file") << true << "kept.qnr" << readOnly;
    QTest::newRow("save into a missing folder") << true << "missing/new.qnr" << noFolder;
    QTest::newRow("open a writable file") << false << "open.qnr" << QString();
    QTest::newRow("open a read-only file") << false << "kept.qnr" << readOnly;
}

void TestFileDialog::refusals()
{
    QFETCH(bool, save);
    QFETCH(QString, file);
    QFETCH(QString, refusal);
    const Platform::FileDialogRequest request =
        save ? Platform::FileDialogRequest::toSave("Numorra", "Numorra | *.qnr", "qnr")
             : Platform::FileDialogRequest::toOpen("Numorra (*.qnr)|*.qnr", "qnr");
    const FileDialog dialog(request, save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    const QString why = dialog.refusal(m_folder.filePath(file));
    QCOMPARE(why.isEmpty(), refusal.isEmpty());
    QVERIFY2(why.contains(refusal), qPrintable(why));
}

void TestFileDialog::staysOpenOnARefusedFile()
{
    FileDialog dialog(Platform::FileDialogRequest::toSave("Numorra", "Numorra | *.qnr", "qnr"),
                      QFileDialog::AcceptSave);
    dialog.setDirectory(m_folder.path());
    dialog.show();
    dialog.selectFile(m_readOnly);
    QString told;
    whenModalOpens([&told](QWidget *box) {
        told = static_cast<QMessageBox *>(box)->text();
        box->close();
    });
    dialog.accept();
    QVERIFY(told.contains("read-only"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));

    dialog.selectFile(m_folder.filePath("new.qnr"));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedFiles(), QStringList{m_folder.filePath("new.qnr")});
}

QTEST_MAIN(TestFileDialog)
#include "TestFileDialog.moc"
