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

void LogFilesPage::emitSection(LineWriter &) const
{
}
