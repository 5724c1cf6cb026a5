#pragma once
// The windows beside the settings: View > All Channels and View > Messages. Each is a window of its own, so that
// it and the settings are seen side by side (a parent would keep it above them); each opens next to the settings
// where the screen has room, and All Channels opens where it was last.

#include "ChannelTable.h"

#include <QObject>

#include <functional>
#include <memory>

namespace velmar {

class CMessagesWindow;

class CSideWindows : public QObject {
public:
    // `apply` enters the table's edits; `share` gives a window the settings window's keys.
    CSideWindows(QWidget& main, CChannelTable::Apply apply, std::function<void(QWidget*)> share);
    ~CSideWindows() override;

    // Made when first opened; null until then.
    CChannelTable* ChannelTable() const { return m_table.get(); }
    CMessagesWindow* Messages() const { return m_messages.get(); }
    CChannelTable* OpenChannelTable();
    void OpenMessages();
    // Closes both, keeping where the table stood; before the settings window goes.
    void CloseAll();

protected:
    // A table hidden or closed is where it is remembered to be.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceBeside(QWidget* window) const;
    void KeepTablePlace() const;

    QWidget& m_main;
    CChannelTable::Apply m_apply;
    std::function<void(QWidget*)> m_share;
    std::unique_ptr<CChannelTable> m_table;
    std::unique_ptr<CMessagesWindow> m_messages;
};

} // namespace velmar
