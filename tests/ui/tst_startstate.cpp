// The settings dialog right after start: enabling, values, item lists, tab
// order, size; how the program starts and ends; the context menu and the
// About box.

#include "UiTestSupport.h"

#include "Orv.h"

#include "CodeTables.h"

#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QMenu>
#include <QStyle>

using namespace velmar;
using namespace velmar::test;

namespace {

QStringList Items(QComboBox* combo) {
    QStringList out;
    for (int i = 0; i < combo->count(); ++i) {
        out << combo->itemText(i);
    }
    return out;
}

QStringList Expected(std::span<const std::string_view> items) {
    QStringList out;
    for (std::string_view s : items) {
        out << QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    }
    return out;
}

// What the operator sees: every control's enabling, check state and text.
QString Snapshot(COrvDlg& dlg) {
    QString out;
    for (QWidget* w : dlg.findChildren<QWidget*>()) {
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            out += QStringLiteral("E%1:%2;").arg(e->isEnabled()).arg(e->text());
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            out += QStringLiteral("C%1:%2;").arg(c->isEnabled()).arg(c->currentIndex());
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            out += QStringLiteral("B%1%2:%3;").arg(b->isEnabled()).arg(b->isChecked()).arg(b->text());
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            out += QStringLiteral("L%1:%2;").arg(l->isEnabled()).arg(l->text());
        }
    }
    return out;
}

} // namespace

class StartState : public QObject {
    Q_OBJECT

private slots:
    void enablingAfterStart() {
        auto dlg = OpenDialog();
        QVERIFY(dlg->IsWindowEnabled(IDC_CONNECT));
        QVERIFY(!dlg->IsWindowEnabled(IDC_DISCONNECT));
        QVERIFY(!dlg->IsWindowEnabled(IDC_SEND));
        QVERIFY(dlg->m_btnSend.IsAttached() && dlg->m_btnDisconnect.IsAttached() && dlg->m_btnConnect.IsAttached());
        QCOMPARE(dlg->m_btnConnect.widget(), dlg->GetDlgItem(IDC_CONNECT));

        const int groupControls[] = {IDC_GROUP_LABEL, IDC_GROUP, IDC_BAND_LABEL, IDC_BAND, IDC_SPACING_25K};
        for (int id : groupControls) {
            QVERIFY2(!dlg->IsWindowEnabled(id), qPrintable(QString::number(id)));
        }
        for (int c = 0; c < 8; ++c) {
            QVERIFY(!dlg->IsWindowEnabled(IDC_CH1 + c));
            QVERIFY(!dlg->IsWindowEnabled(kChannelLabelIds[c]));
        }
        const int open[] = {IDC_SPACING_12K5, IDC_SCAN_DELAY,    IDC_PTT_FP,      IDC_BCLO,       IDC_PTT_TOT,
                            IDC_VOX_ATTACK,   IDC_VOX_RELEASE,   IDC_BUTTON_LONG, IDC_POWER_SAVE, IDC_CTCSS_DISABLE,
                            IDC_CTCSS_38,     IDC_CTCSS_50,      IDC_DCS_DISABLE, IDC_DCS_83,     IDC_DCS_104,
                            IDC_SELF_TONE_ON, IDC_SELF_TONE_OFF, IDC_MODE_PMR,    IDC_MODE_LPD,   IDC_MODE_GROUP,
                            IDC_MODE_PMR_LPD};
        for (int id : open) {
            QVERIFY2(dlg->IsWindowEnabled(id), qPrintable(QString::number(id)));
        }
        // The operator cannot type into a closed edit.
        QTest::keyClicks(Edit(*dlg, 0), "446.00625");
        QCOMPARE(Edit(*dlg, 0)->text(), QString());
        QCOMPARE(Code(*dlg, 0, 0), std::string());
        QCOMPARE(dlg->m_nRxCount, 0);
    }

