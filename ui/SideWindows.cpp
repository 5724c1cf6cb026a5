#include "SideWindows.h"

#include "MessageLog.h"
#include "MessagesWindow.h"

#include "Preferences.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <optional>

namespace velmar {

namespace {

// A remembered place on the screen it is on, moved and shrunk to lie wholly on it (the screen, or the scale,
// may have changed since); nullopt when it is on no screen now, where no one would see the window.
std::optional<QRect> OnSomeScreen(const std::array<int, 4>& place, int leastWidth) {
    QRect r(place[0], place[1], std::max(place[2], leastWidth), place[3]);
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect room = s->availableGeometry();
        if (room.intersects(r)) {
            r.setSize(r.size().boundedTo(room.size()));
            r.moveTo(std::clamp(r.x(), room.left(), room.right() + 1 - r.width()),
                     std::clamp(r.y(), room.top(), room.bottom() + 1 - r.height()));
            return r;
        }
    }
    return std::nullopt;
}

void Bring(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

CSideWindows::CSideWindows(QWidget& main, CChannelTable::Apply apply, std::function<void(QWidget*)> share)
    : m_main(main), m_apply(std::move(apply)), m_share(std::move(share)) {}

CSideWindows::~CSideWindows() {
    CloseAll();
}

void CSideWindows::CloseAll() {
    if (m_table != nullptr) {
        if (m_table->isVisible()) {
            KeepTablePlace();
        }
        m_table->removeEventFilter(this);
        m_table.reset();
    }
    m_messages.reset();
}

CChannelTable* CSideWindows::OpenChannelTable() {
    if (m_table == nullptr) {
        m_table = std::make_unique<CChannelTable>(m_apply);
        m_table->setWindowIcon(m_main.windowIcon());
        m_share(m_table.get());
        m_table->installEventFilter(this);
        Preferences prefs;
        FileFailure ignored;
        std::optional<QRect> place;
        if (ReadPreferences(PreferencesPath(), &prefs, &ignored) && prefs.allChannelsPlace) {
            place = OnSomeScreen(*prefs.allChannelsPlace, m_table->FitWidth());
        }
        if (place) {
            m_table->setGeometry(*place);
        } else {
            PlaceBeside(m_table.get());
        }
    }
    Bring(m_table.get());
    return m_table.get();
}

void CSideWindows::OpenMessages() {
    if (m_messages == nullptr) {
        m_messages = std::make_unique<CMessagesWindow>(MessageLog());
        m_messages->setWindowIcon(m_main.windowIcon());
        m_share(m_messages.get());
        PlaceBeside(m_messages.get());
    }
    Bring(m_messages.get());
}

bool CSideWindows::eventFilter(QObject* watched, QEvent* event) {
    if (m_table != nullptr && watched == m_table.get() && event->type() == QEvent::Hide) {
        KeepTablePlace();
    }
    return QObject::eventFilter(watched, event);
}

void CSideWindows::KeepTablePlace() const {
    const QRect r = m_table->geometry();
    FileFailure error;
    // Where a window stood is a convenience: a preferences file that cannot be written loses only that.
    UpdatePreferences(
        [&r](Preferences& prefs) {
            prefs.allChannelsPlace = {{r.x(), r.y(), r.width(), r.height()}};
        },
        &error);
}

void CSideWindows::PlaceBeside(QWidget* window) const {
    const QRect main = m_main.frameGeometry();
    const QScreen* screen = m_main.screen();
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect();
    const QSize size = window->size();
    // To the right where it fits, else to the left, else as far right as the screen allows.
    QPoint at(main.right() + 1, main.top());
    if (at.x() + size.width() > room.right() + 1) {
        at.setX(main.left() - size.width() - 1 >= room.left() ? main.left() - size.width() - 1
                                                              : std::max(room.left(), room.right() + 1 - size.width()));
    }
    at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height())));
    window->move(at);
}

} // namespace velmar
