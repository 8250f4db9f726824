#include "otherspage.h"

#include "linewriter.h"

OthersPage::OthersPage(QObject *parent) : SettingsPage(parent)
{
    ui.setupUi(addSheet());
}

void OthersPage::emitSection(LineWriter &w) const
{
    // Each module is a banner and a load line. Blowfish, the encryption
    // module, is checked for rather than loaded.
    const struct {
        const char *banner;
        const QCheckBox *box;
        const char *module;
        const char *command;
    } modules[] = {
        {"ASSOC", ui.CheckBox180, "assoc", "loadmodule"},
        {"BLOWFISH", ui.CheckBox182, "blowfish", "checkmodule"},
        {"SEEN", ui.CheckBox183, "seen", "loadmodule"},
        {"UPTIME", ui.CheckBox184, "uptime", "loadmodule"},
        {"WIRE", ui.CheckBox185, "wire", "loadmodule"},
        {"WOOBIE", ui.CheckBox186, "woobie", "loadmodule"},
    };
    for (const auto &m : modules) {
        w.moduleBanner(m.banner);
        w.load(m.box, m.module, m.command);
    }
}
