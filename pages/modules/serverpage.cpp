#include "serverpage.h"

#include "linewriter.h"

ServerPage::ServerPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
    ui2.setupUi(addSheet());
    m_servers = new ListEditor(ui2.StringGrid4, {ui2.Edit79, ui2.Edit78, ui2.Edit77}, 190, this);
    connect(ui2.Button8, &QPushButton::clicked, this, &ServerPage::Button8Click);
    connect(ui2.Button9, &QPushButton::clicked, this, &ServerPage::Button9Click);
    connect(ui2.StringGrid4, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { StringGrid4SelectCell(column, row); });
}

void ServerPage::formShow()
{
    m_servers->fill({"Server Name", "Port", "Password"});
    m_servers->setSelectedRow(1);
    ui.ComboBox1->setCurrentIndex(0);
}

void ServerPage::emitSection(LineWriter &) const
{
}