    void valuesAndItemsAfterStart() {
        auto dlg = OpenDialog();
        for (int c = 0; c < 8; ++c) {
            QCOMPARE(Edit(*dlg, c)->text(), QString());
        }
        struct Row {
            int id;
            std::span<const std::string_view> items;
            const char* shown;
        };
        const Row rows[] = {
            {IDC_GROUP, kGroupItems, "Group A"},
            {IDC_SCAN_DELAY, kScanDelayItems, "OFF"},
            {IDC_PTT_FP, kPttFpItems, "OFF"},
            {IDC_BCLO, kBcloItems, "OFF"},
            {IDC_PTT_TOT, kPttTotItems, "OFF"},
            {IDC_VOX_ATTACK, kVoxAttackItems, "0mS"},
            {IDC_VOX_RELEASE, kVoxReleaseItems, "0.5 Sec"},
            {IDC_BUTTON_LONG, kButtonLongItems, "0.5 Sec"},
            {IDC_POWER_SAVE, kPowerSaveItems, "0.0 : 0.0"},
            {IDC_BAND, kBandItems, "410Mhz"},
        };
        for (const Row& row : rows) {
            QComboBox* combo = Combo(*dlg, row.id);
            QVERIFY(combo);
            // Sorted combos must not move an item: "10 Sec" stays after "5 Sec".
            QCOMPARE(Items(combo), Expected(row.items));
            QCOMPARE(combo->currentText(), QString::fromLatin1(row.shown));
            QCOMPARE(combo->currentIndex(), 0);
        }
        const int checked[] = {IDC_CTCSS_DISABLE, IDC_DCS_DISABLE, IDC_SELF_TONE_ON, IDC_SPACING_12K5, IDC_MODE_PMR};
        const int unchecked[] = {IDC_CTCSS_38,    IDC_CTCSS_50, IDC_DCS_83,     IDC_DCS_104,     IDC_SELF_TONE_OFF,
                                 IDC_SPACING_25K, IDC_MODE_LPD, IDC_MODE_GROUP, IDC_MODE_PMR_LPD};
        for (int id : checked) {
            QVERIFY2(Radio(*dlg, id)->isChecked(), qPrintable(QString::number(id)));
        }
        for (int id : unchecked) {
            QVERIFY2(!Radio(*dlg, id)->isChecked(), qPrintable(QString::number(id)));
        }
        // The record reads back exactly its defaults.
        dlg->UpdateData(true);
        const RadioSettings fresh;
        QCOMPARE(dlg->m_record.m_strBclo, std::string("OFF"));
        QCOMPARE(dlg->m_record.m_nMode, fresh.m_nMode);
        QCOMPARE(dlg->m_record.m_nBand, fresh.m_nBand);
        QCOMPARE(dlg->m_record.m_nSpacing, fresh.m_nSpacing);
        QVERIFY(dlg->m_record.m_strGroupCode == fresh.m_strGroupCode);
    }

    void tabOrderFollowsTemplate() {
        auto dlg = OpenDialog();
        dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
        QCOMPARE(QApplication::focusWidget(), dlg->GetDlgItem(IDC_CONNECT));

        auto walk = [&](int steps) {
            QList<QWidget*> seen;
            for (int i = 0; i < steps; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                seen << QApplication::focusWidget();
            }
            return seen;
        };
        auto ids = [&](std::initializer_list<int> list) {
            QList<QWidget*> out;
            for (int id : list) {
                out << dlg->GetDlgItem(id);
            }
            return out;
        };
        // "PMR": Disconnect, Send, Group, the edits and Band are closed.
        QCOMPARE(walk(9), ids({IDC_SCAN_DELAY, IDC_PTT_FP, IDC_BCLO, IDC_PTT_TOT, IDC_VOX_ATTACK, IDC_VOX_RELEASE,
                               IDC_BUTTON_LONG, IDC_POWER_SAVE, IDC_CONNECT}));

        Click(*dlg, IDC_MODE_GROUP);
        dlg->GetDlgItem(IDC_CONNECT)->setFocus();
        QCOMPARE(walk(19),
                 ids({IDC_GROUP, IDC_CH1, IDC_CH1 + 1, IDC_CH1 + 2, IDC_CH1 + 3, IDC_CH1 + 4, IDC_CH1 + 5, IDC_CH1 + 6,
                      IDC_CH1 + 7, IDC_SCAN_DELAY, IDC_PTT_FP, IDC_BCLO, IDC_PTT_TOT, IDC_VOX_ATTACK, IDC_VOX_RELEASE,
                      IDC_BUTTON_LONG, IDC_POWER_SAVE, IDC_BAND, IDC_CONNECT}));
    }

