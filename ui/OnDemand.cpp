#include "OnDemand.h"

#include "ResourceLoader.h"

#include <QFile>
#include <QLibrary>

#include <algorithm>
#include <cerrno>

namespace velmar {

const OnDemandLibrary* OnDemand(QString* why) {
    static const OnDemandLibrary* loaded = nullptr;
    static QString failure;
    if (loaded == nullptr && failure.isEmpty()) {
        const QStringList places = InstalledOrBuilt(VELMAR_ON_DEMAND_INSTALLED, VELMAR_ON_DEMAND_BUILT);
        const auto found =
            std::find_if(places.begin(), places.end(), [](const QString& p) { return QFile::exists(p); });
        // Where an installed program looks is what to name when it is nowhere.
        failure = QStringLiteral("%1: %2").arg(places.front(), qt_error_string(ENOENT));
        if (found != places.end()) {
            QLibrary library(*found);
            using Entry = const OnDemandLibrary* (*)();
            const auto entry = library.load() ? reinterpret_cast<Entry>(library.resolve("velmar_on_demand")) : nullptr;
            loaded = entry != nullptr ? entry() : nullptr;
            failure = loaded != nullptr ? QString() : library.errorString();
        }
    }
    if (loaded == nullptr && why != nullptr) {
        *why = failure;
    }
    return loaded;
}

} // namespace velmar
