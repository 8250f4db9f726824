// Help: the help button and F1 open the program's help window at
// "Contents" or "Index"; a missing help file is reported by that window.
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBrowser>

#include "Unit1.h"
#include "Unit2.h"
#include "helpviewer.h"
#include "startup.h"
#include "testkit.h"

using namespace testkit;

namespace {
HelpViewer *viewer()
{
    return Form1->findChild<HelpViewer *>(QString(), Qt::FindDirectChildrenOnly);
}
int scrolled()
{
    return viewer()->browser()->verticalScrollBar()->value();
}
} // namespace

class HelpTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { startApp(); }
    void cleanup()
    {
        stopApp();
        HelpViewer::setHelpFile(QStringLiteral(QUILLMARSH_TEST_HELP));
    }

    void theHelpButtonShowsTheContents()
    {
        QVERIFY(!viewer()); // nothing is made before it is asked for
        QTest::mouseClick(Form1->Button13, Qt::LeftButton);
        QVERIFY(viewer() && viewer()->isVisible());
        const QString text = viewer()->browser()->toPlainText();
        QVERIFY(text.contains("Contents"));
        QVERIFY(text.contains("Basic Settings"));
        QVERIFY(text.contains("Scripts"));
        QVERIFY(scrolled() < 20); // the contents stand at the top
    }

    void f1GivesContentsOnTheHelpButtonAndIndexElsewhere()
    {
        Form1->activateWindow();
        edit("Edit2")->setFocus();
        QTest::keyClick(edit("Edit2"), Qt::Key_F1);
        QVERIFY(viewer() && viewer()->isVisible());
        QVERIFY(scrolled() > 200); // the index stands at the end

        Form1->activateWindow();
        Form1->Button13->setFocus();
        QTest::keyClick(Form1->Button13, Qt::Key_F1);
        QVERIFY(scrolled() < 20);
    }

    void f1DoesNothingInThePreview()
    {
        QTest::mouseClick(Form1->Button12, Qt::LeftButton);
        QApplication::setActiveWindow(Form2);
        Form2->Memo1->setFocus();
        QCOMPARE(QApplication::focusWidget(), Form2->Memo1);
        QTest::keyClick(Form2->Memo1, Qt::Key_F1);
        QVERIFY(!viewer());
    }

    void aMissingHelpFileIsReportedByTheHelpWindow()
    {
        HelpViewer::setHelpFile(QStringLiteral("/no/such/place/help.hlp"));
        QTest::mouseClick(Form1->Button13, Qt::LeftButton);
        QVERIFY(viewer() && viewer()->isVisible());
        QVERIFY(viewer()->browser()->toPlainText().contains("/no/such/place/help.hlp"));
        QVERIFY(viewer()->browser()->toPlainText().contains("could not be opened"));
    }
};

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
