#pragma once
// View > All Channels: the 64 channels in one table (group, channel, frequency, name, the group's spacing,
// the PMR446 or LPD433 channel a frequency is, another channel with the same frequency). Frequency and name
// cells are edited in place, copied as tab-separated text, pasted as a column or a block, and emptied with
// Delete; every change goes through the settings dialog, by the entry rules, as one step of the history. Made
// when first opened.

#include "RadioSettings.h"
#include "SettingEditor.h"
#include "SettingHistory.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QTableWidget;

namespace velmar {

// A window of its own, not kept above the settings, so that both are seen side by side.
class CChannelTable : public QWidget {
public:
    using Apply = std::function<void(const std::vector<ChannelEdit>& edits, const SettingChange& name)>;
    explicit CChannelTable(Apply apply);
    // As wide as the columns need, at the scale in use.
    int FitWidth() const { return m_nFitWidth; }

    // Shows `s`; `editable` is false outside "GRUOP", where the table only shows and says why.
    void Show(const RadioSettings& s, bool editable);
    QTableWidget* Table() const { return m_pTable; }
    // What the entry rules made of the last edit, as the status line says it.
    void ShowNote(const QString& note);
    QString NoteText() const;

    static constexpr int kFrequencyColumn = 2;
    static constexpr int kNameColumn = 3;

private:
    void Copy() const;
    void Paste();
    void Delete();
    // The selected cells that may be edited (frequencies and names), top to bottom, left to right.
    std::vector<ChannelEdit> SelectedCells() const;

    Apply m_apply;
    QLabel* m_pWhy;
    QLabel* m_pNote;
    QTableWidget* m_pTable;
    bool m_bFilling = false;
    bool m_bEditable = false;
    int m_nFitWidth = 0;
};

} // namespace velmar
