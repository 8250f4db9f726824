#pragma once

#include <QList>
#include <QObject>
#include <QWidget>

class LineWriter;

// One settings page of the main window: the tab sheets it fills, the
// handlers of their controls, and the section of the file it writes.
//
// Most pages fill one sheet; channels, server and irc fill two. Each sheet is
// built from its own .ui: the sheet's objectName is its TabSheet name and its
// windowTitle is the caption of its tab.
class SettingsPage : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    enum class Placement { TopPage, ModulesPage };

    virtual Placement placement() const { return Placement::TopPage; }
    const QList<QWidget *> &sheets() const { return m_sheets; }

    // Runs once, when the main window is first shown.
    virtual void formShow() {}

    // Appends this page's section of the configuration file.
    virtual void emitSection(LineWriter &w) const = 0;

protected:
    // Creates an empty sheet for a .ui to be set up on.
    QWidget *addSheet();

private:
    QList<QWidget *> m_sheets;
};
