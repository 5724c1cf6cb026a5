// The settings dialog's channel commands: a group filled from a stock channel plan in one step, a group
// cleared, a group copied and pasted as lines of text, the table of all channels, and a word on duplicate
// frequencies. Each is one step of the history.

#include "OrvDlg.h"

#include "StatusLine.h"

#include "ChannelPlans.h"
#include "GroupSelection.h"
#include "ResourceLoader.h"
#include "SettingLabels.h"
#include "Words.h"

#include <QApplication>
#include <QClipboard>
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
    m_channelCommands << m_pChannelsMenu->actions();
    m_pChannelsMenu->setToolTipsVisible(true);
    for (QAction* action : m_channelCommands) {
        action->setEnabled(IsWindowEnabled(IDC_CH1));
        action->setToolTip(IsWindowEnabled(IDC_CH1) ? QString() : FromUtf8(res::kChannelCommandsWhy));
    }
}

void COrvDlg::BuildEditAndViewMenus() {
    QMenu* edit = m_pMenuBar->addMenu(FromUtf8(res::kMenuEdit));
    m_document.FillEditMenu(edit);
    edit->addSeparator();
    QAction* copy = edit->addAction(FromUtf8(res::kMenuCopyGroup), this, [this] { CopyGroup(); });
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QAction* paste = edit->addAction(FromUtf8(res::kMenuPasteGroup), this,
                                     [this] { PasteGroup(QApplication::clipboard()->text()); });
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    edit->setToolTipsVisible(true);
    for (QAction* action : {copy, paste}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        m_channelCommands << action;
    }
    QMenu* view = m_pMenuBar->addMenu(FromUtf8(res::kMenuView));
    view->addAction(FromUtf8(res::kMenuAllChannels), this, [this] { OpenChannelTable(); });
}

void COrvDlg::CopyGroup() {
    if (!GroupInRange() || !IsWindowEnabled(IDC_CH1) || !UpdateData(true)) {
        return;
    }
    QStringList lines;
    for (const std::string& text : m_record.m_strGroupChannel[static_cast<std::size_t>(m_record.m_nGroup)]) {
        lines << QString::fromStdString(text);
    }
    QApplication::clipboard()->setText(lines.join('\n') + '\n');
}

bool COrvDlg::PasteGroup(const QString& text) {
    if (!IsWindowEnabled(IDC_CH1) || !UpdateData(true)) {
        return false;
    }
    QStringList lines = text.split('\n');
    if (lines.size() > 1 && lines.back().isEmpty()) {
        lines.removeLast(); // the line end of the last line
    }
    std::vector<ChannelEdit> edits;
    for (int c = 0; c < std::min<int>(kChannelCount, static_cast<int>(lines.size())); ++c) {
        edits.push_back({m_record.m_nGroup, c, lines[c].section('\t', 0, 0).toStdString()});
    }
    EnterChannels(edits, SettingChange::Of(SettingChange::Command::PasteGroup, m_record.m_nGroup));
    return true;
}

void COrvDlg::EnterChannels(const std::vector<ChannelEdit>& edits, const SettingChange& name) {
    if (!IsWindowEnabled(IDC_CH1) || !UpdateData(true)) {
        ShowChannelTable(); // a refused edit of the table goes back to what is stored
        return;
    }
    std::vector<std::string> said;
    for (const ChannelEdit& e : edits) {
        const auto g = static_cast<std::size_t>(e.group), c = static_cast<std::size_t>(e.channel);
        if (e.name) {
            const LabelProblem problem = CheckName(e.text);
            if (problem == LabelProblem::None) {
                m_record.m_strGroupName[g][c] = e.text;
            } else {
                said.push_back(res::NameNote(e.group, e.channel, problem));
            }
            continue;
        }
        const TypedChannel typed = EnterTypedText(e.text);
        if (const std::string note = res::TypedNote(e.group, e.channel, typed); !note.empty()) {
            said.push_back(note);
        }
        if (!typed.refused) {
            m_record.m_strGroupChannel[g][c] = typed.stored.text;
            m_record.m_strGroupCode[g][c] = typed.stored.code;
        }
    }
    LoadGroupChannels(m_record);
    m_document.NameNextStep(name);
    UpdateData(false);
    m_document.Changed();
    Say(QString::fromStdString(res::PasteNote(said)));
    if (m_pChannelTable != nullptr) {
        m_pChannelTable->ShowNote(QString::fromStdString(res::PasteNote(said)));
    }
    if (said.empty()) {
        SayDuplicates();
    }
}

CChannelTable* COrvDlg::OpenChannelTable() {
    if (m_pChannelTable == nullptr) {
        m_pChannelTable = new CChannelTable(this, [this](const std::vector<ChannelEdit>& edits,
                                                         const SettingChange& name) { EnterChannels(edits, name); });
        m_document.ShareEditShortcuts(m_pChannelTable);
    }
    m_pChannelTable->show();
    m_pChannelTable->raise();
    ShowChannelTable();
    return m_pChannelTable;
}

void COrvDlg::ShowChannelTable() {
    if (m_pChannelTable != nullptr && m_pChannelTable->isVisible()) {
        m_pChannelTable->Show(ShownSetting(), IsWindowEnabled(IDC_CH1));
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
    m_document.NameNextStep(SettingChange::Of(SettingChange::Command::FillGroup, m_record.m_nGroup));
    UpdateData(false);
    m_document.Changed();
    Say(QString::fromStdString(res::Filled(m_record.m_nGroup, label)));
    SayDuplicates();
    return true;
}

void COrvDlg::ClearCurrentGroup() {
    if (!IsWindowEnabled(IDC_CH1) || !UpdateData(true)) {
        return;
    }
    ClearGroup(m_record);
    m_document.NameNextStep(SettingChange::Of(SettingChange::Command::ClearGroup, m_record.m_nGroup));
    UpdateData(false);
    m_document.Changed();
}

void COrvDlg::SayDuplicates() {
    const std::string said = res::DescribeDuplicates(m_record.m_nGroup, FindDuplicates(m_record, m_record.m_nGroup));
    if (!said.empty()) {
        Say(QString::fromStdString(said));
    }
}

} // namespace velmar
