// Saves a picture of the main window with each page in front, and one of
// the preview window: run with QT_QPA_PLATFORM=offscreen and a folder.
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "Unit1.h"
#include "Unit2.h"
#include "settingspage.h"
#include "startup.h"
#include "testkit.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    testkit::startApp();
    for (SettingsPage *page : Form1->settingsPages()) {
        for (QWidget *sheet : page->sheets()) {
            testkit::showPageOf(sheet);
            Form1->grab().save(folder + QLatin1Char('/') + sheet->objectName() + ".png");
        }
    }
    Form1->Button12Click();
    QApplication::processEvents();
    Form2->grab().save(folder + "/Form2.png");
    testkit::stopApp();
    return 0;
}
