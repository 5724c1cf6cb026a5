// The settings dialog's Channels menu: a group filled from a stock channel
// plan in one step, a group cleared, and a word on duplicate frequencies.

#include "OrvDlg.h"

#include "StatusLine.h"

#include "ChannelPlans.h"
#include "ResourceLoader.h"
#include "Words.h"

#include <QMenu>
#include <QMenuBar>

namespace velmar {

void COrvDlg::BuildChannelsMenu() {
    m_pChannelsMenu = m_pMenuBar->addMenu(FromUtf8(res::kMenuChannels));
    QMenu* fill = m_pChannelsMenu->addMenu(FromUtf8(res::kMenuFillGroup));
    const std::vector<PlanSlice> slices = PlanSlices();
    for (std::size_t i = 0; i < slices.size(); ++i) {
        fill->addAction(QString::fromStdString(res::SliceLabel(slices[i])), this,
                        [this, i] { FillGroupWithPlan(static_cast<int>(i)); });
    }
    m_pChannelsMenu->addAction(FromUtf8(res::kMenuClearGroup), this, [this] { ClearCurrentGroup(); });
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
    const std::string label = res::SliceLabel(chosen);
    if (const int filled = FilledChannelCount(m_record); filled > 0) {
        if (MessageBox(QString::fromStdString(res::FillAsk(m_record.m_nGroup, filled, label)), {}, MB_REPLACECANCEL) !=
            IDOK) {
            return false;
        }
    }
    // As a click on the plan's spacing and the channels typed one by one would.
    FillGroup(m_record, chosen);
    UpdateData(false);
    Say(QString::fromStdString(res::Filled(m_record.m_nGroup, label)));
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
    const std::string said = res::DescribeDuplicates(m_record.m_nGroup, FindDuplicates(m_record, m_record.m_nGroup));
    if (!said.empty()) {
        Say(QString::fromStdString(said));
    }
}

} // namespace velmar
