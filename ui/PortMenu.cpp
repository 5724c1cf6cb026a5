#include "PortMenu.h"

#include "Dialog.h"
#include "PortChoice.h"
#include "PortRule.h"
#include "ResourceLoader.h"

#include "Preferences.h"
#include "Words.h"

#include <QActionGroup>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QVBoxLayout>

namespace velmar {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CPortMenu::CPortMenu(CDialog& dialog, std::function<bool()> connected, std::function<void()> changed,
                     std::function<void(const QString&)> say)
    : m_dialog(dialog), m_connected(std::move(connected)), m_changed(std::move(changed)), m_say(std::move(say)),
      m_lister(PresentPorts) {}

void CPortMenu::Attach(QMenu* menu) {
    m_pMenu = menu;
    m_pMenu->setToolTipsVisible(true);
    // Looked up as the menu opens: listing the ports walks the system's devices, which start-up need not do.
    QObject::connect(m_pMenu, &QMenu::aboutToShow, this, [this] { Fill(); });
}

void CPortMenu::Resolve(std::optional<FileFailure>* unread) {
    if (m_port.reason != PortReason::Chosen) {
        // What decided at start may have changed meanwhile (another copy remembered another port).
        m_unread.reset();
        m_port = ResolveCom1(QFile::encodeName(m_strCommandLine).toStdString(), &m_unread);
    }
    if (unread != nullptr) {
        *unread = m_unread;
    }
}

QString CPortMenu::Device() const {
    return QFile::decodeName(QByteArray::fromStdString(m_port.device));
}

bool CPortMenu::Choose(const QString& device) {
    if (device.isEmpty() || m_connected()) {
        return false;
    }
    m_port = {QFile::encodeName(device).toStdString(), PortReason::Chosen};
    FileFailure error;
    if (!UpdatePreferences([this](Preferences& prefs) { prefs.port = m_port.device; }, &error)) {
        m_say(Q(res::NotRemembered(error)));
    }
    m_changed();
    return true;
}

void CPortMenu::Fill() {
    m_pMenu->clear();
    const bool connected = m_connected();
    auto* exclusive = new QActionGroup(m_pMenu);
    auto add = [&](const QString& path, const QString& label) {
        QAction* action = m_pMenu->addAction(label, this, [this, path] { Choose(path); });
        action->setCheckable(true);
        action->setChecked(path == Device());
        exclusive->addAction(action);
    };
    QString unlisted;
    const QList<PortEntry> entries = PortEntries(SystemPorts(&unlisted));
    bool listed = false;
    for (const PortEntry& entry : entries) {
        listed = listed || entry.path == Device();
        add(entry.path, entry.label);
    }
    if (!listed && !m_port.device.empty()) {
        // A pseudo-terminal, a link or an unplugged cable: still the port in force, named by what it is.
        add(Device(), Q(res::UnlistedPort(m_port.device, KindOfDevice(m_port.device))));
    }
    m_pMenu->addSeparator();
    m_pMenu->addAction(Word(res::kMenuOtherDevice), this, [this] { OnOtherDevice(); });
    m_pMenu->addAction(Word(res::kMenuFindCable), this, [this] { FindCable(20); });
    for (QAction* action : m_pMenu->actions()) {
        if (!action->isSeparator()) {
            action->setEnabled(!connected);
            action->setToolTip(connected ? Word(res::kDisconnectFirst) : QString());
        }
    }
    if (!unlisted.isEmpty()) {
        m_pMenu->addSeparator();
        m_pMenu->addAction(Q(res::PortsNotListed(unlisted.toStdString())))->setEnabled(false);
    }
}

void CPortMenu::OnOtherDevice() {
    bool ok = false;
    const QString device = QInputDialog::getText(&m_dialog, Word(res::kOtherDeviceTitle), Word(res::kOtherDevicePrompt),
                                                 QLineEdit::Normal, Device(), &ok);
    if (ok && !device.trimmed().isEmpty()) {
        Choose(device.trimmed());
    }
}

QString CPortMenu::FindCable(int seconds) {
    if (m_connected()) {
        return {};
    }
    CCableFinder finder(m_lister);
    QDialog watch(&m_dialog);
    watch.setWindowTitle(Word(res::kFindCableTitle));
    auto* layout = new QVBoxLayout(&watch);
    auto* text = new QLabel(Q(res::FindCablePrompt(seconds)), &watch);
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
        Choose(found);
        m_say(Q(res::CableFound(QFile::encodeName(found).toStdString())));
        return found;
    }
    const QStringList gone = finder.Gone();
    m_dialog.MessageBox(gone.isEmpty() ? Q(res::NothingChanged(seconds, m_port.device))
                                       : Q(res::CableGone(gone.join(", ").toStdString(), seconds, m_port.device)));
    return {};
}

} // namespace velmar
