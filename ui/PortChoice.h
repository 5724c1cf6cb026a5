#pragma once
// The serial ports present now (listed by Qt Serial Port, which asks udev),
// their stable names, and the watch that finds a cable by its plugging. Which
// of them COM1 stands for is decided by the port rule of the session layer.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace velmar {

// What the system says of one serial port.
struct PortFacts {
    QString location; // the device, e.g. /dev/ttyUSB0
    QString description;
    QString manufacturer;
    bool usb = false;
};

// One entry of the Port menu: the path to open (the stable /dev/serial/by-id name where there is one, so that
// the choice survives re-plugging) and what it is.
struct PortEntry {
    QString path;
    QString label; // "PATH (USB-Serial Controller, Prolific, /dev/ttyUSB0)", "/dev/ttyS0 (built-in)"
};

// The serial ports present now, from Qt Serial Port; none when they cannot be listed, and *why says why.
QList<PortFacts> SystemPorts(QString* why = nullptr);
// The menu's entries for `ports`, with the stable names found in `byIdDir`.
QList<PortEntry> PortEntries(const QList<PortFacts>& ports, const QString& byIdDir = "/dev/serial/by-id");
// The paths of the entries present now.
QStringList PresentPorts();

// Finds a cable by watching the ports while the operator plugs or unplugs it: a device that appears, or one
// that disappears and comes back, is the cable.
class CCableFinder {
public:
    using Lister = std::function<QStringList()>;
    explicit CCableFinder(Lister lister);

    // One look at the ports; the cable once it is found, else empty.
    QString Look();
    // Devices that were there at the start and are gone now.
    QStringList Gone() const { return m_gone; }

private:
    Lister m_lister;
    QStringList m_before;
    QStringList m_gone;
};

} // namespace velmar
