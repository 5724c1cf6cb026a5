// The settings dialog's channel commands: a group filled from a stock channel plan in one step, a group
// cleared, a group copied and pasted as lines of text, the table of all channels, and a word on duplicate
// frequencies. Each is one step of the history.

#include "OrvDlg.h"

#include "StatusLine.h"

#include "ChannelPlans.h"
#include "ResourceLoader.h"
#include "SettingCheck.h"
#include "Words.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>

namespace velmar {

void COrvDlg::BuildChannelsMenu() {
    m_pChannelsMenu = m_pMenuBar->addMenu(Word(res::kMenuChannels));
    QMenu* fill = m_pChannelsMenu->addMenu(Word(res::kMenuFillGroup));
    const std::vector<PlanSlice> slices = PlanSlices();
    for (std::size_t i = 0; i < slices.size(); ++i) {
        fill->addAction(QString::fromStdString(res::SliceLabel(slices[i])), this,
                        [this, i] { FillGroupWithPlan(static_cast<int>(i)); });
    }
    m_pChannelsMenu->addAction(Word(res::kMenuClearGroup), this, [this] { ClearCurrentGroup(); });
    m_channelCommands << m_pChannelsMenu->actions();
    m_pChannelsMenu->setToolTipsVisible(true);
    for (QAction* action : m_channelCommands) {
        action->setEnabled(m_editor.ChannelsOpen());
        action->setToolTip(m_editor.ChannelsOpen() ? QString() : Word(res::kChannelCommandsWhy));
    }
}

void COrvDlg::BuildEditAndViewMenus() {
    QMenu* edit = m_pMenuBar->addMenu(Word(res::kMenuEdit));
    m_document.FillEditMenu(edit);
    edit->addSeparator();
    QAction* copy = edit->addAction(Word(res::kMenuCopyGroup), this, [this] { CopyGroup(); });
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QAction* paste =
        edit->addAction(Word(res::kMenuPasteGroup), this, [this] { PasteGroup(QApplication::clipboard()->text()); });
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    edit->setToolTipsVisible(true);
    for (QAction* action : {copy, paste}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        m_channelCommands << action;
    }
    edit->addSeparator();
    edit->addAction(Word(res::kMenuCheckSetting), this, [this] { OnCheckSetting(); });
    QMenu* view = m_pMenuBar->addMenu(Word(res::kMenuView));
    view->addAction(Word(res::kMenuAllChannels), this, [this] { OpenChannelTable(); });
    view->addAction(Word(res::kMenuMessages), this, [this] { m_side.OpenMessages(); });
}

void COrvDlg::OnCheckSetting() {
    const RadioSettings& setting = m_editor.Setting();
    const std::vector<SettingWarning> warnings = CheckSetting(setting);
    std::string text = setting.m_nMode != kGroupMode ? res::Tr(res::kCheckOwnChannels)
                       : warnings.empty()            ? res::Tr(res::kCheckClean)
                                                     : res::CheckFound(warnings.size());
    for (const SettingWarning& w : warnings) {
        text += "\n\u2022 " + res::DescribeSettingWarning(w);
    }
    MessageBox(QString::fromStdString(text), Word(res::kCheckTitle));
}

void COrvDlg::ShowStanding() {
    if (m_pStatusLine == nullptr) {
        return;
    }
    if (!m_editor.ChannelsOpen()) {
        m_pStatusLine->ShowHint(Word(res::kModeOwnChannels));
        return;
    }
    const std::vector<SettingWarning> warnings = CheckSetting(m_editor.Setting());
    m_pStatusLine->ShowHint(warnings.empty() ? QString()
                                             : QString::fromStdString(res::CheckLine(warnings.size(), warnings[0])));
}

void COrvDlg::CopyGroup() {
    EditResult settled;
    const std::optional<PerChannel<std::string>> texts = m_editor.CopyGroup(&settled);
    if (!texts) {
        return;
    }
    if (settled.changed) {
        ShowEdited(settled);
    }
    QStringList lines;
    for (const std::string& text : *texts) {
        lines << QString::fromStdString(text);
    }
    QApplication::clipboard()->setText(lines.join('\n') + '\n');
}

bool COrvDlg::PasteGroup(const QString& text) {
    if (!m_editor.ChannelsOpen()) {
        return false;
    }
    ShowEdited(m_editor.PasteGroup(text.toStdString()));
    return true;
}

void COrvDlg::EnterChannels(const std::vector<ChannelEdit>& edits, const SettingChange& name) {
    const EditResult result = m_editor.EnterChannels(edits, name);
    ShowEdited(result);
    if (CChannelTable* table = m_side.ChannelTable()) {
        table->ShowNote(QString::fromStdString(res::EditNote(result)));
    }
}

CChannelTable* COrvDlg::OpenChannelTable() {
    CChannelTable* table = m_side.OpenChannelTable();
    ShowChannelTable();
    return table;
}

void COrvDlg::ShowChannelTable() {
    if (CChannelTable* table = m_side.ChannelTable(); table != nullptr && table->isVisible()) {
        table->Show(m_editor.Setting(), m_editor.ChannelsOpen());
    }
}

bool COrvDlg::FillGroupWithPlan(int slice) {
    const std::vector<PlanSlice> slices = PlanSlices();
    if (slice < 0 || slice >= static_cast<int>(slices.size()) || !m_editor.ChannelsOpen()) {
        return false;
    }
    const PlanSlice& chosen = slices[static_cast<std::size_t>(slice)];
    const std::string label = res::SliceLabel(chosen);
    if (const int filled = m_editor.FilledChannelCount(); filled > 0) {
        if (MessageBox(QString::fromStdString(res::FillAsk(m_editor.Group(), filled, label)), {}, MB_REPLACECANCEL) !=
            IDOK) {
            return false;
        }
    }
    Say(QString::fromStdString(res::Filled(m_editor.Group(), label)));
    ShowEdited(m_editor.FillGroup(chosen));
    return true;
}

void COrvDlg::ClearCurrentGroup() {
    if (m_editor.ChannelsOpen()) {
        ShowEdited(m_editor.ClearGroup());
    }
}

} // namespace velmar
