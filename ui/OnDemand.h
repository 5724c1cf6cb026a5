#pragma once
// What only a few commands need lives in a library of its own, loaded the first time one of them runs: the
// serial ports the system lists (Qt Serial Port) and the printer (Qt Print Support). The window then starts
// without loading either library, which is about a millisecond of every start.

#include "PortChoice.h"

#include <QList>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;
class QPageSize;
class QWidget;

namespace velmar {

using PagePainter = std::function<void(QPainter&, QPagedPaintDevice&)>;

// The library's entry points.
struct OnDemandLibrary {
    QList<PortFacts> (*systemPorts)();
    // Asks for a printer over `parent` and, unless the person cancels, paints the document on it.
    void (*print)(QWidget* parent, const QPageSize& size, const QString& name, const PagePainter& paint);
};

// The library, loaded on the first call; nullptr when it cannot be, and *why says why.
const OnDemandLibrary* OnDemand(QString* why);

} // namespace velmar

// What the library exports.
extern "C" const velmar::OnDemandLibrary* velmar_on_demand();
