#include "logfilespage.h"

#include "linewriter.h"

LogFilesPage::LogFilesPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
    m_logFiles = new ListEditor(ui.StringGrid1, {ui.Edit12, ui.Edit15, ui.Edit16}, 100, this);
    connect(ui.Button1, &QPushButton::clicked, this, &LogFilesPage::Button1Click);
    connect(ui.Button2, &QPushButton::clicked, this, &LogFilesPage::Button2Click);
    connect(ui.StringGrid1, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { StringGrid1SelectCell(column, row); });
}

void LogFilesPage::formShow()
{
    m_logFiles->fill({"Channel", "Settings", "Filename"});
    m_logFiles->setSelectedRow(1);
}

void LogFilesPage::emitSection(LineWriter &w) const
{
    w.sectionBanner("LOG FILES");
    w.spaced("set max-logs " + ui.Edit10->text());
    w.spaced("set max-logsize " + ui.Edit11->text());
    w.spacedFlag(ui.CheckBox3, "set quick-logs");
    w.spacedFlag(ui.CheckBox4, "set log-time");
    w.spacedFlag(ui.CheckBox6, "set quiet-save");
    w.spaced("set switch-logfiles-at " + ui.Edit14->text());
    w.spacedFlag(ui.CheckBox5, "set keep-all-logs");
    w.spaced("set logfile-suffix \"" + ui.Edit13->text() + "\"");
    // Only the first entry decides: later rows are written as they stand,
    // empty ones included. The bot's order is flags, channel, file name.
    if (!m_logFiles->isEmpty()) {
        for (int r = 1; r < m_logFiles->rowCount(); ++r)
            w.plain("logfile " + m_logFiles->cell(1, r) + " " + m_logFiles->cell(0, r) + " \""
                    + m_logFiles->cell(2, r) + "\"");
        w.empty();
    }
}
