// What a screen reader or an automation client finds through Qt's
// accessibility: names, roles, labels, groups, and the message box's button.

#include "UiTestSupport.h"

#include "CodeTables.h"

using namespace velmar;
using namespace velmar::test;

namespace {

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QStringList LabelsOf(QAccessibleInterface* a) {
    QStringList out;
    for (const auto& [iface, relation] : a->relations(QAccessible::Label)) {
        out << iface->text(QAccessible::Name);
    }
    return out;
}

} // namespace

class Accessibility : public QObject {
    Q_OBJECT

    std::unique_ptr<COrvDlg> dlg;

private slots:
    void init() {
        dlg = OpenDialog();
        Click(*dlg, IDC_MODE_GROUP);
    }
    void cleanup() { dlg.reset(); }

    void buttonsByTheirTexts() {
        for (const char* name : {"Connect", "Disconnect", "Send"}) {
            QAccessibleInterface* a = FindAccessible(dlg.get(), QAccessible::Button, name);
            QVERIFY2(a, name);
            QVERIFY(a->actionInterface());
        }
        QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(dlg.get());
        QCOMPARE(dialog->role(), QAccessible::Dialog);
        QCOMPARE(dialog->text(QAccessible::Name), QStringLiteral("Velmar"));
    }

    void radiosInsideTheirNamedGroups() {
        const OptionList groups[] = {kCtcssList, kDcsList, kSelfToneList, kModeList, kSpacingList};
        for (const OptionList& group : groups) {
            QAccessibleInterface* box = FindAccessible(dlg.get(), QAccessible::Grouping, Q(group.label));
            QVERIFY2(box, group.label.data());
            QStringList radios;
            for (int i = 0; i < box->childCount(); ++i) {
                QAccessibleInterface* child = box->child(i);
                QCOMPARE(child->role(), QAccessible::RadioButton);
                radios << child->text(QAccessible::Name);
                QCOMPARE(LabelsOf(child), QStringList{Q(group.label)});
            }
            QStringList expected;
            for (std::string_view item : group.items) {
                expected << Q(item);
            }
            QCOMPARE(radios, expected);
        }
        // Working a radio through its accessible action runs its handler.
        QAccessibleInterface* pmr = FindAccessible(dlg.get(), QAccessible::RadioButton, "PMR");
        QVERIFY(pmr && pmr->actionInterface());
        QVERIFY(pmr->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        pmr->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(!dlg->IsWindowEnabled(IDC_CH1));
        QVERIFY(pmr->state().checked);
    }

    void channelEditsByTheirLabels() {
        for (int c = 0; c < 8; ++c) {
            const QString name = QStringLiteral("CH%1").arg(c + 1);
            QAccessibleInterface* edit = FindAccessible(dlg.get(), QAccessible::EditableText, name);
            QVERIFY2(edit, qPrintable(name));
            QCOMPARE(edit->object(), static_cast<QObject*>(Edit(*dlg, c)));
            QCOMPARE(LabelsOf(edit), QStringList{name});
            QCOMPARE(dlg->GetDlgItemAs<QLabel>(kChannelLabelIds[c])->buddy(), static_cast<QWidget*>(Edit(*dlg, c)));
        }
        // An automation client types through the text interface.
        QAccessibleInterface* ch1 = FindAccessible(dlg.get(), QAccessible::EditableText, "CH1");
        QVERIFY(ch1->editableTextInterface());
    }

    void combosByTheirLabels() {
        const std::pair<int, OptionList> combos[] = {
            {IDC_GROUP, kGroupList},
            {IDC_SCAN_DELAY, kScanDelayList},
            {IDC_PTT_FP, kPttFpList},
            {IDC_BCLO, kBcloList},
            {IDC_PTT_TOT, kPttTotList},
            {IDC_VOX_ATTACK, kVoxAttackList},
            {IDC_VOX_RELEASE, kVoxReleaseList},
            {IDC_BUTTON_LONG, kButtonLongList},
            {IDC_POWER_SAVE, kPowerSaveList},
            {IDC_BAND, kBandList},
        };
        for (const auto& [id, list] : combos) {
            QAccessibleInterface* combo = QAccessible::queryAccessibleInterface(dlg->GetDlgItem(id));
            QVERIFY(combo);
            QCOMPARE(combo->role(), QAccessible::ComboBox);
            QCOMPARE(LabelsOf(combo), QStringList{Q(list.label)});
            QCOMPARE(combo->text(QAccessible::Value), Q(list.items[0]));
        }
    }

    void messageBoxButtonIsOk() {
        // The real box: found and pressed through accessibility alone.
        QString buttonName;
        QString boxText;
        WhenModal([&](QWidget* box) {
            QAccessibleInterface* ok = FindAccessible(box, QAccessible::Button, "OK");
            QVERIFY(ok);
            buttonName = ok->text(QAccessible::Name);
            QAccessibleInterface* label = FindAccessible(box, QAccessible::StaticText, "Please Input Integer");
            boxText = label ? label->text(QAccessible::Name) : QString();
            ok->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        });
        QTest::keyClicks(Edit(*dlg, 0), "x");
        QCOMPARE(buttonName, QStringLiteral("OK"));
        QCOMPARE(boxText, QStringLiteral("Please Input Integer"));
        QCOMPARE(Edit(*dlg, 0)->text(), QString());
    }
};

QTEST_MAIN(Accessibility)
#include "tst_accessibility.moc"
