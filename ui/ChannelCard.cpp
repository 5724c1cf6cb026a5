#include "ChannelCard.h"

#include "ResourceLoader.h"

#include "ChannelPlans.h"
#include "CodeTables.h"
#include "SettingOptions.h"
#include "Strings.h"
#include "TextFile.h"
#include "Words.h"

#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>
#include <numeric>
#include <vector>

namespace velmar {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

struct Row {
    QString ch, frequency, name, plan;
};

// A group with channels: its heading and a row per channel that has a frequency.
struct Block {
    QString heading;
    std::vector<Row> rows;
};

std::vector<Block> Blocks(const RadioSettings& s) {
    std::vector<Block> blocks;
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        Block block;
        const auto spacing = static_cast<std::size_t>(s.m_nGroupSpacing[g] == 1);
        block.heading = Q(res::CardGroupHeading(static_cast<int>(g), kSpacingItems[spacing]));
        for (std::size_t c = 0; c < kChannelCount; ++c) {
            const std::string& text = s.m_strGroupChannel[g][c];
            if (!text.empty()) {
                const std::optional<PlanChannel> plan = PlanChannelOf(text);
                block.rows.push_back({QString::number(c + 1), Q(text), Q(s.m_strGroupName[g][c]),
                                      plan ? Q(res::PlanLabel(*plan)) : QString()});
            }
        }
        if (!block.rows.empty()) {
            blocks.push_back(std::move(block));
        }
    }
    return blocks;
}

// What a user in the field meets: the mode first, then what changes how the radio behaves on the air.
QString OptionsLine(const RadioSettings& s) {
    QStringList parts;
    for (const OptionList* list :
         {&kModeList, &kBandList, &kCtcssList, &kDcsList, &kBcloList, &kPttTotList, &kScanDelayList, &kVoxAttackList}) {
        const auto option = std::find_if(kSettingOptions.begin(), kSettingOptions.end(),
                                         [&](const SettingOption& o) { return o.list == list; });
        parts << Q(std::string(list->label) + ": " + OptionItem(s, *option));
    }
    return parts.join(QStringLiteral("    "));
}

