#include "PortChoice.h"

#include "OnDemand.h"
#include "ResourceLoader.h"
#include "Words.h"

#include <QDir>
#include <QFileInfo>

namespace velmar {

QList<PortFacts> SystemPorts(QString* why) {
    const OnDemandLibrary* library = OnDemand(why);
    return library != nullptr ? library->systemPorts() : QList<PortFacts>{};
}

QList<PortEntry> PortEntries(const QList<PortFacts>& ports, const QString& byIdDir) {
    // The stable names of the devices present, by the device each one leads to.
    QList<QPair<QString, QString>> stable;
    const QDir dir(byIdDir);
    const auto links = dir.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& link : links) {
        stable.append({link.canonicalFilePath(), link.absoluteFilePath()});
    }

    QList<PortEntry> entries;
    for (const PortFacts& port : ports) {
        const QString device = QFileInfo(port.location).canonicalFilePath();
        QString path = port.location;
        for (const auto& [target, name] : stable) {
            if (!device.isEmpty() && target == device) {
                path = name;
                break;
            }
        }
        QStringList what;
        for (const QString& part : {port.description, port.manufacturer}) {
            if (!part.isEmpty()) {
                what << part;
            }
        }
        if (what.isEmpty() && !port.usb) {
            what << Word(res::kBuiltIn);
        }
        if (path != port.location) {
            what << port.location;
        }
        entries.append({path, what.isEmpty() ? path : QString("%1 (%2)").arg(path, what.join(", "))});
    }
    return entries;
}

QStringList PresentPorts() {
    QStringList paths;
    const auto entries = PortEntries(SystemPorts());
    for (const PortEntry& entry : entries) {
        paths << entry.path;
    }
    return paths;
}

CCableFinder::CCableFinder(Lister lister) : m_lister(std::move(lister)), m_before(m_lister()) {}

QString CCableFinder::Look() {
    const QStringList now = m_lister();
    for (const QString& path : now) {
        if (!m_before.contains(path) || m_gone.contains(path)) {
            return path; // plugged in, or unplugged and plugged in again
        }
    }
    for (const QString& path : m_before) {
        if (!now.contains(path) && !m_gone.contains(path)) {
            m_gone << path;
        }
    }
    return {};
}

} // namespace velmar
