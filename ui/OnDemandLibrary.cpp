// The library that OnDemand loads; it is linked against Qt Serial Port and Qt Print Support, the program is not.

#include "OnDemand.h"

#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSerialPortInfo>

namespace velmar {

namespace {

QList<PortFacts> ListSystemPorts() {
    QList<PortFacts> ports;
    const auto available = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : available) {
        ports.append({info.systemLocation(), info.description(), info.manufacturer(),
                      info.hasVendorIdentifier() && info.hasProductIdentifier()});
    }
    return ports;
}

void Print(QWidget* parent, const QPageSize& size, const QString& name, const PagePainter& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(size);
    printer.setDocName(name);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted) {
        QPainter painter(&printer);
        paint(painter, printer);
    }
}

constexpr OnDemandLibrary kLibrary{&ListSystemPorts, &Print};

} // namespace

} // namespace velmar

extern "C" Q_DECL_EXPORT const velmar::OnDemandLibrary* velmar_on_demand() {
    return &velmar::kLibrary;
}
