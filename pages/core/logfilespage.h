#pragma once

#include "listeditor.h"
#include "settingspage.h"
#include "ui_logfilespage.h"

// "Log Files": how the bot keeps its logs, and the list of log files.
class LogFilesPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit LogFilesPage(QObject *parent = nullptr);
    void formShow() override;
    void emitSection(LineWriter &w) const override;

    void Button1Click() { m_logFiles->add(); }
    void Button2Click() { m_logFiles->remove(); }
    void StringGrid1SelectCell(int column, int row) { m_logFiles->selectCell(column, row); }

private:
    Ui::LogFilesPage ui;
    ListEditor *m_logFiles;
};