QFont Font(double points, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    // No ligatures: a name on the card is the name as typed, also for a program that reads the text back.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// The card laid out at one type size, in the device's units; Fits() says whether it takes one page.
class Layout {
public:
    Layout(QPaintDevice& device, const RadioSettings& s, const CardFacts& facts, double points)
        : m_device(device), m_s(s), m_facts(facts), m_points(points), m_blocks(Blocks(s)) {
        m_width = device.width();
        m_height = device.height();
        m_pointUnits = device.logicalDpiY() / 72.0;
        m_gutter = 18 * m_pointUnits;
        const QFontMetricsF cell(Font(points), &device);
        const QFontMetricsF header(Font(points, true), &device);
        const double pad = cell.averageCharWidth() * 2.5;
        // A column is as wide as its header, its widest text and a sample of what it holds.
        const auto widest = [&](const char* title, const QString& sample, auto field) {
            double w = std::max(header.horizontalAdvance(Word(title)), cell.horizontalAdvance(sample));
            for (const Block& b : m_blocks) {
                for (const Row& r : b.rows) {
                    w = std::max(w, cell.horizontalAdvance(field(r)));
                }
            }
            return w + pad;
        };
        m_columns[0] = widest(res::kColumnChannel, QStringLiteral("8"), [](const Row& r) { return r.ch; });
        m_columns[1] =
            widest(res::kColumnFrequency, QStringLiteral("446.00625"), [](const Row& r) { return r.frequency; });
        // Room to write a name in by hand where there is none.
        m_columns[2] = widest(res::kColumnName, QString(10, QChar('n')), [](const Row& r) { return r.name; });
        m_columns[3] = widest(res::kColumnPlan, QStringLiteral("LPD433 69"), [](const Row& r) { return r.plan; });
        m_rowHeight = cell.height() * 1.45;
        m_headingHeight = QFontMetricsF(Font(points * 1.15, true), &device).height() * 1.3;
        m_blockGap = m_rowHeight * 0.8;
        // The groups in two columns, split where the taller column is lowest.
        std::vector<double> heights;
        for (const Block& b : m_blocks) {
            heights.push_back(BlockHeight(b));
        }
        const double total = std::accumulate(heights.begin(), heights.end(), 0.0);
        double best = total, left = 0;
        m_split = heights.size();
        for (std::size_t k = 0; k <= heights.size(); ++k) {
            const double taller = std::max(left, total - left);
            if (taller < best) {
                best = taller;
                m_split = k;
            }
            left += k < heights.size() ? heights[k] : 0;
        }
        m_groupsHeight = best;
    }

    // The whole card on one page; with `notes` false, all but the notes, which may then go on over more pages.
    [[nodiscard]] bool Fits(bool notes = true) const {
        const double table = std::accumulate(m_columns.begin(), m_columns.end(), 0.0);
        return table <= (m_width - m_gutter) / 2 &&
               Height(HeadLines()) + m_groupsHeight + (notes ? Height(NoteLines()) : 0) <= m_height;
    }

    void Paint(QPainter& p, QPagedPaintDevice& device) const {
        p.setPen(QPen(Qt::black, 0.6 * m_pointUnits));
        const double y = PaintLines(p, 0, HeadLines());
        const double columnWidth = (m_width - m_gutter) / 2;
        for (int side = 0; side < 2; ++side) {
            double at = y;
            const std::size_t from = side == 0 ? 0 : m_split, to = side == 0 ? m_split : m_blocks.size();
            for (std::size_t b = from; b < to; ++b) {
                at = PaintBlock(p, m_blocks[b], side * (columnWidth + m_gutter), at);
            }
        }
        PaintNotes(p, device, y + m_groupsHeight);
    }

private:
    // The date in the locale's own form; in the C locale, which has none, as 2026-12-07.
    QString Made() const {
        const QLocale locale;
        const QString date = locale.language() == QLocale::C ? m_facts.made.toString(Qt::ISODate)
                                                             : locale.toString(m_facts.made, QLocale::LongFormat);
        return Q(res::CardMade(date.toStdString()));
    }

    double BlockHeight(const Block& b) const {
        return m_headingHeight + m_rowHeight * static_cast<double>(b.rows.size() + 1) + m_blockGap;
    }

    // `text` in `font` broken into lines across the page: at words, and inside a word too long for a line, so
    // that no part of it is cut off at the edge.
    std::vector<QString> Wrapped(const QFont& font, const QString& text) const {
        std::vector<QString> lines;
        for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
            QTextLayout layout(paragraph, font, &m_device);
            QTextOption option;
            option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(m_width);
                lines.push_back(paragraph.mid(line.textStart(), line.textLength()));
            }
            layout.endLayout();
            if (paragraph.isEmpty()) {
                lines.emplace_back();
            }
        }
        return lines;
    }

    double LineHeight(const QFont& font) const { return QFontMetricsF(font, &m_device).lineSpacing(); }

    // The height of `text` in `font` across the page, wrapped when `wrap`.
    double TextHeight(const QFont& font, const QString& text, bool wrap = false) const {
        const double line = LineHeight(font);
        if (!wrap) {
            return line * 1.2;
        }
        return line * static_cast<double>(Wrapped(font, text).size()) + line * 0.3;
    }

    // A line of text across the page above or below the groups, and the space after it.
    struct Line {
        QFont font;
        QString text;
        bool wrap = false;
        double gapAfter = 0;
    };

    // The title, the date, the options and what the mode and the groups call for.
    std::vector<Line> HeadLines() const {
        std::vector<Line> lines{{Font(m_points * 2, true), m_facts.title, true},
                                {Font(m_points * 0.9), Made(), false, m_rowHeight * 0.4},
                                {Font(m_points), OptionsLine(m_s), true}};
        if (m_s.m_nMode != kGroupMode) {
            lines.push_back({Font(m_points), Word(res::kCardModeOwnChannels), true});
        }
        if (m_blocks.empty()) {
            lines.push_back({Font(m_points, true), Word(res::kCardNoChannels)});
        }
        lines.back().gapAfter = m_rowHeight * 0.6;
        return lines;
    }

    std::vector<Line> NoteLines() const {
        if (m_s.m_strNotes.empty()) {
            return {};
        }
        return {{Font(m_points * 1.15, true), Word(res::kCardNotes)}, {Font(m_points), Q(m_s.m_strNotes), true}};
    }

    double Height(const std::vector<Line>& lines) const {
        double height = 0;
        for (const Line& line : lines) {
            height += TextHeight(line.font, line.text, line.wrap) + line.gapAfter;
        }
        return height;
    }

    // Draws `lines` from `y` down and returns where the next thing starts.
    double PaintLines(QPainter& p, double y, const std::vector<Line>& lines) const {
        for (const Line& line : lines) {
            p.setFont(line.font);
            const double height = LineHeight(line.font);
            for (const QString& text : line.wrap ? Wrapped(line.font, line.text) : std::vector<QString>{line.text}) {
                p.drawText(QRectF(0, y, m_width, height), Qt::AlignLeft | Qt::AlignTop, text);
                y += height;
            }
            y += TextHeight(line.font, line.text, line.wrap) -
                 height * static_cast<double>(line.wrap ? Wrapped(line.font, line.text).size() : 1) + line.gapAfter;
        }
        return y;
    }

    // The notes, line by line, going on at the top of a new page where the page ends: every line is on the card.
    void PaintNotes(QPainter& p, QPagedPaintDevice& device, double y) const {
        for (const Line& line : NoteLines()) {
            p.setFont(line.font);
            const double height = LineHeight(line.font);
            for (const QString& text : Wrapped(line.font, line.text)) {
                if (y + height > m_height && y > 0) {
                    device.newPage();
                    y = 0;
                }
                p.drawText(QRectF(0, y, m_width, height), Qt::AlignLeft | Qt::AlignTop, text);
                y += height;
            }
            y += height * 0.3;
        }
    }

    double PaintBlock(QPainter& p, const Block& b, double x, double y) const {
        p.setFont(Font(m_points * 1.15, true));
        p.drawText(QRectF(x, y, (m_width - m_gutter) / 2, m_headingHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   b.heading);
        y += m_headingHeight;
        const auto row = [&](const std::array<QString, 4>& cells, bool header) {
            p.setFont(Font(m_points, header));
            double at = x;
            for (std::size_t i = 0; i < cells.size(); ++i) {
                p.drawText(QRectF(at, y, m_columns[i], m_rowHeight), Qt::AlignLeft | Qt::AlignVCenter, cells[i]);
                at += m_columns[i];
            }
            y += m_rowHeight;
            p.drawLine(QPointF(x, y), QPointF(at, y));
        };
        row({Word(res::kColumnChannel), Word(res::kColumnFrequency), Word(res::kColumnName), Word(res::kColumnPlan)},
            true);
        for (const Row& r : b.rows) {
            row({r.ch, r.frequency, r.name, r.plan}, false);
        }
        return y + m_blockGap;
    }

    QPaintDevice& m_device;
    const RadioSettings& m_s;
    const CardFacts& m_facts;
    double m_points;
    std::vector<Block> m_blocks;
    double m_width = 0, m_height = 0, m_pointUnits = 1, m_gutter = 0;
    std::array<double, 4> m_columns{};
    double m_rowHeight = 0, m_headingHeight = 0, m_blockGap = 0, m_groupsHeight = 0;
    std::size_t m_split = 0;
};

} // namespace

