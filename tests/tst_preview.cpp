// The preview window and saving: what is shown, what is kept, what is
// written, byte for byte.
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>

#include "Unit1.h"
#include "Unit2.h"
#include "saveroutine.h"
#include "startup.h"
#include "testkit.h"

using namespace testkit;

namespace {

QByteArray memoBytes()
{
    return SaveRoutine::fileBytes(Form2->Memo1->document());
}

// Sends each character as a typed key, whatever it is.
void typeChars(QWidget *w, const QString &text)
{
    for (QChar c : text) {
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(w, Qt::Key_Return);
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

void paste(QWidget *w, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    w->setFocus();
    QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
}

void editMemo(const QString &text)
{
    Form2->Memo1->moveCursor(QTextCursor::Start);
    typeChars(Form2->Memo1, text);
}

void saveFromPreview(const QString &path, QString *offered = nullptr)
{
    answerSaveDialog(path, offered);
    QTest::mouseClick(Form2->Button7, Qt::LeftButton);
}

void saveFromMain(const QString &path, QString *offered = nullptr)
{
    answerSaveDialog(path, offered);
    QTest::mouseClick(Form1->Button7, Qt::LeftButton);
}

} // namespace

class PreviewTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        startApp();
    }
    void cleanup() { stopApp(); }

    void previewShowsTheFileForTheCurrentSettings()
    {
        QVERIFY(!Form2->isVisible());
        QVERIFY(Form2->Memo1->document()->isEmpty());
        type("Edit2", "Botty");
        QTest::mouseClick(Form1->Button12, Qt::LeftButton);
        QVERIFY(Form2->isVisible());
        QCOMPARE(Form2->windowTitle(), "Preview Eggdrop Config File ! ! !");
        QVERIFY(memoBytes().contains("\r\nset username \"Botty\"\r\n"));
        QCOMPARE(memoBytes(), generate());
        QVERIFY(memoBytes().startsWith("#!/path/to/executable/eggdrop\r\n\r\n### BASIC SETTINGS ###\r\n"));
        QVERIFY(memoBytes().endsWith("\r\n\r\n"));
    }

    void editsAreSavedFromThePreview()
    {
        QTest::mouseClick(Form1->Button12, Qt::LeftButton);
        editMemo("# mine\n");
        saveFromPreview(path("edited.conf"));
        const QByteArray saved = readFile(path("edited.conf"));
        QVERIFY(saved.startsWith("# mine\r\n#!/path/to/executable/eggdrop\r\n"));
        QCOMPARE(saved, memoBytes());
    }

    void reopeningThePreviewRegenerates()
    {
        QTest::mouseClick(Form1->Button12, Qt::LeftButton);
        editMemo("# mine\n");
        Form2->close();
        QVERIFY(!Form2->isVisible());
        type("Edit2", "Later");
        QTest::mouseClick(Form1->Button12, Qt::LeftButton);
        QVERIFY(!memoBytes().contains("# mine"));
        QVERIFY(memoBytes().contains("set username \"Later\""));
    }

    void previewButtonOnAnOpenPreviewOnlyRaisesIt()
    {
        QTest::mouseClick(Form1->Button12, Qt::LeftButton);
        editMemo("# mine\n");
        type("Edit2", "Later");
        QTest::mouseClick(Form1->Button12, Qt::LeftButton);
        QVERIFY(Form2->isVisible());
        QVERIFY(memoBytes().startsWith("# mine\r\n"));
        QVERIFY(memoBytes().contains("set username \"Lamest\""));
    }

    void mainSaveRegeneratesEvenWhenCancelled()
    {
        QTest::mouseClick(Form1->Button12, Qt::LeftButton);
        editMemo("# mine\n");
        saveFromMain(QString()); // cancel
        QCOMPARE(memoBytes(), generate());
        QVERIFY(!memoBytes().contains("# mine"));
        QVERIFY(Form2->isVisible());
    }

