// The settings dialog's Channels menu: a group filled from a stock channel
// plan in one step, a group cleared, and a word on duplicate frequencies.

#include "OrvDlg.h"

#include "StatusLine.h"

#include "ChannelPlans.h"

#include <QMenu>
#include <QMenuBar>

namespace velmar {

void COrvDlg::BuildChannelsMenu() {
    m_pChannelsMenu = m_pMenuBar->addMenu("&Channels");
    QMenu* fill = m_pChannelsMenu->addMenu("&Fill Group with");
    const std::vector<PlanSlice> slices = PlanSlices();
    for (std::size_t i = 0; i < slices.size(); ++i) {
        fill->addAction(QString::fromUtf8(SliceLabel(slices[i]).c_str()), this,
                        [this, i] { FillGroupWithPlan(static_cast<int>(i)); });
    }
    m_pChannelsMenu->addAction("&Clear Group", this, [this] { ClearCurrentGroup(); });
    for (QAction* action : m_pChannelsMenu->actions()) {
        action->setEnabled(IsWindowEnabled(IDC_CH1));
    }
}

bool COrvDlg::FillGroupWithPlan(int slice) {
    const std::vector<PlanSlice> slices = PlanSlices();
    if (slice < 0 || slice >= static_cast<int>(slices.size()) || !IsWindowEnabled(IDC_CH1) || !UpdateData(true)) {
        return false;
    }
    const PlanSlice& chosen = slices[static_cast<std::size_t>(slice)];
    if (const int filled = FilledChannelCount(m_record); filled > 0) {
        const QString question = QString("Group %1 holds %2 channel%3. Replace %4 with %5?")
                                     .arg(QChar('A' + m_record.m_nGroup))
                                     .arg(filled)
                                     .arg(filled == 1 ? "" : "s")
                                     .arg(filled == 1 ? "it" : "them")
                                     .arg(QString::fromUtf8(SliceLabel(chosen).c_str()));
        if (MessageBox(question, {}, MB_REPLACECANCEL) != IDOK) {
            return false;
        }
    }
    // As a click on the plan's spacing and the channels typed one by one would.
    FillGroup(m_record, chosen);
    UpdateData(false);
    if (m_pStatusLine != nullptr) {
        m_pStatusLine->ShowNote(QString("Group %1: %2")
                                    .arg(QChar('A' + m_record.m_nGroup))
                                    .arg(QString::fromUtf8(SliceLabel(chosen).c_str())));
    }
    SayDuplicates();
    return true;
}

void COrvDlg::ClearCurrentGroup() {
    if (!IsWindowEnabled(IDC_CH1) || !UpdateData(true)) {
        return;
    }
    ClearGroup(m_record);
    UpdateData(false);
}

void COrvDlg::SayDuplicates() {
    const std::string said = DescribeDuplicates(m_record.m_nGroup, FindDuplicates(m_record, m_record.m_nGroup));
    if (m_pStatusLine != nullptr && !said.empty()) {
        m_pStatusLine->ShowNote(QString::fromStdString(said));
    }
}

} // namespace velmar
