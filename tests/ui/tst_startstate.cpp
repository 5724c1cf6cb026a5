// The settings dialog right after start: enabling, values, item lists,
// positions, tab order, size; the context menu and the About box; what a
// screen reader or an automation client finds through Qt's accessibility:
// names, labels, groups, the message box's button.

#include "UiTestSupport.h"

#include <QTextBrowser>

#include "AboutDlg.h"
#include "CodeTables.h"
#include "DialogTemplate.h"
#include "Orv.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

using namespace velmar;
using namespace velmar::test;

namespace {

const auto Q = [](std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); };

QString LabelOf(QAccessibleInterface* a) {
    const auto labels = a->relations(QAccessible::Label);
    return labels.size() == 1 ? labels[0].first->text(QAccessible::Name) : QString("%1 labels").arg(labels.size());
}

} // namespace

class StartState : public QObject {
    Q_OBJECT

private slots:
    void enablingValuesAndItems() {
        auto dlg = OpenDialog();
        // "PMR": the group row, 25 kHz, Disconnect and Send are closed; everything else is open.
        QSet<int> closed{IDC_GROUP_LABEL, IDC_GROUP,      IDC_BAND_LABEL, IDC_BAND,
                         IDC_SPACING_25K, IDC_DISCONNECT, IDC_SEND};
        for (int c = 0; c < 8; ++c) {
            closed << IDC_CH1 + c << kChannelLabelIds[c];
        }
        const QSet<int> checked{IDC_CTCSS_DISABLE, IDC_DCS_DISABLE, IDC_SELF_TONE_ON, IDC_SPACING_12K5, IDC_MODE_PMR};
        for (const res::ControlTemplate& row : res::FindDialog(IDD_ORV_DIALOG)->controls) {
            if (row.id == res::kNoId) {
                continue;
            }
            QVERIFY2(dlg->IsWindowEnabled(row.id) != closed.contains(row.id), qPrintable(QString::number(row.id)));
            if (row.kind == res::Kind::RadioButton) {
                QVERIFY2(Checked(*dlg, row.id) == checked.contains(row.id), qPrintable(QString::number(row.id)));
            } else if (row.kind == res::Kind::ComboBox) {
                QCOMPARE(Combo(*dlg, row.id)->currentIndex(), 0);
            }
        }
        // The operator cannot type into a closed edit; the record reads back its defaults.
        QTest::keyClicks(Edit(*dlg, 0), "446.00625");
        QCOMPARE(Edit(*dlg, 0)->text(), QString());
        QVERIFY(dlg->UpdateData(true));
        const RadioSettings fresh;
        QVERIFY(dlg->m_record.m_strBclo == "OFF" && dlg->m_record.m_nMode == fresh.m_nMode &&
                dlg->m_record.m_nSpacing == fresh.m_nSpacing && dlg->m_record.m_strGroupCode == fresh.m_strGroupCode);
    }

    void tabOrderFollowsTemplate() {
        auto dlg = OpenDialog();
        dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
        QCOMPARE(QApplication::focusWidget(), dlg->GetDlgItem(IDC_CONNECT));
        auto walk = [&](std::initializer_list<int> ids) {
            for (int id : ids) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QVERIFY2(QApplication::focusWidget() == dlg->GetDlgItem(id), qPrintable(QString::number(id)));
            }
        };
        // "PMR": Disconnect, Send, Group, the edits and Band are closed and skipped; each radio group is one
        // stop, on its checked button.
        walk({IDC_SPACING_12K5, IDC_SCAN_DELAY, IDC_PTT_FP, IDC_BCLO, IDC_PTT_TOT, IDC_VOX_ATTACK, IDC_VOX_RELEASE,
              IDC_BUTTON_LONG, IDC_POWER_SAVE, IDC_CTCSS_DISABLE, IDC_DCS_DISABLE, IDC_SELF_TONE_ON, IDC_MODE_PMR,
              IDC_CONNECT});
        // By keyboard alone: back to the mode group, where the arrows move and click as a mouse would, and the
        // group's stop follows the checked button.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), dlg->GetDlgItem(IDC_MODE_PMR));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QVERIFY(Checked(*dlg, IDC_MODE_LPD) && QApplication::focusWidget() == dlg->GetDlgItem(IDC_MODE_LPD));
        QVERIFY(Checked(*dlg, IDC_SPACING_25K));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(Checked(*dlg, IDC_MODE_GROUP) && dlg->IsWindowEnabled(IDC_CH1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QVERIFY(Checked(*dlg, IDC_MODE_PMR));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left); // wraps round
        QVERIFY(Checked(*dlg, IDC_MODE_PMR_LPD));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QVERIFY(Checked(*dlg, IDC_MODE_GROUP));
        walk({IDC_BAND, IDC_CONNECT, IDC_SPACING_12K5, IDC_GROUP, IDC_CH1});
        QTest::keyClicks(QApplication::focusWidget(), "446.00625");
        QCOMPARE(Code(*dlg, 0, 0), std::string("1cc1"));
        walk({IDC_CH1 + 1, IDC_CH1 + 2, IDC_CH1 + 3, IDC_CH1 + 4, IDC_CH1 + 5, IDC_CH1 + 6, IDC_CH1 + 7,
              IDC_SCAN_DELAY});
    }

