#include "serverpage.h"

#include "linewriter.h"

namespace {
// The network type "Others", the only one with a nick length and a mode r check.
constexpr int OtherNetworks = 5;
} // namespace

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

void ServerPage::emitSection(LineWriter &w) const
{
    const bool others = networkType() == OtherNetworks;
    w.moduleBanner("SERVER");
    w.load(ui.CheckBox33, "server");
    w.spaced("set net-type " + QString::number(networkType()));
    w.spaced("set nick \"" + ui.Edit63->text() + "\"");
    w.spaced("set altnick \"" + ui.Edit64->text() + "\"");
    w.spacedFlag(ui.CheckBox34, "set keep-nick");
    w.spacedFlag(ui.CheckBox58, "set strict-servernames");
    w.spacedFlag(ui.CheckBox59, "set never-give-up");
    w.spaced("set realname \"" + ui.Edit65->text() + "\"");
    w.spaced("set default-port " + ui.Edit66->text());
    w.spaced("set server-cycle-wait " + ui.Edit67->text());
    w.spaced("set server-timeout " + ui.Edit72->text());
    w.spaced("set servlimit " + ui.Edit73->text());
    w.spacedFlag(ui.CheckBox60, "set check-stoned");
    w.spacedFlag(ui.CheckBox61, "set serverror-quit");
    w.spaced("set max-queue-msg " + ui.Edit70->text());
    w.spaced("set optimize-kicks " + ui.Edit71->text());
    w.spacedFlag(ui.CheckBox62, "set use-console-r");
    w.spacedFlag(ui.CheckBox63, "set debug-output");
    w.spacedFlag(ui.CheckBox64, "set strict-host");
    w.spaced((others ? "" : "#") + QStringLiteral("set nick-len ") + ui2.Edit48->text());
    w.spaced("set answer-ctcp " + ui2.Edit74->text());
    w.spaced("set flood-msg " + ui2.Edit75->text());
    w.spaced("set flood-ctcp " + ui2.Edit76->text());
    w.spacedFlag(ui2.CheckBox65, "set quiet-reject");
    w.spacedFlag(ui2.CheckBox66, "set lowercase-ctcp");
    w.spacedFlag(ui2.CheckBox70, "set double-help");
    w.spacedFlag(ui2.CheckBox67, "set trigger-on-ignore");
    w.spacedFlag(ui2.CheckBox68, "set double-mode");
    w.spacedFlag(ui2.CheckBox71, "set use-penalties");
    if (others)
        w.spacedFlag(ui2.CheckBox72, "set check-mode-r");
    else
        w.spaced("#set check-mode-r 1");
    w.spacedFlag(ui2.CheckBox69, "set double-server");
    // The list is written when its first row names a server; from then on
    // every row gives a line, an empty one included.
    if (!m_servers->isEmpty()) {
        w.plain("set servers {");
        for (int row = 1; row < m_servers->rowCount(); ++row)
            w.plain("    " + serverEntry(row));
        w.spaced("}");
    }
}

QString ServerPage::serverEntry(int row) const
{
    // A password with no port stands where the port would be.
    QString entry = m_servers->cell(0, row);
    for (int column : {1, 2})
        if (const QString part = m_servers->cell(column, row); !part.isEmpty())
            entry += ':' + part;
    return entry;
}