bool CardOnLetter() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
}

void PaintChannelCard(QPainter& painter, QPagedPaintDevice& device, const RadioSettings& s, const CardFacts& facts) {
    // Largest type first: 12 pt reads at arm's length; a full card with long notes may need less. Notes too long
    // for any size go on over more pages, the groups at the largest size that takes them.
    for (const bool notes : {true, false}) {
        for (double points = 12; points > 5; points -= 0.5) {
            const Layout layout(device, s, facts, points);
            if (layout.Fits(notes) || (!notes && points <= 5.5)) {
                layout.Paint(painter, device);
                return;
            }
        }
    }
}

QString MissingCardFont() {
    // Without a font that has the letters every text would be drawn as black bars, a card nobody can read.
    const QFont font = Font(12);
    const QFontMetricsF metrics(font);
    return metrics.inFont(QLatin1Char('A')) && metrics.inFont(QLatin1Char('4')) ? QString() : font.family();
}

bool WriteChannelCardPdf(const QString& path, const RadioSettings& s, const CardFacts& facts, QString* error) {
    if (const QString missing = MissingCardFont(); !missing.isEmpty()) {
        *error = Q(res::CardNoFont(missing.toStdString()));
        return false;
    }
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(facts.title);
        writer.setCreator(QStringLiteral("Velmar"));
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(CardOnLetter() ? QPageSize::Letter : QPageSize::A4),
                                         QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        QPainter painter(&writer);
        PaintChannelCard(painter, writer, s, facts);
    }
    // Written whole or not at all, as a setting file is: a failed write leaves what was there.
    FileFailure why;
    if (!WriteTextFileAtomic(QFile::encodeName(path).toStdString(), pdf.data().toStdString(), &why,
                             QFile::encodeName(facts.source).toStdString())) {
        *error = QString::fromLocal8Bit(res::DescribeFileFailure(why));
        return false;
    }
    return true;
}

} // namespace velmar
