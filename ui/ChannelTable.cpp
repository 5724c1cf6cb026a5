#include "ChannelTable.h"

#include "ResourceLoader.h"

#include "ChannelPlans.h"
#include "CodeTables.h"
#include "Words.h"

#include <QAbstractItemDelegate>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace velmar {

namespace {

constexpr int kRows = kGroupCount * kChannelCount;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A cell being edited takes Ctrl+Z and the redo keys for its own keystrokes while it has some to take back;
// after that they are the setting's Undo and Redo, as in the dialog's channel edits.
class CellEditing : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        editor->installEventFilter(const_cast<CellEditing*>(this));
        return editor;
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit != nullptr && event->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool redo = key->matches(QKeySequence::Redo) || key->keyCombination() == (Qt::CTRL | Qt::Key_Y);
            if ((key->matches(QKeySequence::Undo) && !edit->isUndoAvailable()) || (redo && !edit->isRedoAvailable())) {
                return true; // not accepted: the window's shortcut runs
            }
        }
        return QStyledItemDelegate::eventFilter(watched, event);
    }
};

} // namespace

CChannelTable::CChannelTable(Apply apply)
    : QWidget(nullptr, Qt::Window), m_apply(std::move(apply)), m_pWhy(new QLabel(this)), m_pNote(new QLabel(this)),
      m_pTable(new QTableWidget(kRows, 7, this)) {
    setWindowTitle(Word(res::kAllChannelsTitle));
    auto* layout = new QVBoxLayout(this);
    m_pWhy->setText(Word(res::kChannelCommandsWhy));
    m_pWhy->setWordWrap(true);
    layout->addWidget(m_pWhy);
    layout->addWidget(m_pTable);
    m_pNote->setAccessibleName(Word(res::kNoteName));
    m_pNote->setTextFormat(Qt::PlainText);
    m_pNote->setWordWrap(true);
    layout->addWidget(m_pNote);
    m_pTable->setAccessibleName(Word(res::kAllChannelsTitle));
    m_pTable->setHorizontalHeaderLabels({Word(res::kColumnGroup), Word(res::kColumnChannel),
                                         Word(res::kColumnFrequency), Word(res::kColumnName), Word(res::kColumnSpacing),
                                         Word(res::kColumnPlan), Word(res::kColumnSameAs)});
    m_pTable->verticalHeader()->hide();
    m_pTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_pTable->verticalHeader()->setDefaultSectionSize(m_pTable->fontMetrics().height() + 6);
    // Columns fit their widest text, measured once from texts as wide as any the table shows: measuring the
    // cells on every change costs a tenth of a second when the 384 of them are filled.
    const QFontMetrics metrics = m_pTable->fontMetrics();
    const char* widest[] = {"Group", "CH", "446.00625", "Kitchen at the g", "12.5Khz", "PMR446 16", "H8"};
    for (int column = 0; column < m_pTable->columnCount(); ++column) {
        const QString header = m_pTable->horizontalHeaderItem(column)->text();
        m_pTable->setColumnWidth(column, std::max(metrics.horizontalAdvance(QString::fromLatin1(widest[column])),
                                                  metrics.horizontalAdvance(header)) +
                                             3 * metrics.averageCharWidth());
    }
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    int columns = 0;
    for (int column = 0; column < m_pTable->columnCount(); ++column) {
        columns += m_pTable->columnWidth(column);
    }
    // Every column in view at any scale: the window is as wide as they are, with room for the scroll bar.
    m_nFitWidth = columns + m_pTable->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * m_pTable->frameWidth() +
                  layout->contentsMargins().left() + layout->contentsMargins().right() + 4;
    m_pTable->setItemDelegate(new CellEditing(m_pTable));
    m_pTable->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_pTable->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < m_pTable->columnCount(); ++column) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            m_pTable->setItem(row, column, item);
        }
        m_pTable->item(row, 0)->setText(QString(QChar('A' + row / kChannelCount)));
        m_pTable->item(row, 1)->setText(QString::number(row % kChannelCount + 1));
    }
    // A frequency or a name typed into a cell is entered when the cell is left, as an edit's is.
    QObject::connect(m_pTable, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!m_bFilling && (item->column() == kFrequencyColumn || item->column() == kNameColumn)) {
            m_apply({{item->row() / kChannelCount, item->row() % kChannelCount, item->text().toStdString(),
                      item->column() == kNameColumn}},
                    {});
        }
    });
    // Like a spreadsheet: a selection copies as tab-separated text, a column pastes down, Delete empties. An
    // editor open in a cell takes these keys itself.
    const auto key = [this](const QKeySequence& sequence, std::function<void()> run) {
        auto* action = new QAction(m_pTable);
        action->setShortcuts({sequence});
        action->setShortcutContext(Qt::WidgetShortcut);
        QObject::connect(action, &QAction::triggered, this, std::move(run));
        m_pTable->addAction(action);
    };
    // Enter goes down a row, after an edit or without one; Tab goes across, as Qt already does.
    const auto down = [this] {
        const QModelIndex at = m_pTable->currentIndex();
        if (at.isValid() && at.row() + 1 < kRows) {
            m_pTable->setCurrentCell(at.row() + 1, at.column());
        }
    };
    QObject::connect(m_pTable->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
                     [down](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                         if (hint == QAbstractItemDelegate::SubmitModelCache) {
                             down();
                         }
                     });
    key(QKeySequence(Qt::Key_Return), down);
    key(QKeySequence(Qt::Key_Enter), down);
    key(QKeySequence::Copy, [this] { Copy(); });
    key(QKeySequence::Paste, [this] { Paste(); });
    key(QKeySequence::Delete, [this] { Delete(); });
    key(QKeySequence(Qt::Key_Backspace), [this] { Delete(); });
    resize(m_nFitWidth, 24 * m_pTable->verticalHeader()->defaultSectionSize());
}