    void theTemplateSitsBetweenTheMenuBarAndTheStatusLine() {
        auto dlg = OpenDialog();
        const int bar = dlg->MenuBar()->height();
        QVERIFY(bar > 0 && dlg->Client()->pos() == QPoint(0, bar));
        QCOMPARE(dlg->StatusLine()->geometry().top(), bar + dlg->TemplateSize().height());
        QCOMPARE(dlg->minimumSize(), dlg->maximumSize());
    }

    void aboutFromTheContextMenu_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("button") << 0;
        QTest::newRow("enter") << 1;
        QTest::newRow("escape") << 2;
    }

    void aboutFromTheContextMenu() {
        QFETCH(int, how);
        auto dlg = OpenDialog();
        Click(*dlg, IDC_MODE_GROUP);
        QTest::keyClicks(Edit(*dlg, 0), "446.00625");
        QStringList entries;
        int result = -1;
        // Right-click on the background; the access key A opens the box.
        QTimer::singleShot(0, [&] {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(popup);
            for (QAction* a : popup->actions()) {
                entries << (a->isSeparator() ? QStringLiteral("-") : a->text());
            }
            WhenModal([&](QWidget* w) {
                auto* about = dynamic_cast<CAboutDlg*>(w);
                QVERIFY(about);
                QObject::connect(about, &QDialog::finished, [&](int r) { result = r; });
                if (how == 0) {
                    QTest::mouseClick(about->GetDlgItem(IDOK), Qt::LeftButton);
                } else {
                    QTest::keyClick(about, how == 1 ? Qt::Key_Return : Qt::Key_Escape);
                }
            });
            QTest::keyClick(popup, Qt::Key_A);
        });
        const QPoint at(dlg->width() - 4, 4);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, dlg->mapToGlobal(at));
        QApplication::sendEvent(dlg.get(), &event);
        QCOMPARE(entries.mid(entries.size() - 2), (QStringList{"-", "Velmar Program About(&A)..."}));
        QCOMPARE(result, how == 2 ? IDCANCEL : IDOK);
        // The dialog as it was: its entry, its mode, still up.
        QVERIFY(Edit(*dlg, 0)->text() == "446.00625" && Code(*dlg, 0, 0) == "1cc1" && Checked(*dlg, IDC_MODE_GROUP));
        QVERIFY(dlg->isVisible() && dlg->IsWindowEnabled(IDC_CH1));
    }

    void controlsByTheirNamesAndLabels() {
        auto dlg = OpenDialog();
        const std::pair<int, const char*> buttons[] = {
            {IDC_CONNECT, "Connect"}, {IDC_DISCONNECT, "Disconnect"}, {IDC_SEND, "Send"}};
        for (const auto& [id, name] : buttons) {
            QAccessibleInterface* a = FindAccessible(dlg.get(), QAccessible::Button, name);
            QVERIFY2(a && a->object() == dlg->GetDlgItem(id) && a->actionInterface(), name);
        }
        // Every labelled control carries its label; an edit is also named by it.
        for (const res::ControlTemplate& row : res::FindDialog(IDD_ORV_DIALOG)->controls) {
            if (row.labelFor == res::kNoId) {
                continue;
            }
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(dlg->GetDlgItem(row.labelFor));
            QCOMPARE(LabelOf(a), Q(row.text));
            if (a->role() == QAccessible::EditableText) {
                QCOMPARE(FindAccessible(dlg.get(), QAccessible::EditableText, Q(row.text)), a);
            }
        }
        // Radios inside their named groups.
        for (const OptionList& group : {kCtcssList, kDcsList, kSelfToneList, kModeList, kSpacingList}) {
            QAccessibleInterface* box = FindAccessible(dlg.get(), QAccessible::Grouping, Q(group.label));
            QVERIFY2(box && box->childCount() == static_cast<int>(group.items.size()), group.label.data());
            for (int i = 0; i < box->childCount(); ++i) {
                QCOMPARE(box->child(i)->role(), QAccessible::RadioButton);
                QCOMPARE(box->child(i)->text(QAccessible::Name), Q(group.items[static_cast<std::size_t>(i)]));
                QCOMPARE(LabelOf(box->child(i)), Q(group.label));
            }
        }
        // Every option is explained where it is: each combo and radio carries what its group or label is, to the
        // eye and to a screen reader, and Help > Radio Options lists them all under the dialog's own labels.
        for (const res::ControlTemplate& row : res::FindDialog(IDD_ORV_DIALOG)->controls) {
            if (row.kind == res::Kind::ComboBox || row.kind == res::Kind::RadioButton) {
                QWidget* control = dlg->GetDlgItem(row.id);
                const QString said = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description);
                QVERIFY2(!said.isEmpty() && control->toolTip().contains(said.toHtmlEscaped()), row.text.data());
            }
        }
        WhenModal([](QWidget* page) {
            const QString text = page->findChild<QTextBrowser*>("radioOptions")->toPlainText();
            for (const char* label : {"Mode Select", "Channel Spacing", "BCLO", "PTT FP", "PTT TOT", "Power Save Ratio",
                                      "Band Select", "Self Tone Test", "Button long Time"}) {
                QVERIFY2(text.contains(label), label);
            }
            page->close();
        });
        MenuNamed(*dlg, "&Help")->actions()[0]->trigger();
        // Working a radio through its accessible action runs its handler.
        QAccessibleInterface* gruop = FindAccessible(dlg.get(), QAccessible::RadioButton, "GRUOP");
        gruop->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(gruop->state().checked && dlg->IsWindowEnabled(IDC_CH1));
    }
};

QTEST_MAIN(StartState)
#include "tst_startstate.moc"
