// The yardstick of the start-up benchmark: a bare Qt dialog with the same controls as Velmar's settings dialog
// (the same template rows made into plain widgets at plain positions), and nothing else.

#include "DialogTemplate.h"
#include "Resource.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const velmar::res::DialogTemplate* t = velmar::res::FindDialog(velmar::IDD_ORV_DIALOG);
    QDialog dialog;
    dialog.setWindowTitle(QString::fromUtf8(t->caption.data(), static_cast<qsizetype>(t->caption.size())));
    constexpr int kScale = 2; // dialog units to pixels, roughly
    for (const velmar::res::ControlTemplate& row : t->controls) {
        const QString text = QString::fromUtf8(row.text.data(), static_cast<qsizetype>(row.text.size()));
        QWidget* w = nullptr;
        switch (row.kind) {
        case velmar::res::Kind::Edit:
            w = new QLineEdit(&dialog);
            break;
        case velmar::res::Kind::ComboBox: {
            auto* combo = new QComboBox(&dialog);
            for (std::string_view item : row.items) {
                combo->addItem(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
            }
            w = combo;
            break;
        }
        case velmar::res::Kind::RadioButton:
            w = new QRadioButton(text, &dialog);
            break;
        case velmar::res::Kind::GroupBox:
            w = new QGroupBox(text, &dialog);
            break;
        case velmar::res::Kind::PushButton:
            w = new QPushButton(text, &dialog);
            break;
        default:
            w = new QLabel(text, &dialog);
            break;
        }
        w->setGeometry(row.rect.x * kScale, row.rect.y * kScale, row.rect.cx * kScale,
                       std::min(row.rect.cy, 14) * kScale);
    }
    dialog.resize(t->rect.cx * kScale, t->rect.cy * kScale);
    dialog.show();
    return QApplication::exec();
}
