#include "scriptspage.h"

#include "linewriter.h"

ScriptsPage::ScriptsPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
    m_scripts = new ListEditor(ui.StringGrid2, {ui.Edit46}, 360, this);
    m_helpFiles = new ListEditor(ui.StringGrid3, {ui.Edit47}, 360, this);

    connect(ui.Button4, &QPushButton::clicked, this, &ScriptsPage::Button4Click);
    connect(ui.Button3, &QPushButton::clicked, this, &ScriptsPage::Button3Click);
    connect(ui.StringGrid2, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { StringGrid2SelectCell(column, row); });
    connect(ui.Button5, &QPushButton::clicked, this, &ScriptsPage::Button5Click);
    connect(ui.Button6, &QPushButton::clicked, this, &ScriptsPage::Button6Click);
    connect(ui.StringGrid3, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { StringGrid3SelectCell(column, row); });
}

void ScriptsPage::formShow()
{
    m_scripts->fill({"Script Path And Name"},
                    {{"scripts/alltools.tcl"}, {"scripts/action.fix.tcl"},
                     {"scripts/compat.tcl"}, {"scripts/userinfo.tcl"}});
    m_helpFiles->fill({"HelpFile Name"}, {{"userinfo.help"}});
    m_scripts->setSelectedRow(1);
    m_helpFiles->setSelectedRow(1);
}

void ScriptsPage::emitSection(LineWriter &w) const
{
    w.sectionBanner("SCRIPTS");
    if (!m_scripts->isEmpty()) {
        for (int r = 1; r < m_scripts->rowCount(); ++r)
            w.plain("source " + m_scripts->cell(0, r));
        w.empty();
    }
    if (!m_helpFiles->isEmpty()) {
        for (int r = 1; r < m_helpFiles->rowCount(); ++r)
            w.plain("loadhelp " + m_helpFiles->cell(0, r));
        w.empty();
    }
}