    void mainSaveWritesTheGeneratedFileOverAnOldOne()
    {
        QFile old(path("bot.conf"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
        old.close();
        saveFromMain(path("bot.conf"));
        QCOMPARE(readFile(path("bot.conf")), generate());
        QVERIFY(!Form2->isVisible());
    }

    void anEmptiedMemoSavesZeroBytes()
    {
        QTest::mouseClick(Form1->Button12, Qt::LeftButton);
        Form2->Memo1->selectAll();
        QTest::keyClick(Form2->Memo1, Qt::Key_Delete);
        saveFromPreview(path("empty.conf"));
        QVERIFY(QFile::exists(path("empty.conf")));
        QCOMPARE(readFile(path("empty.conf")).size(), 0);
    }

    void theLastLineIsEndedWhetherOrNotTheMemoEndsWithABreak()
    {
        QTest::mouseClick(Form1->Button12, Qt::LeftButton);
        Form2->Memo1->setPlainText("one\n\ntwo");
        QCOMPARE(memoBytes(), QByteArray("one\r\n\r\ntwo\r\n"));
        Form2->Memo1->setPlainText("one\n\ntwo\n");
        QCOMPARE(memoBytes(), QByteArray("one\r\n\r\ntwo\r\n"));
        Form2->Memo1->setPlainText("one\n\n");
        QCOMPARE(memoBytes(), QByteArray("one\r\n\r\n"));
    }

    void eachDialogRemembersItsOwnLastName()
    {
        QString offered;
        saveFromMain(path("main.conf"), &offered);
        QCOMPARE(offered, QString());
        saveFromMain(path("main.conf"), &offered);
        QCOMPARE(offered, "main.conf");

        QTest::mouseClick(Form1->Button12, Qt::LeftButton);
        saveFromPreview(path("preview.conf"), &offered);
        QCOMPARE(offered, QString());
        saveFromPreview(path("preview.conf"), &offered);
        QCOMPARE(offered, "preview.conf");
        saveFromMain(path("main.conf"), &offered);
        QCOMPARE(offered, "main.conf");
        QVERIFY(Form1->SaveDialog1 && Form2->SaveDialog1 && Form1->SaveDialog1 != Form2->SaveDialog1);
        QCOMPARE(Form1->SaveDialog1->objectName(), "SaveDialog1");
        QCOMPARE(Form2->SaveDialog1->objectName(), "SaveDialog1");
    }

    void noExtensionIsAddedAndAllFilesAreListed()
    {
        saveFromMain(path("eggdrop"));
        QVERIFY(QFile::exists(path("eggdrop")));
        QCOMPARE(Form1->SaveDialog1->defaultSuffix(), QString());
        QVERIFY(Form1->SaveDialog1->nameFilters().size() <= 1);
    }

    void everyCharacterSurvivesTheRoundTrip()
    {
        // typed into an edit: a no-break space, a line separator, letters
        // beyond Latin-1; pasted: a tab
        const QString typed = QStringLiteral("a\u00a0b\u2028c \u00e9\u65e5");
        QLineEdit *user = edit("Edit2");
        showPageOf(user);
        user->clear();
        typeChars(user, typed);
        paste(user, QStringLiteral("\t!"));
        QCOMPARE(user->text(), typed + "\t!");

        QTest::mouseClick(Form1->Button12, Qt::LeftButton);
        const QByteArray line = "set username \"" + (typed + "\t!").toUtf8() + "\"\r\n";
        QVERIFY(memoBytes().contains(line));
        // and typed into the memo itself
        Form2->Memo1->moveCursor(QTextCursor::End);
        typeChars(Form2->Memo1, QStringLiteral("x\u00a0y\u2028z"));
        Form2->Memo1->setFocus();
        QTest::keyClick(Form2->Memo1, Qt::Key_Tab);
        saveFromPreview(path("chars.conf"));
        const QByteArray saved = readFile(path("chars.conf"));
        QVERIFY(saved.contains(line));
        QVERIFY(saved.endsWith("\r\n\r\n" + QStringLiteral("x\u00a0y\u2028z\t").toUtf8() + "\r\n"));
    }

    void aSingleLineEditHoldsNoLineBreak_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("expected");
        QTest::newRow("LF") << "one\ntwo" << "one two";
        QTest::newRow("CR LF is one break") << "one\r\ntwo\r\n" << "one two ";
        QTest::newRow("CR") << "one\rtwo" << "one two";
        QTest::newRow("paragraph separator") << "one\u2029two" << "one two";
        QTest::newRow("two breaks, two blanks") << "one\n\ntwo" << "one  two";
        QTest::newRow("tabs and blanks untouched") << " \tone  " << " \tone  ";
    }

    void aSingleLineEditHoldsNoLineBreak()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, expected);
        QLineEdit *e = edit("Edit3");
        showPageOf(e);
        e->selectAll();
        paste(e, pasted);
        QCOMPARE(e->text(), expected);
        QVERIFY(generate().contains("\r\nset admin \"" + expected.toUtf8() + "\"\r\n"));
        e->setText(pasted); // a program setting it is held to the same rule
        QCOMPARE(e->text(), expected);
    }

    void thePreviewWindowFrame()
    {
        QTest::mouseClick(Form1->Button12, Qt::LeftButton);
        QCOMPARE(Form2->size(), QSize(552, 440));
        QVERIFY(Form2->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(Form2->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!Form2->isModal());
        QCOMPARE(Form2->Button7->text(), "Save Config File ! ! !");
        QVERIFY(Form2->Memo1->width() >= Form2->width() - 1);
        QVERIFY(!Form2->Memo1->isReadOnly());
    }
};

QTEST_MAIN(PreviewTest)
#include "tst_preview.moc"
