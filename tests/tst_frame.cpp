// The main window's frame: its pages and sub-pages, the bottom row, the
// names of the controls, and the whole file written with every default.
#include <QLabel>
#include <QProcess>
#include <QTabBar>
#include <QTabWidget>

#include "Unit1.h"
#include "Unit2.h"
#include "multirowtabs.h"
#include "startup.h"
#include "testkit.h"

using namespace testkit;

class FrameTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void theMainWindow()
    {
        QCOMPARE(Form1->objectName(), "Form1");
        QCOMPARE(Form2->objectName(), "Form2");
        QCOMPARE(Form1->windowTitle(), "Quillmarsh");
        QCOMPARE(applicationTitle(), "Quillmarsh");
        QVERIFY(!(Form1->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(Form1->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(Form1->Pages->size(), QSize(625, 409));
        QCOMPARE(Form1->font().pointSize(), 8);
        QVERIFY(!Form2->isVisible());
    }

    void pagesAndSubPagesInOrder()
    {
        const QStringList captions = {"Basic Settings", "Log Files", "Console - Files/Directories",
                                      "Botnet/Dcc/Telnet", "Advance", "Modules", "Scripts"};
        const QStringList names = {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4",
                                   "TabSheet5", "TabSheet6", "TabSheet7"};
        QCOMPARE(Form1->Pages->count(), 7);
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(Form1->Pages->tabText(i), captions[i]);
            QCOMPARE(Form1->Pages->widget(i)->objectName(), names[i]);
        }
        const QStringList subCaptions = {"Channels", "Channels #2", "Server", "Server #2",
                                         "Dns/Ctcp", "Irc", "Irc #2", "Transfer/Compress",
                                         "Share", "File System", "Notes", "Console", "Others"};
        const QStringList subNames = {"TabSheet8", "TabSheet18", "TabSheet9", "TabSheet19",
                                      "TabSheet10", "TabSheet11", "TabSheet20", "TabSheet12",
                                      "TabSheet13", "TabSheet14", "TabSheet15", "TabSheet16",
                                      "TabSheet17"};
        MultiRowTabWidget *modules = Form1->PageControl1;
        QCOMPARE(modules->count(), 13);
        for (int i = 0; i < 13; ++i) {
            QCOMPARE(modules->tabText(i), subCaptions[i]);
            QCOMPARE(modules->widget(i)->objectName(), subNames[i]);
        }
        QCOMPARE(Form1->Pages->currentIndex(), 0);
        QCOMPARE(modules->currentIndex(), 0);
    }

    void theConsoleSubPageShowsNoInnerTabs()
    {
        auto *inner = control<QTabWidget>("PageControl2");
        showPageOf(inner);
        QCOMPARE(inner->count(), 1);
        QCOMPARE(inner->currentWidget()->objectName(), "TabSheet32");
        QVERIFY(inner->currentWidget()->isVisible());
        QVERIFY(!inner->tabBar()->isVisible());
    }

    void theBottomRow()
    {
        QCOMPARE(Form1->Button12->text(), "Preview Config File ! ! !");
        QCOMPARE(Form1->Button7->text(), "Save Config File ! ! !");
        QCOMPARE(Form1->Button13->text(), "Help");
        for (QPushButton *b : {Form1->Button12, Form1->Button7, Form1->Button13})
            QCOMPARE(b->size(), QSize(193, 25));
        QVERIFY(Form1->Button12->x() < Form1->Button7->x());
        QVERIFY(Form1->Button7->x() < Form1->Button13->x());
        // The keyboard visits save before preview although it stands to its right.
        Form1->activateWindow();
        Form1->Button7->setFocus();
        QTest::keyClick(Form1->Button7, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Form1->Button12);
        QTest::keyClick(Form1->Button12, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Form1->Button13);
        QTest::keyClick(Form1->Button7, Qt::Key_Backtab);
        Form1->Button7->setFocus();
        QTest::keyClick(Form1->Button7, Qt::Key_Backtab);
        QVERIFY(QApplication::focusWidget() != Form1->Button12);
    }

    void controlNamesAreUniqueAndEditsAreNamedForAssistiveTechnology()
    {
        QStringList duplicates;
        QSet<QString> seen;
        const auto widgets = Form1->findChildren<QWidget *>();
        for (const QWidget *w : widgets) {
            const QString name = w->objectName();
            if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || w->window() != Form1
                || qobject_cast<const QTabBar *>(w->parentWidget()))
                continue;
            if (seen.contains(name))
                duplicates << name;
            seen.insert(name);
        }
        QVERIFY2(duplicates.isEmpty(), qPrintable(duplicates.join(", ")));

        QStringList unnamed;
        for (const QLineEdit *e : Form1->findChildren<QLineEdit *>()) {
            if (e->window() == Form1 && e->objectName().startsWith(QLatin1String("Edit"))
                && labelOf(e->objectName()).isNull() && e->accessibleName().isEmpty())
                unnamed << e->objectName();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    }

    // An EditN is a line edit, and the label that names a control is called
    // Label and the control's name, on every page.
    void labelsAndEditsFollowTheNamingScheme()
    {
        QStringList misnamed;
        for (const QWidget *w : Form1->findChildren<QWidget *>()) {
            if (w->window() != Form1)
                continue;
            if (w->objectName().startsWith(QLatin1String("Edit")) && !qobject_cast<const QLineEdit *>(w))
                misnamed << w->objectName();
            const auto *label = qobject_cast<const QLabel *>(w);
            if (label && label->buddy()
                && label->objectName() != QLatin1String("Label") + label->buddy()->objectName())
                misnamed << label->objectName();
        }
        QVERIFY2(misnamed.isEmpty(), qPrintable(misnamed.join(", ")));
    }

    void theDefaultFile()
    {
        const QByteArray file = generate();
        QCOMPARE(file, golden("default.conf"));
        QCOMPARE(generate(), file); // twice the same
    }

    void withoutADisplayTheProgramSaysSoAndExits_data()
    {
        QTest::addColumn<QString>("display");
        QTest::newRow("no display named") << QString();
        QTest::newRow("a display that is not there") << ":97";
    }

    void withoutADisplayTheProgramSaysSoAndExits()
    {
        QFETCH(QString, display);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        if (!display.isEmpty())
            env.insert("DISPLAY", display);
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(QUILLMARSH_PROGRAM), {});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QVERIFY(program.readAllStandardError().contains("cannot open a window"));
    }
};

QTEST_MAIN(FrameTest)
#include "tst_frame.moc"
