// The settings dialog's Port menu: which device COM1 stands for, chosen from
// the ports present, typed in, or found by plugging the cable.

#include "OrvDlg.h"

#include "StatusLine.h"

#include <QActionGroup>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

namespace velmar {

namespace {

const char* const kDisconnectFirst = "Disconnect to change the port: the port in use stays until then.";

} // namespace

bool COrvDlg::ChoosePort(const QString& device) {
    if (device.isEmpty() || m_comm.m_bPortOpen.load()) {
        return false;
    }
    m_port = {QFile::encodeName(device).toStdString(), PortReason::Chosen};
    Remember([this](Preferences& prefs) { prefs.port = m_port.device; });
    ShowLinkState();
    return true;
}

void COrvDlg::FillPortMenu() {
    m_pPortMenu->clear();
    const bool connected = m_comm.m_bPortOpen.load();
    auto* exclusive = new QActionGroup(m_pPortMenu);
    auto add = [&](const QString& path, const QString& label) {
        QAction* action = m_pPortMenu->addAction(label, this, [this, path] { ChoosePort(path); });
        action->setCheckable(true);
        action->setChecked(QFile::encodeName(path).toStdString() == m_port.device);
        exclusive->addAction(action);
    };
    const QList<PortEntry> entries = PortEntries(SystemPorts());
    const QString current = PortDevice();
    bool listed = false;
    for (const PortEntry& entry : entries) {
        listed = listed || entry.path == current;
        add(entry.path, entry.label);
    }
    if (!listed) {
        // A pseudo-terminal, a link or an unplugged cable: still the port in force.
        add(current, QString("%1 (not among the serial ports present now)").arg(current));
    }
    m_pPortMenu->addSeparator();
    m_pPortMenu->addAction("&Other Device\u2026", this, [this] { OnOtherDevice(); });
    m_pPortMenu->addAction("&Find My Cable\u2026", this, [this] { FindCable(20); });
    const auto actions = m_pPortMenu->actions();
    for (QAction* action : actions) {
        if (!action->isSeparator()) {
            action->setEnabled(!connected);
            action->setToolTip(connected ? QString(kDisconnectFirst) : QString());
        }
    }
}

void COrvDlg::OnOtherDevice() {
    bool ok = false;
    const QString device = QInputDialog::getText(
        this, "Other Device",
        "The device COM1 stands for (a serial device, a pseudo-terminal or a link to one):", QLineEdit::Normal,
        PortDevice(), &ok);
    if (ok && !device.trimmed().isEmpty()) {
        ChoosePort(device.trimmed());
    }
}

QString COrvDlg::FindCable(int seconds) {
    if (m_comm.m_bPortOpen.load()) {
        return {};
    }
    CCableFinder finder(m_portLister);
    QDialog watch(this);
    watch.setWindowTitle("Find My Cable");
    auto* layout = new QVBoxLayout(&watch);
    auto* text = new QLabel(QString("Unplug the radio's programming cable now, or plug it in; if it was unplugged, "
                                    "plug it in again. Velmar watches the serial ports for %1 seconds.")
                                .arg(seconds),
                            &watch);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &watch);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &watch, &QDialog::reject);
    layout->addWidget(buttons);

    QString found;
    QElapsedTimer clock;
    clock.start();
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &watch, [&] {
        found = finder.Look();
        if (!found.isEmpty() || clock.elapsed() >= seconds * 1000LL) {
            watch.accept();
        }
    });
    look.start(200);
    if (watch.exec() != QDialog::Accepted) {
        return {}; // the operator cancelled: nothing to say
    }
    if (!found.isEmpty()) {
        ChoosePort(found);
        if (m_pStatusLine != nullptr) {
            m_pStatusLine->ShowNote(QString("Found the cable: COM1 is now %1").arg(found));
        }
        return found;
    }
    const QStringList gone = finder.Gone();
    MessageBox(gone.isEmpty() ? QString("Nothing changed: no serial port appeared or came back in %1 seconds. COM1 "
                                        "stays %2.")
                                    .arg(seconds)
                                    .arg(PortDevice())
                              : QString("%1 went away and did not come back in %2 seconds. Plug the cable in and "
                                        "try again. COM1 stays %3.")
                                    .arg(gone.join(", "))
                                    .arg(seconds)
                                    .arg(PortDevice()));
    return {};
}

} // namespace velmar