void CChannelTable::Show(const RadioSettings& s, bool editable) {
    m_bFilling = true;
    m_bEditable = editable;
    m_pWhy->setVisible(!editable);
    for (int row = 0; row < kRows; ++row) {
        const auto g = static_cast<std::size_t>(row / kChannelCount);
        const auto c = static_cast<std::size_t>(row % kChannelCount);
        const std::string& text = s.m_strGroupChannel[g][c];
        for (const int column : {kFrequencyColumn, kNameColumn}) {
            QTableWidgetItem* item = m_pTable->item(row, column);
            item->setText(Q(column == kFrequencyColumn ? text : s.m_strGroupName[g][c]));
            item->setFlags(editable ? item->flags() | Qt::ItemIsEditable : item->flags() & ~Qt::ItemIsEditable);
        }
        m_pTable->item(row, 4)->setText(
            Q(std::string(kSpacingItems[static_cast<std::size_t>(s.m_nGroupSpacing[g] == 1)])));
        const std::optional<PlanChannel> plan = text.empty() ? std::nullopt : PlanChannelOf(text);
        m_pTable->item(row, 5)->setText(plan ? Q(res::PlanLabel(*plan)) : QString());
        QString same;
        for (int other = 0; other < kRows && !text.empty(); ++other) {
            if (other != row && s.m_strGroupChannel[static_cast<std::size_t>(other / kChannelCount)]
                                                   [static_cast<std::size_t>(other % kChannelCount)] == text) {
                same = Q(res::ChannelLabel(other / kChannelCount, other % kChannelCount));
                break;
            }
        }
        m_pTable->item(row, 6)->setText(same);
    }
    m_bFilling = false;
}

void CChannelTable::ShowNote(const QString& note) {
    m_pNote->setText(note);
}

QString CChannelTable::NoteText() const {
    return m_pNote->text();
}

void CChannelTable::Copy() const {
    const QList<QTableWidgetSelectionRange> ranges = m_pTable->selectedRanges();
    if (ranges.isEmpty()) {
        return;
    }
    const QTableWidgetSelectionRange& r = ranges.front();
    QStringList lines;
    for (int row = r.topRow(); row <= r.bottomRow(); ++row) {
        QStringList cells;
        for (int column = r.leftColumn(); column <= r.rightColumn(); ++column) {
            cells << m_pTable->item(row, column)->text();
        }
        lines << cells.join('\t');
    }
    QApplication::clipboard()->setText(lines.join('\n'));
}

std::vector<ChannelEdit> CChannelTable::SelectedCells() const {
    std::vector<ChannelEdit> cells;
    QList<QTableWidgetSelectionRange> ranges = m_pTable->selectedRanges();
    std::sort(ranges.begin(), ranges.end(), [](const auto& a, const auto& b) { return a.topRow() < b.topRow(); });
    for (const QTableWidgetSelectionRange& r : ranges) {
        for (int row = r.topRow(); row <= r.bottomRow(); ++row) {
            for (const int column : {kFrequencyColumn, kNameColumn}) {
                if (r.leftColumn() <= column && column <= r.rightColumn()) {
                    cells.push_back({row / kChannelCount, row % kChannelCount, {}, column == kNameColumn});
                }
            }
        }
    }
    return cells;
}

void CChannelTable::Paste() {
    const QList<QTableWidgetSelectionRange> ranges = m_pTable->selectedRanges();
    QStringList lines;
    for (const std::string& line : PastedLines(QApplication::clipboard()->text().toStdString())) {
        lines.push_back(QString::fromStdString(line));
    }
    if (!m_bEditable || ranges.isEmpty() || lines.isEmpty()) {
        return;
    }
    std::vector<ChannelEdit> edits;
    if (lines.size() == 1 && !lines[0].contains('\t')) {
        // One value fills every selected cell.
        edits = SelectedCells();
        for (ChannelEdit& e : edits) {
            e.text = lines[0].trimmed().toStdString();
        }
    } else {
        // A column or a block lands from the first selected cell on, each value in the column it falls in; what
        // falls on the columns that are not edited (group, spacing, ...) is passed over.
        int top = kRows, left = 0;
        for (const QTableWidgetSelectionRange& r : ranges) {
            if (r.topRow() < top) {
                top = r.topRow();
                left = r.leftColumn();
            }
        }
        const bool column = std::none_of(lines.begin(), lines.end(), [](const QString& l) { return l.contains('\t'); });
        if (column && left != kNameColumn) {
            left = kFrequencyColumn; // a list of frequencies onto whole rows
        }
        for (int i = 0; i < lines.size() && top + i < kRows; ++i) {
            const QStringList values = lines[i].split('\t');
            for (int k = 0; k < values.size(); ++k) {
                const int at = left + k;
                if (at == kFrequencyColumn || at == kNameColumn) {
                    const int row = top + i;
                    edits.push_back({row / kChannelCount, row % kChannelCount,
                                     (at == kNameColumn ? values[k] : values[k].trimmed()).toStdString(),
                                     at == kNameColumn});
                }
            }
        }
    }
    if (!edits.empty()) {
        m_apply(edits, SettingChange::Of(SettingChange::Command::PasteChannels));
    }
}

void CChannelTable::Delete() {
    std::vector<ChannelEdit> edits = SelectedCells();
    if (m_bEditable && !edits.empty()) {
        m_apply(edits, SettingChange::Of(SettingChange::Command::DeleteChannels));
    }
}

} // namespace velmar
