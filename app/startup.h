#pragma once

#include <QString>

class TForm1;
class TForm2;

// The main window and the preview window; both live from start-up to exit.
extern TForm1 *Form1;
extern TForm2 *Form2;

// "Quillmarsh": the caption of the main window and of error messages.
QString applicationTitle();

// Start-up, shared by the program and its tests: names the application and
// its help file, then creates the main window with every page at its
// defaults and the preview window, hidden. Showing the main window is left
// to the caller.
void createWindows(const QString &helpFile);
void destroyWindows();