    void sizeFromTheFontsBaseUnits() {
        auto dlg = OpenDialog();
        const QFont f = dlg->font();
        QVERIFY2(f.family() == "Gulim" || f.family() == "NanumGothic", qPrintable(f.family()));
        QCOMPARE(f.pointSize(), 9);
        QVERIFY(QFontDatabase::hasFamily(QFontInfo(f).family()));

        const QFontMetrics fm(f);
        const int alphabet = fm.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        const int bx = (alphabet / 26 + 1) / 2;
        const int by = fm.height();
        auto px = [](int v, int base, int div) { return (v * base + div / 2) / div; };
        QCOMPARE(dlg->TemplateSize(), QSize(px(315, bx, 4), px(310, by, 8)));
        // The status line adds its own height below the template and nothing else.
        QCOMPARE(dlg->size(), QSize(px(315, bx, 4), px(310, by, 8) + dlg->StatusLine()->height()));
        QCOMPARE(dlg->StatusLine()->geometry().top(), px(310, by, 8));
        QCOMPARE(dlg->minimumSize(), dlg->maximumSize());
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Velmar"));
        // The icon, big and small, with its two images.
        const QList<QSize> sizes = dlg->windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(32, 32)) && sizes.contains(QSize(16, 16)));
        QCOMPARE(dlg->GetIcon(true).cacheKey(), dlg->m_hIcon.cacheKey());
        QCOMPARE(dlg->GetIcon(false).cacheKey(), dlg->m_hIcon.cacheKey());
        QCOMPARE(g_hNotifyWnd.load(), dlg.get());
        QVERIFY(!(dlg->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(dlg->windowFlags() & Qt::WindowMaximizeButtonHint));

        // A control sits where the template puts it: CH2 at 225, 31, 69 x 14.
        const QRect ch2(dlg->GetDlgItem(IDC_CH1 + 1)->mapTo(dlg.get(), QPoint(0, 0)),
                        dlg->GetDlgItem(IDC_CH1 + 1)->size());
        QCOMPARE(ch2, QRect(px(225, bx, 4), px(31, by, 8), px(69, bx, 4), px(14, by, 8)));
        // A radio inside its group box: "PMR + LPD" at 241, 251.
        QWidget* pmrLpd = dlg->GetDlgItem(IDC_MODE_PMR_LPD);
        QCOMPARE(pmrLpd->mapTo(dlg.get(), QPoint(0, 0)), QPoint(px(241, bx, 4), px(251, by, 8)));
    }

    void nothingOverlapsOrIsCutOff() {
        auto dlg = OpenDialog();
        const QRect client = dlg->rect();
        QList<QPair<QRect, QWidget*>> placed;
        for (QWidget* w : dlg->findChildren<QWidget*>()) {
            if (!w->isVisible() || qobject_cast<QMenu*>(w) || w->parentWidget() == nullptr ||
                (w->parentWidget() != dlg.get() && !qobject_cast<QGroupBox*>(w->parentWidget()))) {
                continue;
            }
            const QRect r(w->mapTo(dlg.get(), QPoint(0, 0)), w->size());
            QVERIFY2(client.contains(r), qPrintable(w->metaObject()->className()));
            if (auto* label = qobject_cast<QLabel*>(w)) {
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                         qPrintable(label->text()));
            }
            if (auto* radio = qobject_cast<QRadioButton*>(w)) {
                const QStyle* style = radio->style();
                const int needed = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio) +
                                   style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio) +
                                   radio->fontMetrics().horizontalAdvance(radio->text());
                QVERIFY2(needed <= radio->width(), qPrintable(radio->text()));
                QVERIFY2(radio->fontMetrics().height() <= radio->height(), qPrintable(radio->text()));
            } else if (auto* button = qobject_cast<QPushButton*>(w)) {
                QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width(),
                         qPrintable(button->text()));
            }
            if (qobject_cast<QGroupBox*>(w) == nullptr) {
                for (const auto& [other, otherWidget] : placed) {
                    QVERIFY2(!other.intersects(r), qPrintable(QStringLiteral("%1 overlaps %2")
                                                                  .arg(w->metaObject()->className(),
                                                                       otherWidget->metaObject()->className())));
                }
                placed << qMakePair(r, w);
            }
        }
    }

    void initInstanceRunsTheDialogAndEnds() {
        // However the dialog is closed, InitInstance returns false.
        const std::function<void(QWidget*)> closers[] = {
            [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); },
            [](QWidget* w) { w->close(); },
            [](QWidget* w) {
                auto* dlg = static_cast<COrvDlg*>(w);
                dlg->GetSystemMenu()->menu()->actions().first()->trigger(); // "Close"
            },
        };
        for (const auto& close : closers) {
            QPointer<QWidget> seen;
            bool wasMain = false;
            WhenModal([&](QWidget* w) {
                seen = w;
                wasMain = theApp.m_pMainWnd == w && dynamic_cast<COrvDlg*>(w) != nullptr;
                close(w);
            });
            QCOMPARE(theApp.InitInstance(), false);
            QVERIFY(wasMain);
            QVERIFY(seen.isNull()); // the dialog was a local of InitInstance
            QCOMPARE(theApp.m_pMainWnd, nullptr);
        }
    }

    void contextMenuHoldsTheAboutEntry() {
        auto dlg = OpenDialog();
        const QList<QAction*> actions = dlg->GetSystemMenu()->menu()->actions();
        QVERIFY(actions.size() >= 2);
        QVERIFY(actions[actions.size() - 2]->isSeparator());
        QCOMPARE(actions.last()->text(), QStringLiteral("Velmar Program About(&A)..."));
        QCOMPARE(actions.last()->data().toInt(), IDM_ABOUTBOX);

        // Right-click on the background; the access key A opens the box.
        const QString before = Snapshot(*dlg);
        QStringList menuTexts;
        QString aboutTitle;
        QTimer::singleShot(0, [&] {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(popup);
            for (QAction* a : popup->actions()) {
                menuTexts << a->text();
            }
            WhenModal([&](QWidget* about) {
                aboutTitle = about->windowTitle();
                QTest::keyClick(about, Qt::Key_Escape);
            });
            QTest::keyClick(popup, Qt::Key_A);
        });
        const QPoint at(dlg->width() - 4, 4);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, dlg->mapToGlobal(at));
        QApplication::sendEvent(dlg.get(), &event);
        QCOMPARE(menuTexts.last(), QStringLiteral("Velmar Program About(&A)..."));
        QCOMPARE(aboutTitle, QStringLiteral("Velmar Program About"));
        QCOMPARE(Snapshot(*dlg), before);
    }

    void aboutBoxClosesWithButtonEnterAndEscape_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("button") << 0;
        QTest::newRow("enter") << 1;
        QTest::newRow("escape") << 2;
    }

    void aboutBoxClosesWithButtonEnterAndEscape() {
        QFETCH(int, how);
        auto dlg = OpenDialog();
        Click(*dlg, IDC_MODE_GROUP);
        QTest::keyClicks(Edit(*dlg, 0), "446.00625");
        const QString before = Snapshot(*dlg);
        const RadioSettings record = dlg->m_record;

        QString version;
        QString buttonText;
        bool isDefault = false;
        bool hasIcon = false;
        int result = -1;
        WhenModal([&](QWidget* w) {
            auto* about = dynamic_cast<CAboutDlg*>(w);
            QVERIFY(about);
            for (QLabel* l : about->findChildren<QLabel*>()) {
                if (!l->pixmap().isNull()) {
                    hasIcon = l->pixmap().size() == QSize(32, 32);
                } else {
                    version = l->text();
                }
            }
            auto* ok = qobject_cast<QPushButton*>(about->GetDlgItem(IDOK));
            QVERIFY(ok);
            buttonText = ok->text();
            isDefault = ok->isDefault();
            QObject::connect(about, &QDialog::finished, [&](int r) { result = r; });
            if (how == 0) {
                QTest::mouseClick(ok, Qt::LeftButton);
            } else {
                QTest::keyClick(about, how == 1 ? Qt::Key_Return : Qt::Key_Escape);
            }
        });
        dlg->GetSystemMenu()->menu()->actions().last()->trigger();

        QVERIFY(version.contains("2.2"));
        QCOMPARE(buttonText, QStringLiteral("확인"));
        QVERIFY(isDefault);
        QVERIFY(hasIcon);
        QCOMPARE(result, how == 2 ? IDCANCEL : IDOK);
        QCOMPARE(Snapshot(*dlg), before);
        QVERIFY(dlg->m_record.m_strGroupCode == record.m_strGroupCode);
        QVERIFY(dlg->m_record.m_strGroupChannel == record.m_strGroupChannel);
        QVERIFY(dlg->isVisible());
    }
};

QTEST_MAIN(StartState)
#include "tst_startstate.moc"
