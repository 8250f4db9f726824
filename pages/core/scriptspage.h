#pragma once

#include "listeditor.h"
#include "settingspage.h"
#include "ui_scriptspage.h"

// "Scripts": the Tcl scripts the bot loads and their help files. Its section
// closes the configuration file.
class ScriptsPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit ScriptsPage(QObject *parent = nullptr);
    void formShow() override;
    void emitSection(LineWriter &w) const override;

    void Button4Click() { m_scripts->add(); }
    void Button3Click() { m_scripts->remove(); }
    void StringGrid2SelectCell(int column, int row) { m_scripts->selectCell(column, row); }
    void Button5Click() { m_helpFiles->add(); }
    void Button6Click() { m_helpFiles->remove(); }
    void StringGrid3SelectCell(int column, int row) { m_helpFiles->selectCell(column, row); }

private:
    Ui::ScriptsPage ui;
    ListEditor *m_scripts;
    ListEditor *m_helpFiles;
};
