#pragma once
// The Port menu: which device COM1 stands for, chosen from the ports present, typed in, or found by plugging
// the cable, and remembered for the next run and for velmar-send. The rule that decides is the session
// layer's (PortRule.h); the choice made here is in force for the run.

#include "PortRule.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class QMenu;

namespace velmar {

class CDialog;

class CPortMenu : public QObject {
public:
    // `connected` tells whether the port is open now (the entries are disabled then); `changed` runs when the
    // port in force changes, `say` puts a note in the status line.
    CPortMenu(CDialog& dialog, std::function<bool()> connected, std::function<void()> changed,
              std::function<void(const QString&)> say);

    // Fills `menu` with the ports present each time it opens.
    void Attach(QMenu* menu);

    // --port DEV, given before Resolve.
    void SetCommandLinePort(const QString& device) { m_strCommandLine = device; }
    // Decides the port in force by the rule (kept as it is once the operator chose); *unread tells why the
    // remembered port could not be read, when that is so.
    void Resolve(std::optional<FileFailure>* unread = nullptr);
    [[nodiscard]] const PortInForce& InForce() const { return m_port; }
    // Why COM1 stands for no device, when the remembered port cannot be read (PortReason::Unreadable).
    [[nodiscard]] const std::optional<FileFailure>& Unread() const { return m_unread; }
    // The device in force, as a path to show.
    [[nodiscard]] QString Device() const;

    // The operator's choice: in force now and remembered. Refused (false) while connected.
    bool Choose(const QString& device);
    // Watches the ports for `seconds` while the operator plugs or unplugs the cable and chooses what appeared
    // (or came back); says so plainly when nothing changed. Returns the device chosen, empty for none.
    QString FindCable(int seconds);
    // Where the ports present now come from (Qt Serial Port unless replaced).
    void SetLister(std::function<QStringList()> lister) { m_lister = std::move(lister); }
    [[nodiscard]] QStringList Present() const { return m_lister(); }

private:
    void Fill();
    void OnOtherDevice();

    CDialog& m_dialog;
    std::function<bool()> m_connected;
    std::function<void()> m_changed;
    std::function<void(const QString&)> m_say;
    QMenu* m_pMenu = nullptr;
    QString m_strCommandLine;
    PortInForce m_port;
    std::optional<FileFailure> m_unread;
    std::function<QStringList()> m_lister;
};

} // namespace velmar
