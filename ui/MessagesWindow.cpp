#include "MessagesWindow.h"

#include "MessageLog.h"
#include "ResourceLoader.h"
#include "Words.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmar {

CMessagesWindow::CMessagesWindow(CMessageLog& log) : QWidget(nullptr, Qt::Window), m_log(log) {
    setObjectName("messagesWindow");
    setWindowTitle(Word(res::kMessagesTitle));
    m_pText = new QPlainTextEdit(this);
    m_pText->setReadOnly(true);
    m_pText->setAccessibleName(Word(res::kMessagesTitle));
    m_pText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_pText->setPlainText(log.AsText());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy = buttons->addButton(Word(res::kButtonCopyAll), QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(Text()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pText);
    layout->addWidget(buttons);
    resize(fontMetrics().averageCharWidth() * 100, fontMetrics().lineSpacing() * 20);
    log.SetListener([this](const LoggedMessage& m) { m_pText->appendPlainText(CMessageLog::Line(m)); });
}

CMessagesWindow::~CMessagesWindow() {
    m_log.SetListener({});
}

QString CMessagesWindow::Text() const {
    return m_pText->toPlainText();
}

} // namespace velmar
