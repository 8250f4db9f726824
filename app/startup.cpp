#include "startup.h"

#include <QApplication>

#include "Unit1.h"
#include "Unit2.h"
#include "helpviewer.h"

TForm1 *Form1 = nullptr;
TForm2 *Form2 = nullptr;

QString applicationTitle()
{
    return QStringLiteral("Quillmarsh");
}

void createWindows(const QString &helpFile)
{
    QApplication::setApplicationName(applicationTitle());
    QGuiApplication::setDesktopFileName(QStringLiteral("quillmarsh"));
    HelpViewer::setHelpFile(helpFile);
    Form1 = new TForm1;
    Form2 = new TForm2(Form1);
}

void destroyWindows()
{
    delete Form1; // takes the preview window with it
    Form1 = nullptr;
    Form2 = nullptr;
}
